#include "support/FakeDialogs.h"
#include "support/Files.h"
#include "wizard/EntryFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class EntryFilesTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const char *relative) const { return dir.filePath(QLatin1String(relative)); }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    EntryFiles files{dialogs};
};

TEST_F(EntryFilesTest, DefaultFoldersAreRefusedWithAReasonAndABlankingOfAGamesFactsIsAskedFirst)
{
    const QStringList keys{QStringLiteral("Name"), QStringLiteral("Year")};
    files.createDefaultFolders(QString(), QStringLiteral("sky"), keys);
    files.createDefaultFolders(path("Sky"), QStringLiteral("a/b"), keys);
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0], QStringLiteral("Cancelled"));

    ASSERT_TRUE(QDir().mkpath(path("Sky")));
    files.createDefaultFolders(path("Sky"), QStringLiteral("sky"), keys);
    EXPECT_EQ(readFile(path("Sky/Pallox/IniFile/sky.ini")), QByteArray("[Main]\r\nName=\r\nYear=\r\n"));
    EXPECT_TRUE(QDir(path("Sky/Pallox/About")).exists());

    ASSERT_TRUE(writeFile(path("Sky/Pallox/IniFile/sky.ini"), "[Main]\r\nName=Sky\r\n"));
    dialogs.confirmAnswers = {false};
    files.createDefaultFolders(path("Sky"), QStringLiteral("sky"), keys);
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(readFile(path("Sky/Pallox/IniFile/sky.ini")), QByteArray("[Main]\r\nName=Sky\r\n"));
    EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST_F(EntryFilesTest, TheDialogsOpenWhereTheLastSaveWentAndLoadingKeepsTheAboutText)
{
    // Cancelled dialogs give nothing and say nothing.
    EXPECT_FALSE(files.chooseIniFile(path("Zork/Pallox")));
    EXPECT_EQ(dialogs.fileInitialFolders.last(), path("Zork/Pallox/IniFile"));
    EXPECT_FALSE(files.loadIni(QString()));
    EXPECT_FALSE(files.chooseEmulator());

    const QString ini = path("Zork/Pallox/IniFile/zork.ini");
    ASSERT_TRUE(writeFile(ini, "[Main]\r\nName=Zork\r\n"));
    dialogs.saveFileName = ini;
    EXPECT_EQ(files.chooseIniFile(QString()), ini);
    dialogs.openFileName = ini;
    const std::optional<GameEntry> loaded = files.loadIni(QStringLiteral("kept"));
    EXPECT_EQ(dialogs.fileInitialFolders.last(), path("Zork/Pallox/IniFile"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ((*loaded)[EntryField::Name], QStringLiteral("Zork"));
    EXPECT_EQ(loaded->aboutText, QStringLiteral("kept"));

    // The About file beside the ini folder; an empty text is refused before any dialog.
    ASSERT_TRUE(QDir().mkpath(path("Zork/Pallox/About")));
    files.createAbout(QStringLiteral("zork.txt"), QString());
    dialogs.saveFileName = path("Zork/Pallox/About/zork.txt");
    files.createAbout(QStringLiteral("zork.txt"), QStringLiteral("West of House."));
    EXPECT_EQ(dialogs.fileInitialFolders.last(), path("Zork/Pallox/About/zork.txt"));
    EXPECT_EQ(readFile(path("Zork/Pallox/About/zork.txt")), QByteArray("West of House.\r\n"));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("No About Body Given")});

    dialogs.openFileName = path("gone.ini");
    EXPECT_FALSE(files.loadIni(QString()));
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(files.chooseEmulator(), QDir::toNativeSeparators(path("gone.ini")));
}

} // namespace
