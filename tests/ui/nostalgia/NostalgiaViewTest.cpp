#include "ui/nostalgia/NostalgiaView.h"
#include "base/IniFile.h"
#include "platform/CommandLine.h"
#include "session/LibrarySession.h"
#include "session/BrowseModel.h"
#include "support/Clicks.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "support/ListEntries.h"
#include "ui/nostalgia/NostalgiaBigScreen.h"
#include "ui/nostalgia/NostalgiaPicture.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {


void press(QWidget *widget, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A skins folder with the default file and the one of the 386 era, and a small library whose
// games each lack something else: pictures, platforms, a medium.
class NostalgiaViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lib.setSubfolders({QStringLiteral("Action")});
        lib.setMainKey(QStringLiteral("NostalgiaMode"), QStringLiteral("1"));
        lib.setMainKey(QStringLiteral("DOSBoxPath"), lib.root() + QStringLiteral("emu/dosbox"));
        lib.writeFile(QStringLiteral("Skins/skins.ini"), skinsIni("desk.png", 300));
        lib.writeFile(QStringLiteral("Skins/DOS386skins.ini"), skinsIni("desk386.png", 240));
        lib.writeFile(QStringLiteral("Skins/pc.png"), pngBytes(60, 50));
        lib.writeFile(QStringLiteral("Skins/disk.png"), pngBytes(20, 20));

        quest(QStringLiteral("QuestDOS"), "DOS", "1987",
              {{QStringLiteral("Front01"), QStringLiteral("front.png")},
               {QStringLiteral("Back01"), QStringLiteral("back.png")},
               {QStringLiteral("Screen01"), QStringLiteral("screen.png")},
               {QStringLiteral("Title01"), QStringLiteral("title.png")},
               {QStringLiteral("Developer"), QStringLiteral("Northwind")},
               {QStringLiteral("Emulator"), QStringLiteral("DOSBox")},
               {QStringLiteral("Executable"), QStringLiteral("QUEST.EXE")},
               {QStringLiteral("Setup"), QStringLiteral("SETUP.EXE")},
               {QStringLiteral("Manual"), QStringLiteral("Guide.pdf")},
               {QStringLiteral("Extra1"), QStringLiteral("Map")},
               {QStringLiteral("ExtraLink1"), QStringLiteral("map.png")}});
        for (const char *kind : {"Front/front", "Back/back", "Screen/screen", "Title/title"})
            lib.writeFile(QStringLiteral("Games/Action/QuestDOS/Pallox/%1.png").arg(QLatin1String(kind)),
                          pngBytes(40, 30));
        quest(QStringLiteral("QuestAmiga"), "Amiga", "1988", {});
        lib.addGame(QStringLiteral("Action"), QStringLiteral("Beta"), QStringLiteral("Beta Storm"),
                    {{QStringLiteral("Platform"), QStringLiteral("DOS")},
                     {QStringLiteral("Year"), QStringLiteral("198x")},
                     {QStringLiteral("Developer"), QStringLiteral("Northwind")},
                     {QStringLiteral("Front01"), QStringLiteral("front.png")},
                     {QStringLiteral("Screen01"), QStringLiteral("screen.png")},
                     {QStringLiteral("Media01"), QStringLiteral("disk.png")}});
        for (const char *kind : {"Front/front", "Screen/screen", "Media/disk"})
            lib.writeFile(QStringLiteral("Games/Action/Beta/Pallox/%1.png").arg(QLatin1String(kind)),
                          pngBytes(40, 30));
        lib.addGame(QStringLiteral("Action"), QStringLiteral("Gamma"), QStringLiteral("Gamma Tiles"),
                    {{QStringLiteral("Platform"), QStringLiteral("Amiga")},
                     {QStringLiteral("Title01"), QStringLiteral("title.png")}});
        lib.writeFile(QStringLiteral("Games/Action/Gamma/Pallox/Title/title.png"), pngBytes(40, 30));
        fake.random.numbers = {0};
    }

    static QByteArray skinsIni(const char *background, int listWidth)
    {
        return "[Main]\r\nTransitionDelay=2\r\n[Background]\r\nImage=" + QByteArray(background) +
               "\r\n[Computer]\r\nImage=pc.png\r\n800Left=10\r\n800Top=40\r\n800Width=300\r\n800Height="
               "240\r\n"
               "1800Left=30\r\n1800Top=60\r\n1800Width=600\r\n1800Height=480\r\n"
               "[Disk]\r\nImage=disk.png\r\n[List]\r\n800Width=" +
               QByteArray::number(listWidth) +
               "\r\n1800Width=400\r\n[Extras]\r\n800Top=300\r\n800Left=400\r\n";
    }

    void quest(const QString &folder, const char *platform, const char *year, LibraryBuilder::Keys keys)
    {
        keys.emplace_back(QStringLiteral("Platform"), QString::fromLatin1(platform));
        keys.emplace_back(QStringLiteral("Year"), QString::fromLatin1(year));
        lib.addGame(QStringLiteral("Action"), folder, QStringLiteral("Alpha Quest"), keys);
    }

    void start(int width = 1000)
    {
        lib.writeSettings();
        frm = std::make_unique<TfrmMain>(platform, lib.root(), nullptr);
        frm->resize(width, 700);
        frm->show();
        QCoreApplication::processEvents();
        // The width buckets go by the window's outer width, frame included.
        resizeOuter(width, 700);
        view = child<NostalgiaView>(*frm, "pnlNostalgia");
        list = child<QListView>(*view, "lbNostalgiaMain");
        big = child<NostalgiaBigScreen>(*view, "pnlBigScreen");
    }

    void resizeOuter(int width, int height)
    {
        frm->resize(width - (frm->frameGeometry().width() - frm->width()), height);
        QCoreApplication::processEvents();
    }

    void select(const QString &name)
    {
        const QList<int> found = ListEntries::rowsOf(*list, name);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        ListEntries::setCurrentRow(*list, found.front());
        QCoreApplication::processEvents();
    }

    QLabel *label(const char *name) const { return child<QLabel>(*view, name); }
    // The skins files of the fixture tell themselves by their list's width.
    int listWidth() const { return list->width(); }
    // One step of the alternation, as the timer takes it.
    void timerTick() const { QMetaObject::invokeMethod(child<QTimer>(*view, "timerNostalgia"), "timeout"); }
    NostalgiaPicture *picture(const char *name) const { return child<NostalgiaPicture>(*view, name); }
    QString line(const char *name) const { return child<QLabel>(*big, name)->text(); }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    std::unique_ptr<TfrmMain> frm;
    NostalgiaView *view = nullptr;
    QListView *list = nullptr;
    NostalgiaBigScreen *big = nullptr;
};

