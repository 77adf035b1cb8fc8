#include "base/IniFile.h"
#include "base/SettingsFile.h"
#include "browse/PictureLoader.h"
#include "session/LibrarySession.h"
#include "session/PreferencesModel.h"
#include "session/BrowseModel.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "support/ListEntries.h"
#include "ui/main/DetailsPanel.h"
#include "ui/common/PictureLabel.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray noteOf(int lines)
{
    QByteArray text;
    for (int i = 1; i <= lines; ++i)
        text += "Line " + QByteArray::number(i) + "\r\n";
    return text;
}

// Two games that between them show every rule of the panel: one with all pictures, an advert and
// no extras, one with a front alone, two extras and a longer note.
class TfrmMainDetails : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lib.setSubfolders({QStringLiteral("Arcade")});
        lib.addGame(QStringLiteral("Arcade"), QStringLiteral("Alpha"), QStringLiteral("Alpha Raid"),
                    {{QStringLiteral("Year"), QStringLiteral("1989")},
                     {QStringLiteral("Platform"), QStringLiteral("Amiga")},
                     {QStringLiteral("Developer"), QStringLiteral("Northwind")},
                     {QStringLiteral("Front01"), QStringLiteral("front.png")},
                     {QStringLiteral("Back01"), QStringLiteral("back.png")},
                     {QStringLiteral("Media01"), QStringLiteral("disk.png")},
                     {QStringLiteral("Adv01"), QStringLiteral("ad.png")},
                     {QStringLiteral("About"), QStringLiteral("alpha.txt")}});
        lib.writeFile(QStringLiteral("Games/Arcade/Alpha/Pallox/Front/front.png"), pngBytes(120, 160));
        lib.writeFile(QStringLiteral("Games/Arcade/Alpha/Pallox/Back/back.png"), pngBytes(120, 160));
        lib.writeFile(QStringLiteral("Games/Arcade/Alpha/Pallox/Media/disk.png"), pngBytes(80, 80));
        lib.writeFile(QStringLiteral("Games/Arcade/Alpha/Pallox/Advert/ad.png"), pngBytes(90, 120));
        lib.writeFile(QStringLiteral("Games/Arcade/Alpha/Pallox/About/alpha.txt"), noteOf(11));

        lib.addGame(QStringLiteral("Arcade"), QStringLiteral("Beta"), QStringLiteral("Beta Storm"),
                    {{QStringLiteral("Publisher"), QStringLiteral("Skyline")},
                     {QStringLiteral("Front01"), QStringLiteral("FRONT.PNG")},
                     {QStringLiteral("Extra1"), QStringLiteral("Map")},
                     {QStringLiteral("ExtraLink1"), QStringLiteral("map.png")},
                     {QStringLiteral("Extra2"), QStringLiteral("Poster")},
                     {QStringLiteral("About"), QStringLiteral("beta.txt")}});
        // Stored in another letter case than the record names it, as copies from Windows are.
        lib.writeFile(QStringLiteral("Games/Arcade/Beta/Pallox/Front/front.png"), pngBytes(120, 160));
        lib.writeFile(QStringLiteral("Games/Arcade/Beta/Pallox/About/beta.txt"), noteOf(12));
        fake.random.numbers = {0};
    }

    std::unique_ptr<TfrmMain> start()
    {
        lib.writeSettings();
        auto frm = std::make_unique<TfrmMain>(platform, lib.root(), nullptr);
        frm->resize(1000, 700);
        frm->show();
        QCoreApplication::processEvents();
        return frm;
    }

    static QListView *list(TfrmMain &frm) { return child<QListView>(frm, "lbMain"); }
    static DetailsPanel &panel(TfrmMain &frm) { return *child<DetailsPanel>(frm, "panelDetails"); }
    static QPlainTextEdit *notes(TfrmMain &frm) { return child<QPlainTextEdit>(frm, "memoAbout"); }

    void select(TfrmMain &frm, const QString &name)
    {
        const QList<int> found = ListEntries::rowsOf(*list(frm), name);
        ASSERT_EQ(found.size(), 1);
        ListEntries::setCurrentRow(*list(frm), found.front());
        ASSERT_TRUE(QTest::qWaitFor([&] { return panel(frm).findChild<PictureLoader *>()->pending() == 0; }, 10000));
        QCoreApplication::processEvents();
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
};

