#include "base/IniFile.h"
#include "session/LibrarySession.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "presentation/MascotBounce.h"
#include "ui/config/MascotGame.h"
#include "ui/startup/PalloxRun.h"
#include "ui/common/PictureLabel.h"
#include "ui/main/TfrmAbout.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

QColor textColor(const QWidget *widget) { return widget->palette().color(QPalette::WindowText); }

class AppearanceSettings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lib.setSubfolders({QStringLiteral("Games")});
        lib.addGame(QStringLiteral("Games"), QStringLiteral("Blaster"), QStringLiteral("Blaster"),
                    {{QStringLiteral("Year"), QStringLiteral("1991")}, {QStringLiteral("Platform"), QStringLiteral("DOS")}});
        fake.random.numbers = {0};
    }

    void startWindow()
    {
        lib.writeSettings();
        frm = std::make_unique<TfrmMain>(platform, lib.root(), nullptr);
        frm->resize(1000, 700);
        frm->show();
        QCoreApplication::processEvents();
        // The labels are clicked where a user clicks them: on the Config tab.
        child<QTabWidget>(*frm, "PageControl1")->setCurrentIndex(1);
        QCoreApplication::processEvents();
    }

    void clickLabel(const char *name)
    {
        auto *label = child<QLabel>(*frm, name);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }

    QString stored(const char *key) const
    {
        return IniFile(lib.settingsFile()).readString(QStringLiteral("Main"), QLatin1String(key), QStringLiteral("<none>"));
    }
    int storedInteger(const char *key) const
    {
        return IniFile(lib.settingsFile()).readInteger(QStringLiteral("Main"), QLatin1String(key), -1);
    }
    QByteArray settingsBytes() const
    {
        QFile file(lib.settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    std::unique_ptr<TfrmMain> frm;
};

TEST_F(AppearanceSettings, EachColourLabelWritesItsKeyAndRecoloursItsControls)
{
    startWindow();
    auto *silverLabel = child<QLabel>(*frm, "lblMainBGColor");
    const QColor silver(0xC0, 0xC0, 0xC0);
    EXPECT_EQ(textColor(silverLabel), silver);
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblNameColor")), silver);

    fake.dialogs.color = QColor(Qt::black);
    clickLabel("lblMainBGColor");
    EXPECT_EQ(stored("lbMainBGColor"), QStringLiteral("clBlack"));
    EXPECT_EQ(child<QListView>(*frm, "lbMain")->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(textColor(silverLabel), silver) << "a background label keeps its silver";

    fake.dialogs.color = QColor(0x40, 0x80, 0xFF);
    child<QPushButton>(*frm, "btnBGColor")->click();
    EXPECT_EQ(stored("BGColor"), QStringLiteral("$00FF8040"));
    EXPECT_EQ(frm->palette().color(QPalette::Window), QColor(0x40, 0x80, 0xFF));
    child<QPushButton>(*frm, "Button1")->click();
    EXPECT_EQ(stored("BGColor"), QStringLiteral("$00484800"));
    EXPECT_EQ(frm->palette().color(QPalette::Window), QColor(0x00, 0x48, 0x48));

    fake.dialogs.color = QColor(Qt::yellow);
    clickLabel("lblNameColor");
    EXPECT_EQ(stored("NameFontColor"), QStringLiteral("clYellow"));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblName")), QColor(Qt::yellow));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblNameColor")), QColor(Qt::yellow));

    fake.dialogs.color = QColor(Qt::red);
    clickLabel("lblShadowColor");
    EXPECT_EQ(stored("NameShadowColor"), QStringLiteral("clRed"));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblNameShadow")), QColor(Qt::red));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblName")), QColor(Qt::yellow));

    fake.dialogs.color = QColor(0x10, 0x20, 0x30);
    clickLabel("lblNoteBGColor");
    EXPECT_EQ(stored("NoteBGColor"), QStringLiteral("$00302010"));
    EXPECT_EQ(child<QPlainTextEdit>(*frm, "memoAbout")->palette().color(QPalette::Base), QColor(0x10, 0x20, 0x30));

    fake.dialogs.color = QColor(0x12, 0x34, 0x56);
    clickLabel("lblDetailsColor");
    EXPECT_EQ(stored("DetailsColor"), QStringLiteral("$00563412"));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblYear")), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblComma9")), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblDetailsColor")), QColor(0x12, 0x34, 0x56));

    fake.dialogs.color = QColor(Qt::white);
    clickLabel("lblDetailsHLColor");
    EXPECT_EQ(stored("DetailsHLColor"), QStringLiteral("clWhite"));

    fake.dialogs.color = QColor(0xC0, 0xDC, 0xC0);
    clickLabel("lblDetailsTextColor");
    EXPECT_EQ(stored("DetailsTextColor"), QStringLiteral("clMoneyGreen"));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblDetail01")), QColor(0xC0, 0xDC, 0xC0));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblExtras")), QColor(0xC0, 0xDC, 0xC0));

    fake.dialogs.color = QColor(0x80, 0x00, 0x00);
    clickLabel("lblDetailsBGColor");
    EXPECT_EQ(stored("DetailsBGColor"), QStringLiteral("clMaroon"));
    EXPECT_EQ(child<QWidget>(*frm, "panelStats")->palette().color(QPalette::Window), QColor(0x80, 0, 0));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblDetailsBGColor")), QColor(0x80, 0, 0));
    // Earlier choices survive the re-application of every later one.
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblYear")), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(child<QListView>(*frm, "lbMain")->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(fake.dialogs.colorRequests, 9);
}