TEST_F(NostalgiaViewTest, SelectionShowsTheGameInTheSkinOfItsEra)
{
    start();
    ASSERT_TRUE(view->isVisible());
    EXPECT_EQ(ListEntries::count(*list), 3);
    EXPECT_TRUE(list->hasFocus());
    select(QStringLiteral("Alpha Quest"));
    EXPECT_EQ(listWidth(), 240); // DOS386skins.ini
    EXPECT_EQ(frm->session().browse().selectedGameName(), QStringLiteral("Alpha Quest"));

    // The game and one other platform: two labels 20 pixels apart, each with its shadow.
    QLabel *first = label("lblNostalgiaPlatform1");
    QLabel *second = label("lblNostalgiaPlatform2");
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->text(), QStringLiteral("DOS"));
    EXPECT_EQ(second->text(), QStringLiteral("Amiga"));
    EXPECT_TRUE(second->isVisible());
    EXPECT_FALSE(label("lblNostalgiaPlatform3")->isVisible());
    EXPECT_EQ(second->x(), first->x() + first->width() + 20);
    EXPECT_EQ(second->y(), first->y());
    EXPECT_TRUE(label("lblNostalgiaPlatformShadow2")->isVisible());
    EXPECT_EQ(label("lblNostalgiaPlatformShadow2")->pos(), second->pos() + QPoint(2, 2));

    // No medium: the skin's disk with the name on it.
    EXPECT_TRUE(picture("imgNostalgiaDisk")->hasImage());
    EXPECT_TRUE(label("lblDiskLabel")->isVisible());
    EXPECT_EQ(label("lblDiskLabel")->text(), QStringLiteral("Alpha Quest"));
    EXPECT_TRUE(picture("imgNostalgiaManual")->isVisible());
    EXPECT_EQ(label("lblNostalgiaExtra1")->text(), QStringLiteral("Map"));
    EXPECT_FALSE(label("lblNostalgiaExtra2")->isVisible());

    // Empty facts keep their prefixes; the lines stack a pixel apart, the prompt one line lower.
    EXPECT_EQ(line("lblNostalgiaName"), QStringLiteral("C:\\>Name: Alpha Quest"));
    EXPECT_EQ(line("lblNostalgiaYear"), QStringLiteral("C:\\>Year: 1987"));
    EXPECT_EQ(line("lblNostalgiaDeveloper"), QStringLiteral("C:\\>Developer: Northwind"));
    EXPECT_EQ(line("lblNostalgiaSeries2"), QStringLiteral("C:\\>Series: "));
    EXPECT_EQ(line("lblNostalgiaSubgenre"), QStringLiteral("C:\\>Subgenre: "));
    QLabel *name = child<QLabel>(*big, "lblNostalgiaName");
    QLabel *year = child<QLabel>(*big, "lblNostalgiaYear");
    EXPECT_EQ(year->y(), name->y() + name->height() + 1);
    QLabel *series2 = child<QLabel>(*big, "lblNostalgiaSeries2");
    EXPECT_EQ(child<QLabel>(*big, "lblNostalgiaPrompt")->y(), series2->y() + 2 * series2->height());
    EXPECT_EQ(child<QLabel>(*big, "lblNostalgiaCursor")->y(), series2->y() + 2 * series2->height());

    // A medium of its own, "198x" read as the 1980s, and no other platform: no row at all.
    select(QStringLiteral("Beta Storm"));
    EXPECT_EQ(listWidth(), 300); // skins.ini
    EXPECT_FALSE(label("lblDiskLabel")->isVisible());
    EXPECT_TRUE(picture("imgNostalgiaDisk")->isVisible());
    EXPECT_FALSE(picture("imgNostalgiaManual")->isVisible());
    EXPECT_FALSE(label("lblNostalgiaExtra1")->isVisible());
    for (int i = 1; i <= 11; ++i) {
        EXPECT_FALSE(
            label(QByteArray("lblNostalgiaPlatform" + QByteArray::number(i)).constData())->isVisible());
        EXPECT_FALSE(
            label(QByteArray("lblNostalgiaPlatformShadow" + QByteArray::number(i)).constData())->isVisible());
    }
}