TEST_F(TfrmMainDetails, GameWithEveryPictureAndAnAdvert)
{
    auto frm = start();
    select(*frm, QStringLiteral("Alpha Raid"));
    DetailsPanel &details = panel(*frm);

    EXPECT_EQ(child<QLabel>(details, "lblName")->text(), QStringLiteral("Alpha Raid"));
    EXPECT_TRUE(child<QLabel>(details, "lblYear")->isVisible());
    EXPECT_EQ(child<QLabel>(details, "lblDeveloper")->text(), QStringLiteral("Northwind"));
    EXPECT_FALSE(child<QLabel>(details, "lblPublisher")->isVisible());
    EXPECT_EQ(child<QLabel>(details, "lblExtras")->text(), QStringLiteral("No Extras"));
    for (const char *extra : {"lblExtra1", "lblExtra2", "lblExtra3", "lblExtra4", "lblExtra5", "lblExtra6",
                              "lblExtra7"})
        EXPECT_FALSE(child<QLabel>(details, extra)->isVisible()) << extra;

    const PictureLabel *back = child<PictureLabel>(details, "imgBack01");
    const PictureLabel *advert = child<PictureLabel>(details, "imgAdv");
    const PictureLabel *media = child<PictureLabel>(details, "imgMedia01");
    ASSERT_TRUE(back->isVisible());
    EXPECT_EQ(child<PictureLabel>(details, "imgFront01")->width(), back->width());
    ASSERT_TRUE(advert->isVisible());
    EXPECT_EQ(advert->y(), media->y());
    EXPECT_EQ(advert->height(), media->height());
    EXPECT_EQ(advert->x(), media->x() + media->width());

    EXPECT_EQ(notes(*frm)->toPlainText().count(QLatin1Char('\n')), 10);
    EXPECT_EQ(notes(*frm)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(TfrmMainDetails, GameWithAFrontAloneAndExtras)
{
    auto frm = start();
    select(*frm, QStringLiteral("Alpha Raid"));
    DetailsPanel &details = panel(*frm);
    const int frontWithBack = child<PictureLabel>(details, "imgFront01")->width();
    select(*frm, QStringLiteral("Beta Storm"));

    ASSERT_TRUE(child<PictureLabel>(details, "imgFront01")->isVisible());
    EXPECT_FALSE(child<PictureLabel>(details, "imgBack01")->isVisible());
    EXPECT_EQ(child<PictureLabel>(details, "imgFront01")->width(), 2 * frontWithBack);
    EXPECT_FALSE(child<PictureLabel>(details, "imgAdv")->isVisible());
    EXPECT_EQ(child<QLabel>(details, "lblExtras")->text(), QStringLiteral("Extras"));
    EXPECT_TRUE(child<QLabel>(details, "lblExtra1")->isVisible());
    EXPECT_TRUE(child<QLabel>(details, "lblExtra2")->isVisible());
    EXPECT_FALSE(child<QLabel>(details, "lblExtra3")->isVisible());
    for (const QLabel *label : details.findChildren<QLabel *>())
        EXPECT_FALSE(label->isVisible() && label->text() == QLatin1String("map.png"))
            << qPrintable(label->objectName());
    EXPECT_FALSE(child<QLabel>(details, "lblYear")->isVisible());
    EXPECT_EQ(notes(*frm)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(TfrmMainDetails, SelectionIsWrittenEvenWhenItDoesNotChange)
{
    auto frm = start();
    select(*frm, QStringLiteral("Beta Storm"));
    // The selection is saved once the user stops browsing; flushing stands for that pause, here
    // so that the first selection's write cannot be mistaken for the click's.
    frm->session().preferences().flush();
    IniFile settings(lib.settingsFile());
    ASSERT_TRUE(settings.writeInteger(QStringLiteral("Main"), QStringLiteral("LastSelectedGame"), 7));
    // A click on the entry that is highlighted already.
    QListView *games = list(*frm);
    ASSERT_EQ(ListEntries::currentRow(*games), 1);
    QTest::mouseClick(games->viewport(), Qt::LeftButton, {}, ListEntries::rect(*games, 1).center());
    frm->session().preferences().flush();
    EXPECT_EQ(settings.readInteger(QStringLiteral("Main"), QStringLiteral("LastSelectedGame"), -1), 1);
}

TEST_F(TfrmMainDetails, MetadataFolderIsTheSameWithAndWithoutATrailingSeparator)
{
    QString root = lib.root();
    root.chop(1);
    lib.setMainKey(QStringLiteral("VADPath"), root);
    auto withoutSeparator = start();
    select(*withoutSeparator, QStringLiteral("Beta Storm"));

    lib.setMainKey(QStringLiteral("VADPath"), lib.root());
    auto withSeparator = start();
    select(*withSeparator, QStringLiteral("Beta Storm"));

    const QString folder = withSeparator->session().browse().details().metadataFolder;
    EXPECT_EQ(withoutSeparator->session().browse().details().metadataFolder, folder);
    EXPECT_EQ(folder, lib.path(QStringLiteral("Games/Arcade/Beta/Pallox")));
}

TEST_F(TfrmMainDetails, SortOrderShowsSortValuesAndKeepsTheSelectedIndex)
{
    auto frm = start();
    select(*frm, QStringLiteral("Beta Storm"));
    child<QAction>(*frm, "mnuYear")->trigger();

    // An empty year sorts first, so the index now holds the other game.
    QListView *games = list(*frm);
    ASSERT_EQ(ListEntries::count(*games), 2);
    EXPECT_EQ(ListEntries::text(*games, 0), QStringLiteral(" -- Beta Storm"));
    EXPECT_EQ(ListEntries::text(*games, 1), QStringLiteral("1989 -- Alpha Raid"));
    EXPECT_EQ(ListEntries::currentRow(*games), 1);
    EXPECT_EQ(child<QLabel>(*frm, "lblName")->text(), QStringLiteral("Alpha Raid"));
    EXPECT_EQ(child<QLabel>(*frm, "lblTotal")->text(), QStringLiteral("2 Listed"));

    child<QAction>(*frm, "ShowRating1")->trigger();
    EXPECT_EQ(ListEntries::text(*games, 1), QStringLiteral("|1989 -- Alpha Raid"));
    EXPECT_EQ(frm->session().browse().selectedGameName(), QStringLiteral("Alpha Raid"));
}

TEST_F(TfrmMainDetails, LengthenListPersistsAndSurvivesARestart)
{
    auto frm = start();
    const int memoTop = notes(*frm)->y();
    child<QAction>(*frm, "ExpandListHeight1")->trigger();
    EXPECT_EQ(notes(*frm)->y(), memoTop + 10);
    EXPECT_EQ(IniFile(lib.settingsFile()).readInteger(QStringLiteral("Main"), QStringLiteral("AboutListSeparator"), 0), 10);
    frm.reset();

    auto again = std::make_unique<TfrmMain>(platform, lib.root(), nullptr);
    again->resize(1000, 700);
    again->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(notes(*again)->y(), memoTop + 10);
}

TEST_F(TfrmMainDetails, ListHasTheKeyboardFocusAtStart)
{
    auto frm = start();
    frm->activateWindow();
    EXPECT_EQ(frm->focusWidget(), list(*frm));
}

} // namespace
