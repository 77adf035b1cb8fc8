#include "session/BrowseModel.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "support/ListEntries.h"
#include "ui/startup/PalloxRun.h"
#include "ui/wizard/TfrmAddWizard.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The entry helper as users reach it: started with the program, opened from the Config tab and
// the list's context menu, answering through fake dialogs.
class AddWizardWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Adventure")});
        lib.addGame(QStringLiteral("Adventure"), QStringLiteral("Zork"), QStringLiteral("Zork"),
                    {{QStringLiteral("Publisher"), QStringLiteral("Infocom")},
                     {QStringLiteral("Genre"), QStringLiteral("Adventure")},
                     {QStringLiteral("About"), QStringLiteral("zork.txt")}});
        lib.writeFile(QStringLiteral("Games/Adventure/Zork/Pallox/About/zork.txt"), "West of House.\r\n");
        lib.addGame(QStringLiteral("Adventure"), QStringLiteral("Sky"), QStringLiteral("Beneath a Steel Sky"),
                    {{QStringLiteral("Publisher"), QStringLiteral("infocom")},
                     {QStringLiteral("Genre"), QStringLiteral("Sci-Fi")}});
        lib.writeSettings();
        fake.random.numbers = {0};
        run = PalloxRun::start(lib.root(), platform);
        ASSERT_NE(run, nullptr);
        wizard = window<TfrmAddWizard>("TfrmAddWizard");
        list = run->mainWindow().findChild<QListView *>(QStringLiteral("lbMain"));
        ASSERT_NE(list, nullptr);
    }

    template <class T> T *control(const char *name) { return child<T>(*wizard, name); }
    QString line(const char *name) { return control<QLineEdit>(name)->text(); }
    QString listText(const char *name) { return control<QComboBox>(name)->currentText(); }
    void click(const char *name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }

    QStringList listEntries() const
    {
        QStringList entries;
        for (int i = 0; i < ListEntries::count(*list); ++i)
            entries.append(ListEntries::text(*list, i));
        return entries;
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    std::unique_ptr<PalloxRun> run;
    TfrmAddWizard *wizard = nullptr;
    QListView *list = nullptr;
};

TEST_F(AddWizardWindowTest, OpensCentredFromTheConfigTabAndEditCurrentLoadsTheSelectedGame)
{
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Add Game Wizard"));
    auto *publishers = control<QComboBox>("ePublisher");
    // One publisher, spelled as met first in the table, which start-up sorted by name.
    ASSERT_EQ(publishers->count(), 1);
    EXPECT_EQ(publishers->itemText(0), QStringLiteral("infocom"));
    EXPECT_EQ(control<QComboBox>("cbLoadGame")->count(), 2);

    child<QPushButton>(run->mainWindow(), "btnAddGameWizard")->click();
    ASSERT_TRUE(wizard->isVisible());
    const QRect main = run->mainWindow().frameGeometry();
    EXPECT_EQ(wizard->frameGeometry().left(), main.left() + main.width() / 2 - wizard->frameGeometry().width() / 2);
    EXPECT_EQ(line("eName"), QString());

    wizard->close();
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(window<TfrmAddWizard>("TfrmAddWizard"), wizard); // hidden, not gone

    const int zork = static_cast<int>(listEntries().indexOf(QStringLiteral("Zork")));
    ASSERT_GE(zork, 0);
    ListEntries::setCurrentRow(*list, zork);
    run->mainWindow().findChild<QAction *>(QStringLiteral("mnuEditCurrent"))->trigger();
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(listText("cbLoadGame"), QStringLiteral("Zork"));
    EXPECT_EQ(line("eName"), QStringLiteral("Zork"));
    EXPECT_EQ(listText("ePublisher"), QStringLiteral("Infocom"));
    EXPECT_EQ(control<QPlainTextEdit>("memAbout")->toPlainText(), QStringLiteral("West of House."));

    // A half-typed name is no game: the fields stay.
    control<QComboBox>("cbLoadGame")->setEditText(QStringLiteral("Zo"));
    EXPECT_EQ(line("eName"), QStringLiteral("Zork"));
}

