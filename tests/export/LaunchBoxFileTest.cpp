#include "ExportFixture.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>

namespace {

QByteArray fixture(const QString &name)
{
    return readFile(QStringLiteral(PALLOX_TEST_DATA "/export/") + name);
}

QByteArray withCrLf(QByteArray bytes)
{
    return bytes.replace("\n", "\r\n");
}

struct FileCase
{
    const char *folder;
    bool crLf; // the same file with CR LF line ends, which the appended elements then use too
};

void PrintTo(const FileCase &c, std::ostream *out)
{
    *out << c.folder << (c.crLf ? " (CR LF)" : "");
}

// Two games with three extras between them, covering the conditions of every element: a note,
// a manual, sub-genres, web and file links, and texts that XML has to escape.
class ExportedFileTest : public ExportFixture, public ::testing::WithParamInterface<FileCase>
{
  protected:
    void addTwoGames()
    {
        addGame({{QStringLiteral("Name"), QStringLiteral("Alpha & Omega <Quest>")},
                 {QStringLiteral("Developer"), QStringLiteral("\"Quoted\" Soft")},
                 {QStringLiteral("Publisher"), QStringLiteral("Pub")},
                 {QStringLiteral("Genre"), QStringLiteral("Adventure")},
                 {QStringLiteral("SubGenre2"), QStringLiteral("Horror")},
                 {QStringLiteral("Platform"), QStringLiteral("DOS")},
                 {QStringLiteral("Rating"), QStringLiteral("*****")},
                 {QStringLiteral("Executable"), QStringLiteral("GAME\\RUN.EXE")},
                 {QStringLiteral("Manual"), QStringLiteral("alpha.pdf")},
                 {QStringLiteral("About"), QStringLiteral("alpha.txt")},
                 {QStringLiteral("Extra1"), QStringLiteral("Map")},
                 {QStringLiteral("ExtraLink1"), QStringLiteral("map.pdf")},
                 {QStringLiteral("Extra3"), QStringLiteral("Site")},
                 {QStringLiteral("ExtraLink3"), QStringLiteral("http://example.com/?a=1&b=2")},
                 {QStringLiteral("Folder"), QStringLiteral("Adventure")},
                 {QStringLiteral("Subfolder"), QStringLiteral("Alpha")}});
        addGame({{QStringLiteral("Name"), QStringLiteral("Beta")},
                 {QStringLiteral("SubGenre"), QStringLiteral("Puzzle")},
                 {QStringLiteral("Platform"), QStringLiteral("Amiga")},
                 {QStringLiteral("Executable"), QStringLiteral("beta")},
                 {QStringLiteral("About"), QStringLiteral("missing.txt")},
                 {QStringLiteral("Extra2"), QStringLiteral("Card")},
                 {QStringLiteral("ExtraLink2"), QStringLiteral("HTTP-card.pdf")},
                 {QStringLiteral("ExtraLink4"), QStringLiteral("nameless.pdf")},
                 {QStringLiteral("Extra5"), QStringLiteral("Linkless")},
                 {QStringLiteral("Folder"), QStringLiteral("Puzzle")},
                 {QStringLiteral("Subfolder"), QStringLiteral("Beta")}});
        ASSERT_TRUE(writeFile(metadataFolder(QStringLiteral("Adventure"), QStringLiteral("Alpha")) +
                                  QStringLiteral("About/alpha.txt"),
                              "Line one\r\nline two\r\n\r\nNext\r\n"));
        scriptIds({0x11, 0x22});
    }