TEST_F(NostalgiaViewTest, TitleAndScreenAlternateOnTheTimer)
{
    start();
    QTimer *timer = child<QTimer>(*view, "timerNostalgia");
    NostalgiaPicture *screen = picture("imgNostalgiaScreen");
    NostalgiaPicture *title = picture("imgNostalgiaTitle");

    select(QStringLiteral("Alpha Quest"));
    EXPECT_EQ(timer->interval(), 2000);
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(title->isVisible());
    EXPECT_TRUE(screen->isVisible());
    timerTick();
    EXPECT_TRUE(title->isVisible());
    EXPECT_FALSE(screen->isVisible());
    timerTick();
    EXPECT_FALSE(title->isVisible());
    EXPECT_TRUE(screen->isVisible());
    timerTick();
    EXPECT_TRUE(title->isVisible());
    EXPECT_FALSE(screen->isVisible());

    // A screen alone: shown, and the timer stops at its first tick.
    select(QStringLiteral("Beta Storm"));
    EXPECT_TRUE(screen->isVisible());
    EXPECT_FALSE(title->isVisible());
    timerTick();
    EXPECT_TRUE(screen->isVisible());
    EXPECT_FALSE(timer->isActive());

    // A title alone: nothing alternates.
    select(QStringLiteral("Gamma Tiles"));
    EXPECT_TRUE(timer->isActive());
    for (int tick = 0; tick < 3; ++tick) {
        timerTick();
        EXPECT_TRUE(title->isVisible());
        EXPECT_FALSE(screen->isVisible());
    }

    child<QTimer>(*big, "timerCursor");
    QLabel *cursor = child<QLabel>(*big, "lblNostalgiaCursor");
    const bool hidden = cursor->isHidden();
    big->timerCursorTimer();
    EXPECT_NE(cursor->isHidden(), hidden);
    big->timerCursorTimer();
    EXPECT_EQ(cursor->isHidden(), hidden);
}

