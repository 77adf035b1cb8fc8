#include "ui/common/NonBlockingMessage.h"

#include "base/MessageLog.h"

#include <QMessageBox>

void showNonBlockingMessage(QWidget *owner, const QString &text)
{
    logShownMessage("message", text);
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("PALLOX"), text,
                                QMessageBox::Ok, owner);
    // The text names files and values from the library; markup in them is shown as written.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}
