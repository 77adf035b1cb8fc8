#include "session/LibrarySession.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "ui/main/TfrmMain.h"
#include "ui/startup/PalloxRun.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The Main tab by keyboard alone, and the find panel's room for its texts, in the program as
// main() starts it.
class MainTabKeyboard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Games")});
        lib.setMainKey(QStringLiteral("DOSBoxPath"), lib.root() + QStringLiteral("emu/dosbox"));
        lib.addGame(QStringLiteral("Games"), QStringLiteral("Blaster"), QStringLiteral("Blaster"),
                    {{QStringLiteral("Year"), QStringLiteral("1991")},
                     {QStringLiteral("Publisher"), QStringLiteral("Harbour Soft")},
                     {QStringLiteral("Developer"), QStringLiteral("Northwind")},
                     {QStringLiteral("Genre"), QStringLiteral("Action")},
                     {QStringLiteral("Series"), QStringLiteral("Blasters")},
                     {QStringLiteral("Designer"), QStringLiteral("Ann Ward")},
                     {QStringLiteral("Setup"), QStringLiteral("SETUP.EXE")},
                     {QStringLiteral("Platform"), QStringLiteral("DOS")},
                     {QStringLiteral("OtherPlatform1"), QStringLiteral("Amiga")},
                     {QStringLiteral("Emulator"), QStringLiteral("DOSBox")},
                     {QStringLiteral("Executable"), QStringLiteral("BLAST.EXE")}});
        lib.addGame(QStringLiteral("Games"), QStringLiteral("Comet"), QStringLiteral("Comet"),
                    {{QStringLiteral("Year"), QStringLiteral("1993")},
                     {QStringLiteral("Developer"), QStringLiteral("Sky & Sea")},
                     {QStringLiteral("Platform"), QStringLiteral("DOS")}});
        lib.writeSettings();
        fake.random.numbers = {0};
        run = PalloxRun::start(lib.root(), platform);
        ASSERT_NE(run, nullptr);
        frm = &run->mainWindow();
        frm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frm));
        ASSERT_EQ(child<QLabel>(*frm, "lblName")->text(), QStringLiteral("Blaster"));
    }

    QString focused() const
    {
        QWidget *widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QStringLiteral("(nothing)");
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : frm, Qt::Key(key), modifiers);
    }

    QString total() const { return child<QLabel>(*frm, "lblTotal")->text(); }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    std::unique_ptr<PalloxRun> run;
    TfrmMain *frm = nullptr;
};

TEST_F(MainTabKeyboard, TabVisitsTheListPlayTheFactsThePlatformsAndTheNoteInReadingOrder)
{
    ASSERT_EQ(focused(), QStringLiteral("lbMain"));
    auto *factsBox = child<QWidget>(*frm, "panelStats");
    QStringList visited;
    for (int i = 0; i < 11; ++i) {
        press(Qt::Key_Tab);
        visited << focused();
        // A fact below the bottom of the facts box is scrolled into it.
        QWidget *now = QApplication::focusWidget();
        if (now && factsBox->isAncestorOf(now)) {
            const QRect shown(now->mapTo(factsBox, QPoint(0, 0)), now->size());
            EXPECT_TRUE(QRect(QPoint(0, 0), factsBox->size()).contains(shown)) << focused().toStdString();
        }
    }
    EXPECT_EQ(visited, (QStringList{QStringLiteral("btnPlay"), QStringLiteral("lblYear"),
                                    QStringLiteral("lblPublisher"), QStringLiteral("lblDeveloper"),
                                    QStringLiteral("lblGenre"), QStringLiteral("lblSeries"),
                                    QStringLiteral("lblDesigner"), QStringLiteral("lblSetup"),
                                    QStringLiteral("lblPlatform"), QStringLiteral("lblOtherPlatform1"),
                                    QStringLiteral("memoAbout")}));
    // From the note back round through the page tabs to the list; Shift+Tab walks back.
    press(Qt::Key_Tab);
    EXPECT_NE(qobject_cast<QTabBar *>(QApplication::focusWidget()), nullptr) << focused().toStdString();
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), QStringLiteral("lbMain"));
    press(Qt::Key_Backtab);
    press(Qt::Key_Backtab);
    EXPECT_EQ(focused(), QStringLiteral("memoAbout"));
}

TEST_F(MainTabKeyboard, SpaceAndEnterChooseTheFocusedLinkAndPlay)
{
    auto *developer = child<QLabel>(*frm, "lblDeveloper");
    const QImage unfocused = developer->grab().toImage();
    developer->setFocus(Qt::TabFocusReason);
    EXPECT_NE(developer->grab().toImage(), unfocused) << "the focus is not shown";

    ASSERT_EQ(total(), QStringLiteral("2 Listed"));
    press(Qt::Key_Space);
    EXPECT_EQ(total(), QStringLiteral("1 Listed"));
    child<QLabel>(*frm, "lblYear")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(total(), QStringLiteral("1 Listed"));
    EXPECT_EQ(child<QComboBox>(*frm, "cbShowOnly1")->currentText(), QStringLiteral("Year"));

    child<QPushButton>(*frm, "btnPlay")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    ASSERT_EQ(fake.shell.calls.size(), 1u) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(fake.shell.calls[0].parameters.contains(QStringLiteral("BLAST.EXE")));
    press(Qt::Key_Space);
    EXPECT_EQ(fake.shell.calls.size(), 2u);
}

TEST_F(MainTabKeyboard, CtrlFOpensTheFindPanelAndCtrlQQuits)
{
    auto *find = child<QWidget>(*frm, "pnlFind");
    ASSERT_FALSE(find->isVisible());
    press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(find->isVisible());
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frm->isVisible());
}

// Every name of the field list shows whole in its box, and the caption whole beside it, with
// "Go" on offer too, in a small window and a large one.
TEST_F(MainTabKeyboard, FindPanelShowsItsCaptionAndEveryFieldNameWhole)
{
    auto *caption = child<QLabel>(*frm, "lblSearchField");
    auto *fields = child<QComboBox>(*frm, "cbShowOnly1");
    auto *values = child<QComboBox>(*frm, "cbShowOnly2");
    child<QAction>(*frm, "mnuFind")->trigger();
    fields->setFocus();
    QTest::keyClicks(fields->lineEdit(), QStringLiteral("All"));
    QTest::keyClicks(values->lineEdit(), QStringLiteral("x"));
    ASSERT_TRUE(child<QPushButton>(*frm, "btnGoFind")->isVisible());

    for (const QSize size : {QSize(800, 600), QSize(1600, 1000)}) {
        frm->resize(size);
        QCoreApplication::processEvents();
        const QFontMetrics captionFont = caption->fontMetrics();
        EXPECT_GE(caption->contentsRect().width(), captionFont.horizontalAdvance(caption->text()))
            << size.width() << " x " << size.height();
        EXPECT_LE(caption->geometry().right(), fields->geometry().left());
        const QFontMetrics fieldFont = fields->lineEdit()->fontMetrics();
        // The line edit keeps a margin of its own round the text.
        const int room = fields->lineEdit()->width() - 4;
        ASSERT_GT(fields->count(), 30);
        for (int i = 0; i < fields->count(); ++i)
            EXPECT_GE(room, fieldFont.horizontalAdvance(fields->itemText(i))) << fields->itemText(i).toStdString();
    }
}

} // namespace
