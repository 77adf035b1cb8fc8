#include "ui/common/NonBlockingMessage.h"
#include "ui/common/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QMessageBox *shownMessageBox()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Messages quote library data (a game's file name, a value from an ini file): markup in it is
// shown as written, never as a link or bold text.
TEST(MessageText, MarkupInAMessageIsShownLiterally)
{
    const QString markup = QStringLiteral("<b>x</b> <a href=\"file:///\">y</a>");
    std::vector<std::pair<Qt::TextFormat, QString>> shown;
    const auto readAndClose = [&shown] {
        if (QMessageBox *box = shownMessageBox()) {
            shown.emplace_back(box->textFormat(), box->text());
            box->accept();
        }
    };

    showNonBlockingMessage(nullptr, markup);
    readAndClose();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // This one waits for the user, so it is answered from inside its own loop.
    QTimer::singleShot(0, readAndClose);
    QtDialogs(nullptr).message(markup);

    const std::pair<Qt::TextFormat, QString> literal{Qt::PlainText, markup};
    EXPECT_EQ(shown, (std::vector{literal, literal}));
}

} // namespace
