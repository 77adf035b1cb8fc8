#include "ui/sheet/ImageSheetTab.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "session/BrowseModel.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "support/ListEntries.h"
#include "ui/startup/PalloxRun.h"
#include "ui/sheet/SheetThumbnail.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// The sheet in the program as main() starts it, over a library whose games have fronts,
// only titles, a front that is missing on disk, or no picture at all.
class ImageSheetTabTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Action")});
        lib.setMainKey(QStringLiteral("DOSBoxPath"), lib.root() + QStringLiteral("emu/dosbox"));
        addGame("Apex", "Arcade", "apex.png", "");
        addGame("Blaze", "Arcade", "", "blaze.jpg");
        addGame("Comet", "DOS", "comet.png", "comet-title.png");
        addGame("Drift", "DOS", "", "");
        picture("Apex/Pallox/Front/apex.png", {300, 400});
        picture("Blaze/Pallox/Title/blaze.jpg", {640, 400});
        // Comet's front is missing; its title must not stand in for it.
        picture("Comet/Pallox/Title/comet-title.png", {64, 64});
        lib.writeSettings();
        fake.random.numbers = {0};
        run = PalloxRun::start(lib.root(), platform);
        ASSERT_NE(run, nullptr);
        TfrmMain &frm = run->mainWindow();
        frm.resize(1000, 700);
        list = child<QListView>(frm, "lbMain");
        sheet = child<ImageSheetTab>(frm, "tabImageSheet");
        child<QTabWidget>(frm, "PageControl1")->setCurrentWidget(sheet);
        QCoreApplication::processEvents();
    }

    void addGame(const char *name, const char *platformName, const char *front, const char *title)
    {
        const QString game = QLatin1String(name);
        lib.addGame(QStringLiteral("Action"), game, game,
                    {{QStringLiteral("Platform"), QLatin1String(platformName)},
                     {QStringLiteral("Emulator"), QStringLiteral("DOSBox")},
                     {QStringLiteral("Executable"), game.toUpper() + QStringLiteral(".EXE")},
                     {QStringLiteral("Front01"), QLatin1String(front)},
                     {QStringLiteral("Title01"), QLatin1String(title)}});
    }
    void picture(const char *relative, QSize size)
    {
        const QString path = lib.path(QStringLiteral("Games/Action/") + QLatin1String(relative));
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        ASSERT_TRUE(image.save(path));
    }

    // Presses "Load" and waits for the last picture.
    std::map<QString, SheetThumbnail *> load(const char *kind = "Fronts")
    {
        child<QComboBox>(*sheet, "cbImageList")->setCurrentText(QLatin1String(kind));
        QSignalSpy loaded(sheet, &ImageSheetTab::sheetLoaded);
        QTest::mouseClick(child<QPushButton>(*sheet, "btnLoadImages"), Qt::LeftButton);
        if (loaded.isEmpty()) {
            EXPECT_TRUE(loaded.wait(5000));
        }
        std::map<QString, SheetThumbnail *> shown;
        for (SheetThumbnail *thumbnail : sheet->findChildren<SheetThumbnail *>())
            shown[thumbnail->name()] = thumbnail;
        return shown;
    }
    QString total() { return child<QLabel>(*sheet, "lblImageListTotal")->text(); }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    std::unique_ptr<PalloxRun> run;
    QListView *list = nullptr;
    ImageSheetTab *sheet = nullptr;
};

TEST_F(ImageSheetTabTest, FrontsFallBackToTitlesAndSkipMissingPictures)
{
    EXPECT_EQ(child<QComboBox>(*sheet, "cbImageList")->currentText(), QStringLiteral("Fronts"));
    EXPECT_EQ(child<QLabel>(*sheet, "lblImageSize")->text(), QStringLiteral("150"));
    auto shown = load();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(total(), QStringLiteral("2"));
    EXPECT_FALSE(child<QProgressBar>(*sheet, "pbImages")->isVisible());
    EXPECT_EQ(shown[QStringLiteral("Apex")]->geometry(), QRect(12, 12, 108, 138));
    EXPECT_EQ(shown[QStringLiteral("Apex")]->image().size(), QSize(103, 138));
    // The title stands in, at the full square.
    EXPECT_EQ(shown[QStringLiteral("Blaze")]->geometry(), QRect(132, 12, 138, 138));
    EXPECT_EQ(shown[QStringLiteral("Blaze")]->toolTip(), QStringLiteral("Blaze"));

    // A new build replaces the old one, with the size the bar had when "Load" was pressed.
    auto *size = child<QScrollBar>(*sheet, "scrollImageSize");
    size->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(size->value(), 200);
    EXPECT_EQ(child<QLabel>(*sheet, "lblImageSize")->text(), QStringLiteral("200"));
    shown = load("Titles");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(sheet->findChildren<SheetThumbnail *>().size(), 2);
    // Comet's title is smaller than its place and keeps its own size.
    EXPECT_EQ(shown[QStringLiteral("Comet")]->geometry().size(), QSize(144, 184));
    EXPECT_EQ(shown[QStringLiteral("Comet")]->image().size(), QSize(64, 64));
    EXPECT_TRUE(fake.dialogs.messages.isEmpty());
}