TEST_F(AddWizardWindowTest, MessagesComeInTheirOrder)
{
    control<QLineEdit>("eIniFileName")->clear();
    click("btnBrowse");
    // The folder is asked for first, the name checked after, the cancel last.
    EXPECT_EQ(fake.dialogs.folderTitles, QStringList{QStringLiteral("Browse for Game Folder")});
    control<QLineEdit>("eIniFileName")->setText(QStringLiteral("zork"));
    click("btnBrowse");
    QTest::mouseClick(control<QLabel>("lblEmulator"), Qt::LeftButton);
    click("btnClearAll");
    EXPECT_EQ(listText("cbRating"), QStringLiteral("None"));
    click("btnAboutCreate");
    control<QLineEdit>("eAbout")->setText(QStringLiteral("zork.txt"));
    click("btnAboutCreate");
    EXPECT_EQ(fake.dialogs.messages,
              (QStringList{QStringLiteral("Ini File Name field left blank."), QStringLiteral("Cancelled"),
                           QStringLiteral("Valid Emu options for Emulator = DOSBox, ScummVM, WinFrotz, NES, SNES, "
                                          "N64, GBA, 2600, 5200, SMS, MAME, Mac, Apple II, Windows 3.1 or MESS."),
                           QStringLiteral("No About Name Given"), QStringLiteral("No About Body Given")}));

    // The custom emulator field asks for a program; a cancel keeps what it held.
    fake.dialogs.openFileName = QStringLiteral("/usr/bin/hatari");
    QTest::mouseClick(control<QLineEdit>("eCustomEmuPath"), Qt::LeftButton);
    EXPECT_EQ(line("eCustomEmuPath"), QStringLiteral("/usr/bin/hatari"));
    EXPECT_EQ(fake.dialogs.fileFilters.last(), QStringLiteral("Exe Files (*.exe)|*.EXE"));
    fake.dialogs.openFileName.clear();
    QTest::mouseClick(control<QLineEdit>("eCustomEmuPath"), Qt::LeftButton);
    EXPECT_EQ(line("eCustomEmuPath"), QStringLiteral("/usr/bin/hatari"));

    // Cancelled file dialogs change nothing and say nothing.
    click("btnOkay");
    click("btnLoadini");
    EXPECT_EQ(line("eAbout"), QStringLiteral("zork.txt"));
    EXPECT_EQ(fake.dialogs.messages.size(), 5);
    EXPECT_EQ(fake.dialogs.fileFilters.last(), QStringLiteral("Ini Files (*.ini)|*.INI"));
}

TEST_F(AddWizardWindowTest, ANewGameIsCreatedSavedAsNewAndListedAfterTheRescan)
{
    const QString game = lib.path(QStringLiteral("Games/Adventure/Hitch"));
    ASSERT_TRUE(QDir().mkpath(game));
    fake.dialogs.folder = game;
    control<QLineEdit>("eIniFileName")->setText(QStringLiteral("hitch"));
    click("btnBrowse");
    const QString ini = game + QStringLiteral("/Pallox/IniFile/hitch.ini");
    ASSERT_TRUE(QFileInfo::exists(ini));
    EXPECT_TRUE(readFile(ini).startsWith("[Main]\r\nNumber=\r\nName=\r\n"));
    EXPECT_EQ(line("ePath"), QDir::toNativeSeparators(game));
    EXPECT_FALSE(control<QLineEdit>("ePath")->isEnabled());

    control<QLineEdit>("eName")->setText(QStringLiteral("Hitchhiker's Guide\n"));
    control<QComboBox>("ePublisher")->setEditText(QStringLiteral("Infocom"));
    control<QLineEdit>("eFront01")->setText(QStringLiteral("front.png"));
    click("btnDupe");
    EXPECT_EQ(line("eScreen01"), QStringLiteral("front.png"));
    control<QLineEdit>("eAbout")->setText(QStringLiteral("hitch.txt"));
    control<QPlainTextEdit>("memAbout")->setPlainText(QStringLiteral("Don't panic.\nTowel."));

    fake.dialogs.saveFileName = ini;
    click("btnOkay");
    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(line("eName"), QStringLiteral("Hitchhiker's Guide")); // as the file holds it
    EXPECT_TRUE(listEntries().contains(QStringLiteral("Hitchhiker's Guide")));
    EXPECT_TRUE(readFile(ini).contains("Name=Hitchhiker's Guide\r\nYear=\r\n"));

    // Saving over an existing file reads nothing again: the list keeps the old name.
    control<QLineEdit>("eName")->setText(QStringLiteral("Hitchhiker Deluxe"));
    click("btnOkayOld");
    EXPECT_TRUE(readFile(ini).contains("Name=Hitchhiker Deluxe\r\n"));
    EXPECT_TRUE(listEntries().contains(QStringLiteral("Hitchhiker's Guide")));

    // Blanking an existing ini file is asked first; Cancel keeps it.
    const QByteArray saved = readFile(ini);
    fake.dialogs.confirmAnswers = {false};
    click("btnBrowse");
    EXPECT_EQ(fake.dialogs.questions.size(), 1);
    EXPECT_EQ(readFile(ini), saved);

    // The About file goes beside the ini folder, where the details panel looks.
    fake.dialogs.saveFileName = game + QStringLiteral("/Pallox/About/hitch.txt");
    click("btnAboutCreate");
    EXPECT_EQ(fake.dialogs.fileInitialFolders.last(), game + QStringLiteral("/Pallox/About/hitch.txt"));
    EXPECT_EQ(readFile(fake.dialogs.saveFileName), QByteArray("Don't panic.\r\nTowel.\r\n"));

    // Load ini reads the fields back and leaves the About text alone.
    click("btnClearAll");
    control<QPlainTextEdit>("memAbout")->setPlainText(QStringLiteral("kept"));
    fake.dialogs.openFileName = ini;
    click("btnLoadini");
    EXPECT_EQ(line("eName"), QStringLiteral("Hitchhiker Deluxe"));
    EXPECT_EQ(line("eAdv01"), QStringLiteral("front.png"));
    EXPECT_EQ(listText("cbRating"), QString());
    EXPECT_EQ(control<QPlainTextEdit>("memAbout")->toPlainText(), QStringLiteral("kept"));
}

