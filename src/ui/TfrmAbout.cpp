#include "ui/TfrmAbout.h"

TfrmAbout::TfrmAbout(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TfrmAbout"));
    setWindowTitle(QStringLiteral("About PALLOX"));
}
