#include "ui/TfrmDeleteFolder.h"

TfrmDeleteFolder::TfrmDeleteFolder(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TfrmDeleteFolder"));
    setWindowTitle(QStringLiteral("Really Delete This Game?"));
}