TEST_F(NostalgiaViewTest, TheBoxFlipsAndAMissingSideShowsNothingOfAnotherGame)
{
    start();
    select(QStringLiteral("Alpha Quest"));
    NostalgiaPicture *front = picture("imgNostalgiaFront");
    NostalgiaPicture *back = picture("imgNostalgiaBack");
    EXPECT_TRUE(front->isVisible());
    EXPECT_FALSE(back->isVisible());
    press(list, Qt::Key_Space);
    EXPECT_FALSE(front->isVisible());
    EXPECT_TRUE(back->isVisible());
    press(list, Qt::Key_Space);
    EXPECT_TRUE(front->isVisible());
    EXPECT_FALSE(back->isVisible());
    click(front);
    EXPECT_TRUE(back->isVisible());
    click(back);
    EXPECT_TRUE(front->isVisible());

    // Beta Storm has a front and no back: the flipped side is empty, not Alpha Quest's back.
    select(QStringLiteral("Beta Storm"));
    EXPECT_FALSE(back->hasImage());
    press(list, Qt::Key_Space);
    EXPECT_FALSE(front->isVisible());
    EXPECT_FALSE(back->isVisible());
    // A new selection shows the front again.
    select(QStringLiteral("Gamma Tiles"));
    EXPECT_FALSE(front->isVisible());
    select(QStringLiteral("Beta Storm"));
    EXPECT_TRUE(front->isVisible());
}

TEST_F(NostalgiaViewTest, TheBigScreenStaysOpenAcrossSelections)
{
    start();
    select(QStringLiteral("Alpha Quest"));
    EXPECT_FALSE(big->isVisible());
    NostalgiaPicture *computer = picture("imgNostalgiaComp");
    click(computer);
    ASSERT_TRUE(big->isVisible());
    EXPECT_EQ(big->size(), QSize(800, 600));
    const QRect c = computer->geometry();
    EXPECT_EQ(big->pos(),
              QPoint(qMax(0, c.x() + c.width() / 2 - 400), qMax(0, c.y() + c.height() / 2 - 300)));
    QLabel *close = child<QLabel>(*big, "lblCloseBigScreen");
    EXPECT_EQ(close->geometry().topRight(), QPoint(799, 0));

    // Nothing of the scene is drawn over it, however often selections restack the pictures.
    select(QStringLiteral("Gamma Tiles"));
    select(QStringLiteral("Alpha Quest"));
    const QObjectList stacking = view->children();
    for (const char *name :
         {"imgNostalgiaTitle", "imgNostalgiaScreen", "lblNostalgiaPlatform1", "lbNostalgiaMain"})
        EXPECT_LT(stacking.indexOf(view->findChild<QWidget *>(QLatin1String(name))), stacking.indexOf(big))
            << name;

    select(QStringLiteral("Beta Storm"));
    EXPECT_TRUE(big->isVisible());
    EXPECT_EQ(line("lblNostalgiaName"), QStringLiteral("C:\\>Name: Beta Storm"));
    EXPECT_EQ(line("lblNostalgiaYear"), QStringLiteral("C:\\>Year: 198x"));

    click(close);
    EXPECT_FALSE(big->isVisible());
    click(computer);
    click(child<NostalgiaPicture>(*big, "imgNostalgiaBigScreen"));
    EXPECT_FALSE(big->isVisible());
}

