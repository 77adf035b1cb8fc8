#include "ui/TfrmAddWizard.h"

TfrmAddWizard::TfrmAddWizard(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TfrmAddWizard"));
    setWindowTitle(QStringLiteral("Add Game Wizard"));
}