TEST_F(ImageSheetTabTest, ClickStartsTheThumbnailsGameWhileTheListKeepsItsSelection)
{
    ListEntries::setCurrentRow(*list, 2);
    const QString selected = ListEntries::currentText(*list);
    const QString detailsName = child<QLabel>(run->mainWindow(), "lblName")->text();
    auto shown = load();
    SheetThumbnail *blaze = shown[QStringLiteral("Blaze")];
    ASSERT_NE(blaze, nullptr);

    // The pointer over a thumbnail frames it and names it; the wheel then scrolls the sheet.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(blaze, &enter);
    EXPECT_EQ(child<QWidget>(*sheet, "shImage")->geometry(), QRect(129, 9, 144, 144));
    EXPECT_EQ(child<QLabel>(*sheet, "lblImgName")->text(), QStringLiteral("Blaze"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(blaze, &leave);
    EXPECT_EQ(child<QLabel>(*sheet, "lblImgName")->text(), QStringLiteral("Blaze"));

    QTest::mouseClick(blaze, Qt::LeftButton);
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_TRUE(fake.shell.calls[0].parameters.contains(QStringLiteral("BLAZE.EXE")))
        << fake.shell.calls[0].parameters.toStdString();
    EXPECT_EQ(ListEntries::currentText(*list), selected);
    EXPECT_EQ(child<QLabel>(run->mainWindow(), "lblName")->text(), detailsName);

    // A filter since the build moves rows; the click still starts the game it shows.
    run->mainWindow().session().browse().textSearch(QStringLiteral("Blaze"));
    ASSERT_EQ(run->mainWindow().session().library().table().rowCount(), 2);
    QTest::mouseClick(blaze, Qt::LeftButton);
    ASSERT_EQ(fake.shell.calls.size(), 2u);
    EXPECT_TRUE(fake.shell.calls[1].parameters.contains(QStringLiteral("BLAZE.EXE")));
    QTest::mouseClick(shown[QStringLiteral("Apex")], Qt::LeftButton);
    EXPECT_EQ(fake.shell.calls.size(), 2u);
    EXPECT_EQ(fake.dialogs.messages.size(), 1);
}

TEST_F(ImageSheetTabTest, AfterAThumbnailClickPlayAndOpenFolderActOnTheGameTheDetailsShow)
{
    ListEntries::setCurrentRow(*list, 2);
    ASSERT_EQ(child<QLabel>(run->mainWindow(), "lblName")->text(), QStringLiteral("Comet"));
    auto shown = load();
    QTest::mouseClick(shown[QStringLiteral("Blaze")], Qt::LeftButton);

    child<QTabWidget>(run->mainWindow(), "PageControl1")->setCurrentIndex(0);
    QTest::mouseClick(child<QPushButton>(run->mainWindow(), "btnPlay"), Qt::LeftButton);
    child<QAction>(run->mainWindow(), "mnuOpenFolder")->trigger();
    ASSERT_EQ(fake.shell.calls.size(), 3u);
    EXPECT_TRUE(fake.shell.calls[0].parameters.contains(QStringLiteral("BLAZE.EXE")));
    EXPECT_TRUE(fake.shell.calls[1].parameters.contains(QStringLiteral("COMET.EXE")))
        << fake.shell.calls[1].parameters.toStdString();
    EXPECT_TRUE(fake.shell.calls[2].program.endsWith(QStringLiteral("Comet\"")))
        << fake.shell.calls[2].program.toStdString();
}

TEST_F(ImageSheetTabTest, DamagedPicturesKeepTheirPlaceAndAreToldInOneMessageAtTheEnd)
{
    for (int i = 0; i < 11; ++i) {
        const QByteArray name = "Bad" + QByteArray::number(i + 10);
        addGame(name.constData(), "DOS", "front.png", "");
        ASSERT_TRUE(writeFile(lib.path(QStringLiteral("Games/Action/%1/Pallox/Front/front.png")
                                           .arg(QLatin1String(name))),
                              QByteArray("\x89PNG not really")));
    }
    run->mainWindow().session().scanAgain();
    ASSERT_TRUE(fake.dialogs.messages.isEmpty());

    auto shown = load();
    EXPECT_EQ(total(), QStringLiteral("13"));
    ASSERT_TRUE(shown[QStringLiteral("Bad10")]->image().isNull());
    EXPECT_FALSE(shown[QStringLiteral("Apex")]->image().isNull());
    // Sorted by name, the first damaged front sits between Apex and Blaze.
    EXPECT_EQ(shown[QStringLiteral("Bad10")]->geometry(), QRect(132, 12, 108, 138));
    ASSERT_EQ(fake.dialogs.messages.size(), 1) << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
    const QStringList lines = fake.dialogs.messages.front().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.front(), QStringLiteral("These pictures could not be shown, so the sheet shows the names "
                                            "of their games instead:"));
    EXPECT_TRUE(lines[1].startsWith(QLatin1Char('"') + lib.path(QStringLiteral("Games/Action/Bad10/"))))
        << lines[1].toStdString();
    EXPECT_EQ(lines.back(), QStringLiteral("... and 1 more."));

    // The same pictures again are not told again; their tiles still start their games.
    QTest::mouseClick(load()[QStringLiteral("Bad10")], Qt::LeftButton);
    EXPECT_EQ(fake.dialogs.messages.size(), 1);
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_TRUE(fake.shell.calls[0].parameters.contains(QStringLiteral("BAD10.EXE")));
}

TEST_F(ImageSheetTabTest, ArcadeHintLowersFrontsAndAnEmptyTableGivesAnEmptySheet)
{
    auto *platforms = child<QMenu>(run->mainWindow(), "mnuCatPlatform");
    emit platforms->aboutToShow();
    QAction *arcade = nullptr;
    for (QAction *item : platforms->actions())
        arcade = item->data().toString() == QLatin1String("Arcade") ? item : arcade;
    ASSERT_NE(arcade, nullptr);
    arcade->trigger();
    auto shown = load();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[QStringLiteral("Apex")]->geometry(), QRect(12, 12, 108, 46));
    EXPECT_EQ(shown[QStringLiteral("Blaze")]->geometry(), QRect(132, 12, 138, 46));

    run->mainWindow().session().browse().textSearch(QStringLiteral("no such game"));
    // Filtering leaves the sheet as built.
    EXPECT_EQ(total(), QStringLiteral("2"));
    shown = load();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(total(), QStringLiteral("0"));
    EXPECT_FALSE(child<QProgressBar>(*sheet, "pbImages")->isVisible());
}