TEST_F(NostalgiaViewTest, LaunchSetupManualExtrasAndFilters)
{
    start();
    select(QStringLiteral("Alpha Quest"));
    const QString gameFolder = lib.root() + QStringLiteral("Games/Action/QuestDOS/");
    press(list, Qt::Key_Return);
    click(picture("imgNostalgiaTitle"));
    ASSERT_EQ(fake.shell.calls.size(), 2u);
    EXPECT_EQ(splitCommandLine(fake.shell.calls[0].parameters).front(),
              gameFolder + QStringLiteral("QUEST.EXE"));
    EXPECT_EQ(splitCommandLine(fake.shell.calls[1].parameters).front(),
              gameFolder + QStringLiteral("SETUP.EXE"));

    click(picture("imgNostalgiaManual"));
    click(label("lblNostalgiaExtra1"));
    ASSERT_EQ(fake.shell.calls.size(), 4u);
    EXPECT_TRUE(fake.shell.calls[2].program.endsWith(QStringLiteral("Pallox/Manual/Guide.pdf\"")))
        << fake.shell.calls[2].program.toStdString();
    EXPECT_TRUE(fake.shell.calls[3].program.contains(QStringLiteral("map.png")));

    // A game without a set-up program starts nothing from its screen.
    select(QStringLiteral("Beta Storm"));
    click(picture("imgNostalgiaScreen"));
    EXPECT_EQ(fake.shell.calls.size(), 4u);

    // The platform row switches records and keeps itself; a double click starts the record.
    select(QStringLiteral("Alpha Quest"));
    click(label("lblNostalgiaPlatform2"));
    EXPECT_EQ(line("lblNostalgiaYear"), QStringLiteral("C:\\>Year: 1988"));
    EXPECT_TRUE(label("lblNostalgiaPlatform2")->isVisible());
    EXPECT_EQ(listWidth(), 240); // DOS386skins.ini
    click(label("lblNostalgiaPlatform1"));
    EXPECT_EQ(line("lblNostalgiaYear"), QStringLiteral("C:\\>Year: 1987"));
    QTest::mouseDClick(label("lblNostalgiaPlatform1"), Qt::LeftButton);
    ASSERT_EQ(fake.shell.calls.size(), 5u);
    EXPECT_EQ(fake.shell.calls[4].parameters, fake.shell.calls[0].parameters);

    // The developer line filters the list, both lists alike.
    click(child<QLabel>(*big, "lblNostalgiaDeveloper"));
    EXPECT_EQ(ListEntries::count(*list), 2);
    EXPECT_EQ(ListEntries::count(*child<QListView>(*frm, "lbMain")), 2);
    EXPECT_EQ(frm->session().browse().selectedGameName(), QStringLiteral("Alpha Quest"));
}

TEST_F(NostalgiaViewTest, TheManualLightsUpUnderTheMouse)
{
    lib.writeFile(QStringLiteral("Skins/DOS386skins.ini"),
                  skinsIni("desk.png", 240) + "[Manual]\r\nImage=book.png\r\nHighlight=lit.png\r\n");
    lib.writeFile(QStringLiteral("Skins/book.png"), pngBytes(10, 10));
    lib.writeFile(QStringLiteral("Skins/lit.png"), pngBytes(12, 10));
    start();
    select(QStringLiteral("Alpha Quest"));
    NostalgiaPicture *manual = picture("imgNostalgiaManual");
    EXPECT_EQ(manual->image().width(), 10);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(manual, &enter);
    EXPECT_EQ(manual->image().width(), 12);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(manual, &leave);
    EXPECT_EQ(manual->image().width(), 10);
}

TEST_F(NostalgiaViewTest, AMissingSkinPictureIsToldOnceAndTheRestIsShown)
{
    start();
    select(QStringLiteral("Beta Storm"));
    select(QStringLiteral("Gamma Tiles"));
    select(QStringLiteral("Beta Storm"));
    EXPECT_EQ(fake.dialogs.messages.filter(QStringLiteral("desk.png")).size(), 1)
        << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(picture("imgNostalgiaComp")->hasImage());
    EXPECT_FALSE(picture("imgNostalgiaBG")->hasImage());
    EXPECT_TRUE(picture("imgNostalgiaScreen")->isVisible());
    EXPECT_EQ(line("lblNostalgiaName"), QStringLiteral("C:\\>Name: Beta Storm"));
}

TEST_F(NostalgiaViewTest, AResizedWindowReadsTheKeysOfItsWidth)
{
    start(1000);
    select(QStringLiteral("Gamma Tiles"));
    EXPECT_EQ(picture("imgNostalgiaComp")->geometry(), QRect(10, 40, 300, 240));
    EXPECT_EQ(list->geometry().right() + 1, view->width() - 4);
    EXPECT_EQ(list->width(), 300);

    resizeOuter(1750, 900);
    EXPECT_EQ(view->size(), frm->centralWidget()->size());
    EXPECT_EQ(picture("imgNostalgiaComp")->geometry(), QRect(30, 60, 600, 480));
    EXPECT_EQ(list->width(), 400);
    EXPECT_EQ(list->geometry().right() + 1, view->width() - 4);
}

} // namespace