    QByteArray expected() const
    {
        QByteArray bytes = fixture(QLatin1String(GetParam().folder) + QStringLiteral("/expected.xml"));
        if (GetParam().crLf)
            bytes = withCrLf(bytes);
        return bytes.replace("@ROOT@", libraryRoot().toUtf8()).replace("@CRLF@", "\r\n");
    }
};

TEST_P(ExportedFileTest, GamesAndTheirExtrasFollowTheFilesOwnContent)
{
    QByteArray input = fixture(QLatin1String(GetParam().folder) + QStringLiteral("/input.xml"));
    ASSERT_FALSE(input.isEmpty());
    if (GetParam().crLf)
        input = withCrLf(input);
    ASSERT_TRUE(writeFile(dataFile(), input));
    addTwoGames();

    ASSERT_EQ(runExport(), QString());

    const QByteArray written = readFile(dataFile());
    EXPECT_EQ(written, expected()) << written.toStdString();
    EXPECT_XMLLINT_ACCEPTS(dataFile());
}

// The .NET reader LaunchBox is built on, through a small program of our own (Mono's compiler and
// runtime, Debian packages mono-mcs, libmono-system-data4.0-cil, libmono-system-xml4.0-cil).
TEST_P(ExportedFileTest, ADotNetProgramReadsTheGamesIntoTypedFields)
{
    const QString mcs = QStandardPaths::findExecutable(QStringLiteral("mcs"));
    const QString mono = QStandardPaths::findExecutable(QStringLiteral("mono"));
    if (mcs.isEmpty() || mono.isEmpty())
        GTEST_SKIP() << "Mono is not installed";
    static QTemporaryDir programFolder;
    const QString program = programFolder.filePath(QStringLiteral("LaunchBoxReader.exe"));
    if (!QFileInfo::exists(program)) {
        QProcess compile;
        compile.start(mcs, {QStringLiteral("-r:System.Data"), QStringLiteral("-r:System.Xml"),
                            QStringLiteral("-out:") + program,
                            QStringLiteral(PALLOX_TEST_DATA "/export/dotnet/LaunchBoxReader.cs")});
        ASSERT_TRUE(compile.waitForFinished(120000));
        ASSERT_EQ(compile.exitCode(), 0) << compile.readAllStandardOutput().toStdString();
    }
    QByteArray input = fixture(QLatin1String(GetParam().folder) + QStringLiteral("/input.xml"));
    ASSERT_TRUE(writeFile(dataFile(), GetParam().crLf ? withCrLf(input) : input));
    addTwoGames();
    ASSERT_EQ(runExport(), QString());

    QProcess reader;
    reader.start(mono, {program, dataFile()});
    ASSERT_TRUE(reader.waitForFinished(120000));
    const QString output = QString::fromUtf8(reader.readAllStandardOutput());
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    const QString root = libraryRoot();
    const QString alpha = QStringLiteral("{11111111-1111-4111-9111-111111111111}");
    const QString beta = QStringLiteral("{22222222-2222-4222-A222-222222222222}");
    const int existing = QLatin1String(GetParam().folder) == QLatin1String("launchbox-file") ? 1 : 0;
    EXPECT_TRUE(output.startsWith(QStringLiteral("tables %1 4\n").arg(2 + existing))) << output.toStdString();
    // Whatever the offset, the same moment in universal time.
    const QStringList lines{QStringLiteral("game ") + alpha +
                                QStringLiteral(" Alpha & Omega <Quest> | 2024-03-09T15:05:03.042 | 0 False "
                                               "False | Line oneline two\\n\\nNext"),
                            QStringLiteral("game ") + beta +
                                QStringLiteral(" Beta | 2024-03-09T15:05:03.042 | 0 False False | no notes"),
                            QStringLiteral("extra ") + alpha + QStringLiteral(" Map | ") + root +
                                QStringLiteral("Games/Adventure/Alpha/Pallox/Extras/map.pdf | False"),
                            QStringLiteral("extra ") + alpha +
                                QStringLiteral(" Site | http://example.com/?a=1&b=2 | False"),
                            QStringLiteral("extra ") + beta + QStringLiteral(" Card | ") + root +
                                QStringLiteral("Games/Puzzle/Beta/Pallox/Extras/HTTP-card.pdf | False"),
                            QStringLiteral("extra ") + beta + QStringLiteral(" Linkless | ") + root +
                                QStringLiteral("Games/Puzzle/Beta/Pallox/Extras/ | False")};
    for (const QString &line : lines)
        EXPECT_TRUE(output.contains(line + QLatin1Char('\n'))) << line.toStdString() << "\nin\n"
                                                               << output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, ExportedFileTest,
                         ::testing::Values(FileCase{"launchbox-file", false},
                                           FileCase{"launchbox-file", true},
                                           FileCase{"bare-element", false}));

class ExportTest : public ExportFixture
{
  protected:
    void addOneGame(const QString &name = QStringLiteral("Gamma"))
    {
        addGame({{QStringLiteral("Name"), name},
                 {QStringLiteral("Folder"), QStringLiteral("Action")},
                 {QStringLiteral("Subfolder"), QStringLiteral("Gamma")}});
    }
    // Everything below the LaunchBox folder, so that a test sees what an export left behind.
    QStringList exportFolderContent() const
    {
        QStringList entries;
        QDirIterator it(exportFolder(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries << it.next().mid(exportFolder().size());
        entries.sort();
        return entries;
    }
};

TEST_F(ExportTest, TheChosenFileIsBackedUpBeforeItsFirstRewriteOnly)
{
    const QByteArray original = "<?xml version=\"1.0\"?>\n<LaunchBox>\n</LaunchBox>\n";
    ASSERT_TRUE(writeFile(dataFile(), original));
    addOneGame();
    ASSERT_EQ(runExport(), QString());
    const QString backup = exportFolder() + QStringLiteral("LaunchBox (PALLOX Backup).xml");
    EXPECT_EQ(readFile(backup), original);
    const QByteArray afterFirst = readFile(dataFile());
    EXPECT_EQ(afterFirst.count("<Game>"), 1);

    ASSERT_EQ(runExport(), QString());
    EXPECT_EQ(readFile(backup), original);
    EXPECT_EQ(readFile(dataFile()).count("<Game>"), 2);

    // LaunchBox keeps a data file per platform; the one chosen is the one kept.
    const QString platformFile = exportFolder() + QStringLiteral("Data/Platforms/Amiga.xml");
    ASSERT_TRUE(writeFile(platformFile, original));
    ASSERT_EQ(runExport(platformFile), QString());
    EXPECT_EQ(readFile(exportFolder() + QStringLiteral("Data/Platforms/Amiga (PALLOX Backup).xml")),
              original);
    EXPECT_EQ(readFile(backup), original);
}

TEST_F(ExportTest, AFileThatIsNoLaunchBoxDataFileIsRefusedBeforeAnythingIsMade)
{
    ASSERT_TRUE(QDir().mkpath(exportFolder() + QStringLiteral("Images")));
    addOneGame();
    scriptIds({0x33});
    const struct
    {
        QByteArray content;
        const char *saying;
    } refused[] = {
        {"<?xml version=\"1.0\"?>\n<Playlists>\n</Playlists>\n",
         "its top-level element is \"Playlists\", not \"LaunchBox\""},
        {"<launchbox></launchbox>", "its top-level element is \"launchbox\""},
        {"<LaunchBox></LaunchBox><LaunchBox/>", "more than one element"},
        {"<LaunchBox>\n  <Game>\n  </Gam>\n</LaunchBox>", "is not an XML file: "},
        {"Name,Year\nAlpha,1990\n", "is not an XML file: "},
        {"", "is not an XML file: "},
    };
    for (const auto &file : refused) {
        ASSERT_TRUE(writeFile(dataFile(), file.content));
        const QString message = runExport();
        EXPECT_TRUE(message.contains(QLatin1String(file.saying))) << message.toStdString();
        EXPECT_EQ(readFile(dataFile()), file.content);
        EXPECT_EQ(exportFolderContent(),
                  (QStringList{QStringLiteral("Images"), QStringLiteral("LaunchBox.xml")}));
    }
    EXPECT_TRUE(fileOps.copies.empty());

    // The XML library's own words, with the place in the file.
    ASSERT_TRUE(writeFile(dataFile(), "<LaunchBox>\n  <Game>\n  </Gam>\n</LaunchBox>"));
    EXPECT_TRUE(runExport().contains(QLatin1String("Start-end tags mismatch (line 3, column")))
        << runExport().toStdString();
    EXPECT_TRUE(
        runExport(exportFolder() + QStringLiteral("none.xml")).contains(QLatin1String("does not exist")));
}

TEST_F(ExportTest, ControlCharactersOfAGameRecordDoNotSpoilTheFile)
{
    ASSERT_TRUE(writeFile(dataFile(), "<LaunchBox />"));
    addOneGame(QStringLiteral("Bad\x01 Na\x1Bme\tTab"));
    ASSERT_EQ(runExport(), QString());
    EXPECT_TRUE(readFile(dataFile()).contains("<Title>Bad Name\tTab</Title>"));
    EXPECT_XMLLINT_ACCEPTS(dataFile());
}

} // namespace
