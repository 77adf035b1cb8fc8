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
    bool crLf;            // the same file with CR LF line ends, which the appended elements then use too
    int games, extras;    // what the file held before
    bool rootWasEmptyTag; // "<LaunchBox/>" has to become a start and an end tag
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
    }

    QByteArray expected() const
    {
        QByteArray bytes = fixture(QLatin1String(GetParam().folder) + QStringLiteral("/expected.xml"));
        if (GetParam().crLf)
            bytes = withCrLf(bytes);
        return bytes.replace("@ROOT@", libraryRoot().toUtf8());
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
    const QStringList ids = newIds(input, written);
    ASSERT_EQ(ids.size(), 2) << written.toStdString();
    EXPECT_EQ(withIdsNamed(written, ids), expected()) << written.toStdString();
    if (!GetParam().rootWasEmptyTag) {
        // Every byte the file held is still there: one piece in front of the new elements, one after.
        qsizetype head = 0;
        while (head < input.size() && written.at(head) == input.at(head))
            ++head;
        EXPECT_TRUE(written.endsWith(input.mid(head))) << "changed from byte " << head;
    }
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
    // CTest compiles the reader once for all these tests and names it here; run alone, the test
    // program compiles it once for itself.
    static QTemporaryDir programFolder;
    const QString prebuilt = qEnvironmentVariable("PALLOX_DOTNET_READER");
    const QString program =
        prebuilt.isEmpty() ? programFolder.filePath(QStringLiteral("LaunchBoxReader.exe")) : prebuilt;
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
    const QStringList ids = newIds(input, readFile(dataFile()));
    ASSERT_EQ(ids.size(), 2);
    const QString alpha = ids.at(0);
    const QString beta = ids.at(1);
    EXPECT_TRUE(output.startsWith(
        QStringLiteral("tables %1 %2\n").arg(2 + GetParam().games).arg(4 + GetParam().extras)))
        << output.toStdString();
    // Whatever the offset, the same moment in universal time; the notes with their CR.
    const QStringList lines{QStringLiteral("game ") + alpha +
                                QStringLiteral(" Alpha & Omega <Quest> | 2024-03-09T15:05:03.042 | 0 False "
                                               "False | Line one line two\\r\\n\\r\\nNext"),
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
                         ::testing::Values(FileCase{"launchbox-file", false, 1, 0, false},
                                           FileCase{"launchbox-file", true, 1, 0, false},
                                           FileCase{"launchbox-style", false, 2, 1, false},
                                           FileCase{"bare-element", false, 0, 0, true}));

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
    const QString wide = QStringLiteral("\uFEFF<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n<LaunchBox/>");
    const struct
    {
        QByteArray content;
        const char *saying;
    } refused[] = {
        // Encodings new elements cannot be written in, which reading as UTF-8 would spoil.
        {QByteArray(reinterpret_cast<const char *>(wide.utf16()), wide.size() * 2), "is written in UTF-16;"},
        {"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<LaunchBox/>", "the encoding \"Shift_JIS\";"},
        // A UTF-8 byte-order mark before another declared encoding: readers differ on which wins.
        {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<LaunchBox>Caf\xC3\xA9</LaunchBox>",
         "byte-order mark but declares the encoding \"windows-1252\";"},
        {"\xEF\xBB\xBF<?xml version='1.0' encoding='ISO-8859-15'?>\n<LaunchBox/>",
         "byte-order mark but declares the encoding \"ISO-8859-15\";"},
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

// Every form the top-level element can take, and markup that only looks like its end.
TEST_F(ExportTest, TheNewElementsGoBeforeTheEndOfTheLaunchBoxElementInTheFilesStyle)
{
    addOneGame();
    const struct
    {
        QByteArray input, head, emptyElement, tail;
    } files[] = {
        {"<LaunchBox></LaunchBox>", "<LaunchBox>\n  <Game>\n    <ID>", "<Developer />",
         "\n    <RootFolder>@ROOT@Games/Action/Gamma</RootFolder>\n  </Game>\n</LaunchBox>"},
        {"<?xml version=\"1.0\"?>\r\n<LaunchBox Kind=\"a/>\" />\r\n<!-- </LaunchBox> -->\r\n",
         "<?xml version=\"1.0\"?>\r\n<LaunchBox Kind=\"a/>\">\r\n  <Game>\r\n    <ID>", "<Developer />",
         "</RootFolder>\r\n  </Game>\r\n</LaunchBox>\r\n<!-- </LaunchBox> -->\r\n"},
        {"<!DOCTYPE LaunchBox [<!ENTITY e "
         "\"</LaunchBox>\">]>\n\t<LaunchBox>\n\t\t<Game><Notes/></Game>\n\t</LaunchBox>",
         "\t<LaunchBox>\n\t\t<Game><Notes/></Game>\n\t\t<Game>\n\t\t\t<ID>", "<Developer/>",
         "</RootFolder>\n\t\t</Game>\n\t</LaunchBox>"},
        {"<LaunchBox><Game><![CDATA[</LaunchBox>]]><Notes></Notes></Game><?pi </LaunchBox>?></LaunchBox>",
         "<?pi </LaunchBox>?>\n  <Game>\n    <ID>", "<Developer></Developer>", "</Game>\n</LaunchBox>"},
    };
    for (const auto &file : files) {
        ASSERT_TRUE(writeFile(dataFile(), file.input));
        ASSERT_EQ(runExport(), QString());
        const QByteArray written = readFile(dataFile());
        EXPECT_TRUE(written.contains(file.head)) << written.toStdString();
        EXPECT_TRUE(written.contains(file.emptyElement)) << written.toStdString();
        EXPECT_TRUE(written.endsWith(QByteArray(file.tail).replace("@ROOT@", libraryRoot().toUtf8())))
            << written.toStdString();
        EXPECT_XMLLINT_ACCEPTS(dataFile());
    }
}

// New texts in the encoding the file declares, with references for what it cannot hold; the
// file's own texts in that encoding stay as they are.
TEST_F(ExportTest, NewTextsAreWrittenInTheFilesOwnEncoding)
{
    const QString name = QStringLiteral("Café – “Ω” & \U0001F600");
    addOneGame(name);
    const struct
    {
        QByteArray declaration, own, title;
    } files[] = {
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n", "Fran\xE7ois \x80",
         "Caf\xE9 \x96 \x93&#x3A9;\x94 &amp; &#x1F600;"},
        {"<?xml version='1.0' encoding='ISO-8859-1'?>\r\n", "Fran\xE7ois &#x20AC;",
         "Caf\xE9 &#x2013; &#x201C;&#x3A9;&#x201D; &amp; &#x1F600;"},
        {"<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\r\n", "Fran&#xE7;ois &#x20AC;",
         "Caf&#xE9; &#x2013; &#x201C;&#x3A9;&#x201D; &amp; &#x1F600;"},
        {"\xEF\xBB\xBF", "Fran\xC3\xA7ois \xE2\x82\xAC", name.toUtf8().replace("&", "&amp;")},
        {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n", "Fran\xC3\xA7ois \xE2\x82\xAC",
         name.toUtf8().replace("&", "&amp;")},
    };
    for (const auto &file : files) {
        const QByteArray input = file.declaration + "<LaunchBox>\r\n  <Game>\r\n    <Title>" + file.own +
                                 "</Title>\r\n  </Game>\r\n";
        ASSERT_TRUE(writeFile(dataFile(), input + "</LaunchBox>\r\n"));
        ASSERT_EQ(runExport(), QString());
        const QByteArray written = readFile(dataFile());
        EXPECT_TRUE(written.startsWith(input)) << written.toStdString();
        EXPECT_TRUE(written.contains(QByteArray("<Title>" + file.title + "</Title>")))
            << written.toStdString();
        EXPECT_XMLLINT_ACCEPTS(dataFile());
        EXPECT_EQ(xmllintText(dataFile(), QStringLiteral("//Game[1]/Title")), QStringLiteral("François €"));
        EXPECT_EQ(xmllintText(dataFile(), QStringLiteral("//Game[2]/Title")), name);
    }
}

// A CR that a reader is to see has to be a reference: a raw one reads as a line feed.
TEST_F(ExportTest, CarriageReturnsInNotesSurviveOldAndNew)
{
    ASSERT_TRUE(
        writeFile(dataFile(),
                  "<LaunchBox>\n  <Game>\n    <Notes>First&#xD;\nSecond</Notes>\n  </Game>\n</LaunchBox>\n"));
    addGame({{QStringLiteral("Name"), QStringLiteral("Gamma")},
             {QStringLiteral("About"), QStringLiteral("gamma.txt")},
             {QStringLiteral("Folder"), QStringLiteral("Action")},
             {QStringLiteral("Subfolder"), QStringLiteral("Gamma")}});
    ASSERT_TRUE(writeFile(metadataFolder(QStringLiteral("Action"), QStringLiteral("Gamma")) +
                              QStringLiteral("About/gamma.txt"),
                          "One\r\n\r\nTwo\r\n"));
    ASSERT_EQ(runExport(), QString());
    EXPECT_XMLLINT_ACCEPTS(dataFile());
    EXPECT_EQ(xmllintText(dataFile(), QStringLiteral("//Game[1]/Notes")), QStringLiteral("First\r\nSecond"));
    EXPECT_EQ(xmllintText(dataFile(), QStringLiteral("//Game[2]/Notes")), QStringLiteral("One\r\n\r\nTwo"));
}

// IDs that the clock or another export could foretell would let two exports clash.
TEST_F(ExportTest, EveryGameGetsAGuidOfItsOwnInEveryExport)
{
    ASSERT_TRUE(writeFile(dataFile(), "<LaunchBox />"));
    addOneGame();
    addOneGame(QStringLiteral("Delta"));
    ASSERT_EQ(runExport(), QString());
    ASSERT_EQ(runExport(), QString()); // at the same moment
    const QByteArray written = readFile(dataFile());
    EXPECT_EQ(written.count("<ID>"), 4);
    EXPECT_EQ(newIds("<LaunchBox />", written).size(), 4) << written.toStdString();
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
