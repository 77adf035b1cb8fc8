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

} // namespace
