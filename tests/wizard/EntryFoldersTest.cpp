#include "support/Files.h"
#include "wizard/EntryFolders.h"
#include "wizard/EntryWriter.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(EntryFolders, TheIniDialogStartsInTheSelectedGamesIniFolderAndTheAboutDialogBesideTheLastSave)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString zork = dir.filePath(QStringLiteral("Zork/Pallox"));
    const QString sky = dir.filePath(QStringLiteral("Sky/Pallox"));
    EntryFolders folders;
    EXPECT_EQ(folders.proposedIniFile(zork), zork + QStringLiteral("/IniFile"));
    EXPECT_EQ(folders.proposedIniFile(QString()), QString());
    EXPECT_EQ(folders.proposedAboutFile(QStringLiteral("zork.txt")), QStringLiteral("zork.txt"));
    EXPECT_EQ(folders.loadFolder(), QString());

    ASSERT_TRUE(QDir().mkpath(zork + QStringLiteral("/inifile")));
    // The name chosen goes with the next selection; Load ini opens where the save went.
    folders.iniFileChosen(zork + QStringLiteral("/inifile/zork.ini"));
    EXPECT_EQ(folders.proposedIniFile(sky), sky + QStringLiteral("/IniFile/zork.ini"));
    EXPECT_EQ(folders.loadFolder(), zork + QStringLiteral("/inifile"));

    // The About folder beside an ini folder of any letter case, once it is there.
    EXPECT_EQ(folders.proposedAboutFile(QStringLiteral("z.txt")), zork + QStringLiteral("/inifile/z.txt"));
    ASSERT_TRUE(QDir().mkpath(zork + QStringLiteral("/About")));
    EXPECT_EQ(folders.proposedAboutFile(QStringLiteral("z.txt")), zork + QStringLiteral("/About/z.txt"));

    // An About file saved elsewhere moves both dialogs there, but keeps the ini name.
    const QString notes = dir.filePath(QStringLiteral("notes"));
    folders.aboutFileChosen(notes + QStringLiteral("/z.txt"));
    EXPECT_EQ(folders.loadFolder(), notes);
    EXPECT_EQ(folders.proposedAboutFile(QStringLiteral("y.txt")), notes + QStringLiteral("/y.txt"));
    EXPECT_EQ(folders.proposedIniFile(zork), zork + QStringLiteral("/IniFile/zork.ini"));
}

TEST(EntryFolders, OnlyAnExistingIniFileWithFieldsToEmptyIsAskedAbout)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Pallox/IniFile/zork.ini"));
    const QStringList fields{QStringLiteral("Name"), QStringLiteral("Year")};
    EXPECT_EQ(EntryWriter::blankIniQuestion(ini, fields), QString());
    ASSERT_TRUE(writeFile(ini, "[Main]\r\nName=Zork\r\n"));
    EXPECT_EQ(EntryWriter::blankIniQuestion(ini, fields),
              QStringLiteral("%1 already exists. Empty every field of it that the field list names?")
                  .arg(QDir::toNativeSeparators(ini)));
    EXPECT_EQ(EntryWriter::blankIniQuestion(ini, {}), QString());
}

// Once this window made a game's folders, the ini dialog stays with that game whatever the main
// list selects, and its blank file is replaced without a question until something is saved into
// it; a save elsewhere goes back to the selected game's folder.
TEST(EntryFolders, AfterMakingAGamesFoldersTheDialogsStayWithThatGame)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString hitch = dir.filePath(QStringLiteral("Hitch/Pallox"));
    const QString zork = dir.filePath(QStringLiteral("Zork/Pallox"));
    ASSERT_TRUE(QDir().mkpath(hitch + QStringLiteral("/IniFile")) && QDir().mkpath(hitch + QStringLiteral("/About")));
    const QString blank = hitch + QStringLiteral("/IniFile/hitch.ini");
    EntryFolders folders;
    folders.iniFileChosen(zork + QStringLiteral("/IniFile/zork.ini"));
    folders.gameFoldersMade(blank, true);
    EXPECT_EQ(folders.proposedIniFile(zork), blank);
    EXPECT_EQ(folders.blankIniFile(), blank);
    EXPECT_EQ(folders.proposedAboutFile(QStringLiteral("hitch.txt")), hitch + QStringLiteral("/About/hitch.txt"));
    EXPECT_EQ(folders.loadFolder(), hitch + QStringLiteral("/IniFile"));

    // Saved into once, it is a game's file: replacing it is asked again, the dialog stays.
    folders.iniFileChosen(blank);
    EXPECT_EQ(folders.blankIniFile(), QString());
    EXPECT_EQ(folders.proposedIniFile(zork), blank);
    folders.iniFileChosen(hitch + QStringLiteral("/IniFile/hitch2.ini"));
    EXPECT_EQ(folders.proposedIniFile(zork), hitch + QStringLiteral("/IniFile/hitch2.ini"));
    folders.iniFileChosen(zork + QStringLiteral("/IniFile/zork.ini"));
    EXPECT_EQ(folders.proposedIniFile(dir.filePath(QStringLiteral("Sky/Pallox"))),
              dir.filePath(QStringLiteral("Sky/Pallox/IniFile/zork.ini")));

    // Folders made over a file the user would not let be emptied: nothing blank to spare.
    folders.gameFoldersMade(blank, false);
    EXPECT_EQ(folders.proposedIniFile(zork), blank);
    EXPECT_EQ(folders.blankIniFile(), QString());
}

} // namespace