// With a game selected in the list, the folders made in this window decide where the new game's
// file is saved: its blank file is proposed and replaced without a question, its note goes to its
// About folder, and the selected game's folder is left alone.
TEST_F(AddWizardWindowTest, SaveNewIniAfterCreatingFoldersGoesIntoTheNewGameWithoutAQuestion)
{
    ASSERT_GE(ListEntries::currentRow(*list), 0);
    const QString selected = run->mainWindow().session().browse().details().metadataFolder;
    ASSERT_FALSE(selected.isEmpty());
    const QString game = lib.path(QStringLiteral("Games/Adventure/Hitch"));
    ASSERT_TRUE(QDir().mkpath(game));
    fake.dialogs.folder = game;
    control<QLineEdit>("eIniFileName")->setText(QStringLiteral("hitch"));
    click("btnBrowse");
    const QString ini = QFileInfo(game + QStringLiteral("/Pallox/IniFile/hitch.ini")).absoluteFilePath();
    ASSERT_TRUE(QFileInfo::exists(ini));
    control<QLineEdit>("eAbout")->setText(QStringLiteral("hitch.txt"));
    control<QPlainTextEdit>("memAbout")->setPlainText(QStringLiteral("Don't panic."));
    click("btnAboutCreate");
    EXPECT_EQ(fake.dialogs.fileInitialFolders.last(), game + QStringLiteral("/Pallox/About/hitch.txt"));

    control<QLineEdit>("eName")->setText(QStringLiteral("Hitchhiker's Guide"));
    fake.dialogs.saveFileName = ini;
    click("btnOkay");
    EXPECT_EQ(fake.dialogs.fileInitialFolders.last(), ini);
    EXPECT_EQ(fake.dialogs.replacedWithoutAsking.last(), ini);
    EXPECT_TRUE(readFile(ini).contains("Name=Hitchhiker's Guide\r\n"));
    EXPECT_TRUE(listEntries().contains(QStringLiteral("Hitchhiker's Guide")));
    EXPECT_FALSE(QFileInfo::exists(selected + QStringLiteral("/IniFile/hitch.ini")));

    // Now it holds a game: replacing it is asked about again.
    click("btnOkayOld");
    EXPECT_EQ(fake.dialogs.fileInitialFolders.last(), ini);
    EXPECT_EQ(fake.dialogs.replacedWithoutAsking.last(), QString());

    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(QLatin1Char('|')).toStdString();
}

} // namespace