TEST_F(AppearanceSettings, CancelledDialogsWriteAndChangeNothing)
{
    startWindow();
    const QByteArray before = settingsBytes();
    auto *name = child<QLabel>(*frm, "lblName");
    const QFont nameFont = name->font();
    const QColor nameColor = textColor(name);
    fake.dialogs.color.reset();
    fake.dialogs.font.reset();
    for (const char *label : {"lblMainBGColor", "lblNameColor", "lblShadowColor", "lblNoteBGColor", "lblDetailsColor",
                              "lblDetailsHLColor", "lblDetailsTextColor", "lblDetailsBGColor", "lblMainListFont",
                              "lblNameFont", "lblNoteColor"})
        clickLabel(label);
    child<QPushButton>(*frm, "btnBGColor")->click();
    EXPECT_EQ(fake.dialogs.colorRequests, 9);
    EXPECT_EQ(fake.dialogs.fontRequests, 3);
    EXPECT_EQ(settingsBytes(), before);
    EXPECT_EQ(name->font(), nameFont);
    EXPECT_EQ(textColor(name), nameColor);
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblNameColor")), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(AppearanceSettings, FontLabelsWriteTheFourKeysAndTheNameTakesTheFittedSize)
{
    startWindow();
    QFont listFont(QStringLiteral("DejaVu Sans"), 13);
    listFont.setBold(true);
    listFont.setItalic(true);
    listFont.setStrikeOut(true);
    fake.dialogs.font = listFont;
    fake.dialogs.fontColor = QColor(0x40, 0x80, 0xFF);
    clickLabel("lblMainListFont");
    EXPECT_EQ(stored("lbMainListFontName"), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(storedInteger("lbMainListFontSize"), 13);
    EXPECT_EQ(stored("lbMainListFontStyle"), QStringLiteral("BoldItalicStrike"));
    EXPECT_EQ(stored("lbMainListFontColor"), QStringLiteral("$00FF8040"));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblMainListFont")), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(child<QListView>(*frm, "lbMain")->palette().color(QPalette::Text), QColor(0x40, 0x80, 0xFF));
    const QFont shown = child<QListView>(*frm, "lbMain")->font();
    EXPECT_EQ(shown.pointSize(), 13);
    EXPECT_TRUE(shown.bold() && shown.italic() && shown.strikeOut());
    EXPECT_EQ(child<QLabel>(*frm, "lblMainListFont")->font().pointSize(), 13);

    // The shared dialog opens with what was chosen in it last, colour included.
    fake.dialogs.font = QFont(QStringLiteral("DejaVu Serif"), 11);
    fake.dialogs.fontColor = QColor();
    clickLabel("lblNoteColor");
    EXPECT_EQ(fake.dialogs.lastFontShown.font.pointSize(), 13);
    EXPECT_EQ(stored("NoteFontName"), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(storedInteger("NoteFontSize"), 11);
    EXPECT_EQ(stored("NoteFontStyle"), QString());
    EXPECT_EQ(stored("NoteFontColor"), QStringLiteral("$00FF8040"));
    EXPECT_EQ(child<QPlainTextEdit>(*frm, "memoAbout")->font().pointSize(), 11);
    EXPECT_EQ(child<QListView>(*frm, "lbMain")->font().pointSize(), 13) << "a note font leaves the list alone";

    fake.dialogs.color = QColor(Qt::red);
    clickLabel("lblShadowColor");
    fake.dialogs.font = QFont(QStringLiteral("DejaVu Sans"), 72);
    clickLabel("lblNameFont");
    auto *name = child<QLabel>(*frm, "lblName");
    const int fitted = storedInteger("NameFontSize");
    EXPECT_NE(fitted, 72);
    EXPECT_GT(fitted, 0);
    EXPECT_EQ(name->font().pointSize(), fitted);
    EXPECT_EQ(child<QLabel>(*frm, "lblNameShadow")->font().pointSize(), fitted);
    EXPECT_EQ(child<QLabel>(*frm, "lblNameFont")->font().pointSize(), fitted);
    EXPECT_EQ(stored("NameFontName"), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblNameShadow")), QColor(Qt::red));
    // The name text still fits its banner.
    const QWidget *banner = child<QWidget>(*frm, "Gradient4");
    EXPECT_LE(name->width(), banner->width());
    EXPECT_EQ(fake.dialogs.fontRequests, 3);
}

TEST_F(AppearanceSettings, StartUpReadsStoredTextsAndFallsBackToTheControlsDefault)
{
    lib.setMainKey(QStringLiteral("lbMainBGColor"), QStringLiteral("CLSILVER"));
    lib.setMainKey(QStringLiteral("NoteBGColor"), QStringLiteral("12632256"));
    lib.setMainKey(QStringLiteral("DetailsColor"), QStringLiteral("$00FFFF"));
    lib.setMainKey(QStringLiteral("NameShadowColor"), QStringLiteral("$0000FF"));
    lib.setMainKey(QStringLiteral("DetailsBGColor"), QStringLiteral("not a colour"));
    lib.setMainKey(QStringLiteral("NameFontColor"), QStringLiteral("$12G"));
    lib.setMainKey(QStringLiteral("NoteFontStyle"), QStringLiteral("bolditalic"));
    lib.setMainKey(QStringLiteral("lbMainListFontStyle"), QStringLiteral("Bold Italic"));
    startWindow();

    const QColor silver(0xC0, 0xC0, 0xC0);
    EXPECT_EQ(child<QListView>(*frm, "lbMain")->palette().color(QPalette::Base), silver);
    auto *memo = child<QPlainTextEdit>(*frm, "memoAbout");
    EXPECT_EQ(memo->palette().color(QPalette::Base), silver);
    EXPECT_TRUE(memo->font().bold() && memo->font().italic());
    const QFont listFont = child<QListView>(*frm, "lbMain")->font();
    EXPECT_FALSE(listFont.bold() || listFont.italic());
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblYear")), QColor(Qt::yellow)) << "yellow, not cyan";
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblDetailsColor")), QColor(Qt::yellow));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblNameShadow")), QColor(Qt::red));
    EXPECT_EQ(textColor(child<QLabel>(*frm, "lblShadowColor")), QColor(Qt::red));

    auto *stats = child<QWidget>(*frm, "panelStats");
    EXPECT_EQ(stats->palette().color(QPalette::Window), QApplication::palette(stats).color(QPalette::Window));
    auto *name = child<QLabel>(*frm, "lblName");
    EXPECT_EQ(textColor(name), QApplication::palette(name).color(QPalette::WindowText));
    EXPECT_TRUE(fake.dialogs.messages.isEmpty());
}

TEST_F(AppearanceSettings, MascotBouncesInsideThePanelAndShrinksEveryFifthClick)
{
    startWindow();
    auto *panel = child<QWidget>(*frm, "pnlSettings");
    auto *game = child<MascotGame>(*frm, "MascotGame");
    auto *mascot = child<PictureLabel>(*frm, "imgMascot");
    EXPECT_FALSE(mascot->isVisible());
    game->emuListTextChanged(MascotBounce::TriggerText);
    ASSERT_TRUE(mascot->isVisible());
    const QSize design = mascot->size();
    EXPECT_EQ(design, QSize(123, 146));

    for (int tick = 0; tick < 3000; ++tick) {
        game->Timer1Timer();
        ASSERT_TRUE(QRect(QPoint(0, 0), panel->size()).adjusted(-1, -1, 1, 1).contains(mascot->geometry()))
            << "tick " << tick;
    }

    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(mascot, Qt::LeftButton, {}, QPoint(5, 5));
    game->Timer1Timer();
    EXPECT_EQ(child<QLabel>(*frm, "lblScore2")->text(), QStringLiteral("4"));
    EXPECT_EQ(mascot->size(), design);
    game->imgMascotClick();
    EXPECT_EQ(mascot->size(), design - QSize(10, 10));
    game->Timer1Timer();
    EXPECT_EQ(child<QLabel>(*frm, "lblScore2")->text(), QStringLiteral("5"));

    // Eleven more shrinks take the width from 113 past 12 (13 - 10 = 3) to 2.
    for (int i = 0; i < 5 * 11; ++i)
        game->imgMascotClick();
    EXPECT_EQ(mascot->size(), QSize(2, 26)) << "a side under 12 pixels becomes 2";
    for (int i = 0; i < 5 * 2; ++i)
        game->imgMascotClick();
    EXPECT_EQ(mascot->size(), QSize(2, 2));
}

// Through the real start-up: the About window from the Help menu, and the mini-game from the
// emulator list's text.
TEST(AppearanceStartUp, AboutFromTheHelpMenuAndTheMiniGameFromTheEmulatorList)
{
    LibraryBuilder lib;
    lib.setSubfolders({QStringLiteral("Games")});
    lib.addGame(QStringLiteral("Games"), QStringLiteral("Blaster"), QStringLiteral("Blaster"));
    lib.writeSettings();
    TestPlatform fake;
    fake.random.numbers = {0};
    const Platform platform = fake.platform();
    auto run = PalloxRun::start(lib.root(), platform);
    ASSERT_NE(run, nullptr);
    TfrmMain &main = run->mainWindow();

    auto *about = child<QAction>(main, "mnuAbout");
    EXPECT_TRUE(about->isEnabled());
    EXPECT_FALSE(window<TfrmAbout>("TfrmAbout")->isVisible());
    about->trigger();
    TfrmAbout &window = *::window<TfrmAbout>("TfrmAbout");
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("About PALLOX"));
    EXPECT_EQ(child<QLabel>(window, "lblVersion")->text(), QStringLiteral("version 2.5.2.3"));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(window.x(), main.x() + main.width() / 2 - window.width() / 2);
    EXPECT_EQ(window.y(), main.y() + main.height() / 2 - window.height() / 2);
    EXPECT_TRUE(main.isEnabled()) << "the About window does not block the main window";
    auto *homePage = child<QLabel>(window, "lblHomePage");
    QTest::mouseClick(homePage, Qt::LeftButton, {}, homePage->rect().center());
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls[0].verb, QStringLiteral("open"));
    EXPECT_EQ(fake.shell.calls[0].program, TfrmAbout::HomePage);
    window.close();
    EXPECT_FALSE(window.isVisible());
    about->trigger();
    EXPECT_TRUE(window.isVisible()) << "closing only hid it";

    auto *emuList = child<QComboBox>(main, "cbEmuList");
    auto *mascot = child<QWidget>(main, "imgMascot");
    auto *timer = child<QTimer>(main, "Timer1");
    child<QTabWidget>(main, "PageControl1")->setCurrentIndex(1);
    emuList->setEditText(MascotBounce::TriggerText);
    EXPECT_TRUE(mascot->isVisible());
    EXPECT_TRUE(child<QLabel>(main, "lblScore1")->isVisible());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10);
    const QPoint start = mascot->pos();
    // A few ticks of the timer; a loaded machine may deliver them late.
    EXPECT_TRUE(QTest::qWaitFor([&] { return mascot->pos() != start; }, 5000)) << "the timer moves the picture";
    emuList->setEditText(QStringLiteral("DOSBox"));
    EXPECT_FALSE(mascot->isVisible());
    EXPECT_FALSE(child<QLabel>(main, "lblScore2")->isVisible());
    EXPECT_FALSE(timer->isActive());
}

} // namespace