TEST_F(ImageSheetTabTest, WheelScrollsTheSheetFourPixelsWhileThePointerIsOverIt)
{
    for (int i = 0; i < 6; ++i)
        child<QScrollBar>(*sheet, "scrollImageSize")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    // One thumbnail per line, more lines than the window shows.
    run->mainWindow().resize(500, 400);
    QCoreApplication::processEvents();
    const auto shown = load("Titles");
    ASSERT_FALSE(shown.empty());
    SheetThumbnail *thumbnail = shown.begin()->second;
    auto *area = child<QScrollArea>(*sheet, "ScrollBox1");
    ASSERT_GT(area->verticalScrollBar()->maximum(), 8);
    const auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(20, 20), area->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(area->viewport(), &event);
    };
    wheel(-120);
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(area->viewport(), &enter);
    wheel(-120);
    wheel(-120);
    wheel(120);
    EXPECT_EQ(area->verticalScrollBar()->value(), 4);

    // Leaving a thumbnail stops the wheel until the pointer is over the sheet or a thumbnail again.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(thumbnail, &leave);
    wheel(-120);
    EXPECT_EQ(area->verticalScrollBar()->value(), 4);
    QEnterEvent over(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(thumbnail, &over);
    wheel(-120);
    EXPECT_EQ(area->verticalScrollBar()->value(), 8);
}

} // namespace
