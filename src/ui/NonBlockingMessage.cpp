#include "ui/NonBlockingMessage.h"

#include <QMessageBox>

void showNonBlockingMessage(QWidget *owner, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("PALLOX"), text,
                                QMessageBox::Ok, owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}
