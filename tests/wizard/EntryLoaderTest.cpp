#include "support/Files.h"
#include "support/ResultText.h"
#include "support/TableHelpers.h"
#include "support/Utf8.h"
#include "wizard/EntryLoader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {


class EntryLoaderTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString root() const { return dir.path() + QLatin1Char('/'); }
    const QStringList fields{QStringLiteral("Number"), QStringLiteral("Name"),   QStringLiteral("Year"),
                             QStringLiteral("About"),  QStringLiteral("Folder"), QStringLiteral("Subfolder"),
                             QStringLiteral("DBConf"), QStringLiteral("Rating"), QStringLiteral("Rating")};
};

TEST_F(EntryLoaderTest, TheLastRowOfTheNameFillsEveryFieldWithItsAboutText)
{
    const GameTable table = tableOf(fields, {
        strings({"1", "Zork", "1980", "zork.txt", "Adventure", "ZorkA", "zork.conf", "*", "Love"}),
        strings({"2", "Zork", "1981", "ZORK.TXT", "Adventure", "", "", "", "***"}),
        strings({"3", "zork", "1999", "", "", "", "", "", ""}),
    });
    // No sub-folder: the metadata folder lies directly in the category folder, and the note's
    // name is matched without regard to letter case.
    ASSERT_TRUE(writeFile(root() + QStringLiteral("Games/Adventure/Pallox/About/zork.txt"), "West of House.\r\nA mailbox.\r\n"));

    const std::optional<GameEntry> entry = EntryLoader::fromTable(table, root(), QStringLiteral("Zork"));
    ASSERT_TRUE(entry);
    EXPECT_EQ((*entry)[EntryField::Year], QStringLiteral("1981"));
    EXPECT_EQ((*entry)[EntryField::About], QStringLiteral("ZORK.TXT"));
    EXPECT_EQ(entry->aboutText, QStringLiteral("West of House.\nA mailbox."));
    // The later of two Rating columns; no DBConf/ScummID column, so the older DBConf one.
    EXPECT_EQ((*entry)[EntryField::Rating], QStringLiteral("***"));
    EXPECT_EQ((*entry)[EntryField::DBScumm], QString());
    // A field the table has no column for is empty, not the Number column.
    EXPECT_EQ((*entry)[EntryField::Publisher], QString());

    EXPECT_FALSE(EntryLoader::fromTable(table, root(), QStringLiteral("ZORK")).has_value());
    const std::optional<GameEntry> first =
        EntryLoader::fromTable(tableOf(fields, {strings({"1", "Zork", "", "gone.txt", "A", "B", "zork.conf"})}), root(),
                               QStringLiteral("Zork"));
    ASSERT_TRUE(first);
    EXPECT_EQ((*first)[EntryField::DBScumm], QStringLiteral("zork.conf"));
    EXPECT_EQ(first->aboutText, QString());
}

TEST_F(EntryLoaderTest, IniFileFieldsWithMissingKeysEmptyAndUnreadableFilesRefused)
{
    const QString file = root() + QStringLiteral("game.ini");
    ASSERT_TRUE(writeFile(file, "[Other]\r\nName=No\r\n[MAIN]\r\nname=Caf\xe9\r\nDBConf/ScummID=sky\r\nRating=Love\r\n"));
    const Result<GameEntry> entry = EntryLoader::fromIniFile(file);
    ASSERT_TRUE(entry);
    EXPECT_EQ((*entry)[EntryField::Name], u("Café"));
    EXPECT_EQ((*entry)[EntryField::DBScumm], QStringLiteral("sky"));
    EXPECT_EQ((*entry)[EntryField::Rating], QStringLiteral("Love"));
    EXPECT_EQ((*entry)[EntryField::Year], QString());

    const Result<GameEntry> missing = EntryLoader::fromIniFile(root() + QStringLiteral("missing.ini"));
    EXPECT_FALSE(missing.has_value());
    EXPECT_TRUE(messageOf(missing).startsWith(QStringLiteral("Unable to read "))) << messageOf(missing).toStdString();
}

} // namespace
