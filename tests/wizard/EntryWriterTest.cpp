#include "base/IniFile.h"
#include "support/Files.h"
#include "support/ResultText.h"
#include "support/Utf8.h"
#include "wizard/EntryWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(PALLOX_TEST_DATA "/wizard/") + QLatin1String(name);
}

class EntryWriterTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
};

GameEntry cafeEntry()
{
    GameEntry entry;
    entry[EntryField::Name] = u("Café Noir II");
    entry[EntryField::Year] = QStringLiteral("1992");
    entry[EntryField::Publisher] = u("Société Jeux");
    entry[EntryField::Genre] = QStringLiteral("Aventure");
    entry[EntryField::Developer] = u("Studio Über");
    entry[EntryField::Platform] = QStringLiteral("DOS");
    entry[EntryField::Rating] = QStringLiteral("****");
    entry[EntryField::Emulator] = QStringLiteral("DOSBox");
    entry[EntryField::Front01] = QStringLiteral("front.png");
    return entry;
}

TEST_F(EntryWriterTest, ANewFileHoldsTheFortyKeysInOrderAsUtf8WithCrLf)
{
    GameEntry entry = cafeEntry();
    entry[EntryField::Extra7] = QStringLiteral("Map");
    entry[EntryField::ExtraLink7] = QStringLiteral("map.pdf");
    const QString file = path("new.ini");
    const Result<void> result = EntryWriter::writeKeys(file, EntryWriter::gameKeys(entry));
    ASSERT_TRUE(result.has_value()) << messageOf(result).toStdString();

    QByteArray expected = "[Main]\r\n";
    for (const EntryFieldInfo &info : entryFields())
        expected += QByteArray(info.key) + '=' + entry[info.field].toUtf8() + "\r\n";
    EXPECT_EQ(readFile(file), expected);
    EXPECT_TRUE(expected.contains("ExtraLink6=\r\nExtra7=Map\r\nExtraLink7=map.pdf\r\nAbout=\r\nRating=****\r\n"));
}

TEST_F(EntryWriterTest, AnExistingWindows1252FileKeepsItsCommentsSectionsAndOtherKeys)
{
    const QString file = path("game.ini");
    ASSERT_TRUE(QFile::copy(fixture("existing-windows-1252.ini"), file));
    const Result<void> result = EntryWriter::writeKeys(file, EntryWriter::gameKeys(cafeEntry()));
    ASSERT_TRUE(result.has_value()) << messageOf(result).toStdString();
    EXPECT_EQ(readFile(file), readFile(fixture("existing-windows-1252.saved.ini")));

    // A character the code page lacks is refused by field name, and the file stays as it was.
    const QByteArray before = readFile(file);
    GameEntry foreign = cafeEntry();
    foreign[EntryField::Developer] = u("東京ソフト");
    foreign[EntryField::Series] = u("Ωmega");
    const Result<void> refused = EntryWriter::writeKeys(file, EntryWriter::gameKeys(foreign));
    EXPECT_FALSE(refused.has_value());
    EXPECT_TRUE(messageOf(refused).contains(QStringLiteral("these fields: Series, Developer.")))
        << messageOf(refused).toStdString();
    EXPECT_EQ(readFile(file), before);
}

TEST_F(EntryWriterTest, PastedLineBreaksMarkupCharactersAndBlanksReadBackAsShown)
{
    GameEntry entry;
    entry[EntryField::Name] = QStringLiteral("  [Part 1] = the\r\nstart\n\nagain ");
    entry[EntryField::Publisher] = QStringLiteral("; not a comment");
    entry[EntryField::About] = QStringLiteral("x]=y[");
    const GameEntry stored = EntryWriter::storedEntry(entry);
    EXPECT_EQ(stored[EntryField::Name], QStringLiteral("[Part 1] = the start again"));

    const QString file = path("odd.ini");
    ASSERT_TRUE(EntryWriter::writeKeys(file, EntryWriter::gameKeys(entry)));
    const QByteArray bytes = readFile(file);
    EXPECT_EQ(bytes.count("\r\n"), 41); // the header and one line per key, no more
    const IniFile ini(file);
    for (const EntryFieldInfo &info : entryFields())
        EXPECT_EQ(ini.readString(QStringLiteral("Main"), QLatin1String(info.key), QStringLiteral("?")),
                  stored[info.field])
            << info.key;
}

TEST_F(EntryWriterTest, AFileThatCannotBeWrittenIsNamedAndLeftWhole)
{
    auto unable = [](const QString &file) -> QString { return QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(file); };
    // A folder that is not there (the IniFile folder could not be made), and a folder in the
    // file's place.
    const QString missing = path("no/IniFile/game.ini");
    EXPECT_EQ(messageOf(EntryWriter::writeKeys(missing, EntryWriter::gameKeys(cafeEntry()))), unable(missing));
    QDir().mkpath(path("folder.ini"));
    EXPECT_EQ(messageOf(EntryWriter::writeKeys(path("folder.ini"), {{QStringLiteral("Name"), QStringLiteral("x")}})),
              unable(path("folder.ini")));

    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const QString file = path("locked/game.ini");
    ASSERT_TRUE(writeFile(file, "[Main]\r\nName=Old\r\n"));
    ASSERT_EQ(::chmod(QFile::encodeName(path("locked")).constData(), 0555), 0);
    const Result<void> result = EntryWriter::writeKeys(file, EntryWriter::gameKeys(cafeEntry()));
    ::chmod(QFile::encodeName(path("locked")).constData(), 0755);
    EXPECT_EQ(messageOf(result), unable(file));
    EXPECT_EQ(readFile(file), QByteArray("[Main]\r\nName=Old\r\n"));
}

TEST_F(EntryWriterTest, DefaultFoldersAndTheBlankIniFile)
{
    // The name is checked before the cancelled browser, and may not lead out of the ini folder.
    EXPECT_EQ(messageOf(EntryWriter::canCreateDefaultFolders(QString(), QString())), QStringLiteral("Ini File Name field left blank."));
    EXPECT_EQ(messageOf(EntryWriter::canCreateDefaultFolders(QString(), QStringLiteral("zork"))), QStringLiteral("Cancelled"));
    EXPECT_TRUE(messageOf(EntryWriter::canCreateDefaultFolders(path("g"), QStringLiteral("../../zork"))).startsWith(
        QStringLiteral("The ini file name cannot hold")));
    EXPECT_EQ(messageOf(EntryWriter::canCreateDefaultFolders(path("g"), QStringLiteral("zork"))), QString());

    const QString game = path("Zork");
    ASSERT_TRUE(QDir().mkpath(game + QStringLiteral("/Pallox/Front")));
    ASSERT_TRUE(writeFile(game + QStringLiteral("/Pallox/Front/keep.png"), "png"));
    EntryWriter::createMetadataFolders(game);
    for (const QString &sub : EntryWriter::metadataSubfolders())
        EXPECT_TRUE(QFileInfo(game + QStringLiteral("/Pallox/") + sub).isDir()) << sub.toStdString();
    EXPECT_EQ(readFile(game + QStringLiteral("/Pallox/Front/keep.png")), QByteArray("png"));

    // The extension is always added; keys of an existing file beyond the field list stay.
    const QString ini = EntryWriter::blankIniFile(game, QStringLiteral("zork.ini"));
    EXPECT_EQ(ini, game + QStringLiteral("/Pallox/IniFile/zork.ini.ini"));
    ASSERT_TRUE(writeFile(ini, "[Main]\r\nName=Zork\r\nOtherPlatform1=C64\r\n"));
    ASSERT_TRUE(EntryWriter::writeBlankIni(ini, {QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Year")}));
    EXPECT_EQ(readFile(ini), QByteArray("[Main]\r\nName=\r\nOtherPlatform1=C64\r\nNumber=\r\nYear=\r\n"));

    const QString none = EntryWriter::blankIniFile(game, QStringLiteral("none"));
    EXPECT_TRUE(EntryWriter::writeBlankIni(none, {}));
    EXPECT_FALSE(QFileInfo::exists(none));
}

TEST_F(EntryWriterTest, TheAboutFileAndItsChecks)
{
    EXPECT_EQ(messageOf(EntryWriter::canWriteAbout(QString(), QString())), QStringLiteral("No About Name Given"));
    EXPECT_EQ(messageOf(EntryWriter::canWriteAbout(QStringLiteral("a.txt"), QString())), QStringLiteral("No About Body Given"));
    EXPECT_EQ(messageOf(EntryWriter::canWriteAbout(QStringLiteral("a.txt"), QStringLiteral("x"))), QString());

    const QString file = path("about.txt");
    ASSERT_TRUE(writeFile(file, "an older and longer note\r\n"));
    ASSERT_TRUE(EntryWriter::writeAboutFile(file, u("Première ligne\n\nthird")));
    EXPECT_EQ(readFile(file), QByteArray("Premi\xc3\xa8re ligne\r\n\r\nthird\r\n"));
    const Result<void> failed = EntryWriter::writeAboutFile(path("no/such/folder/a.txt"), QStringLiteral("x"));
    EXPECT_FALSE(failed.has_value());
    EXPECT_TRUE(messageOf(failed).startsWith(QStringLiteral("Unable to write to "))) << messageOf(failed).toStdString();
}

} // namespace
