#include "base/SettingsFile.h"
#include "import/ImportPreview.h"
#include "import/ImportRun.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/QtPrinters.h"

#include "ImportFixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

using Kind = Failure::Kind;

struct BadInput
{
    const char *name;
    std::vector<std::pair<const char *, QByteArray>> files; // below the source folder
    const char *source;
    // The source refused as a whole, or else what the preview says of each game.
    std::optional<Kind> refused;
    std::vector<std::vector<Kind>> problems = {};
    QStringList folders = {};
    std::vector<bool> ticked = {};
};

QByteArray launchBox(const QByteArray &games)
{
    return "<?xml version=\"1.0\" standalone=\"yes\"?>\n<LaunchBox>\n" + games + "</LaunchBox>\n";
}

QByteArray lbGame(const QByteArray &title, const QByteArray &application, const QByteArray &id)
{
    return "<Game><ID>" + id + "</ID><Title>" + title + "</Title><ApplicationPath>" + application +
           "</ApplicationPath><Platform>MS-DOS</Platform></Game>\n";
}

QByteArray esGame(const QByteArray &name, const QByteArray &path, const QByteArray &more = QByteArray())
{
    return "<game><path>" + path + "</path><name>" + name + "</name>" + more + "</game>\n";
}

const std::vector<BadInput> &badInputs()
{
    static const std::vector<BadInput> inputs{
        {"damaged XML", {{"LaunchBox.xml", "<LaunchBox><Game><Title>A</Title></Gam></LaunchBox>"}}, "LaunchBox.xml",
         Kind::NotXml},
        {"truncated XML", {{"LaunchBox.xml", "<?xml version=\"1.0\"?>\n<LaunchBox>\n  <Game>\n    <Title>Cu"}},
         "LaunchBox.xml", Kind::NotXml},
        {"a file of another program", {{"Playlist.xml", "<Playlist><Game/></Playlist>"}}, "Playlist.xml",
         Kind::ImportNotSource},
        {"a gamelist that is not one", {{"gamelist.xml", "<gamelist><game/></gamelist>"}}, "gamelist.xml",
         Kind::ImportNotSource},
        {"no such source", {}, "Nowhere/LaunchBox.xml", Kind::ImportSourceMissing},
        {"a gamelist without games", {{"dos/gamelist.xml", "<gameList>\n</gameList>"}}, "dos", Kind::ImportNoGames},
        {"a LaunchBox folder without data files", {{"LaunchBox/Data/Emulators.xml", launchBox("")}}, "LaunchBox",
         Kind::ImportNoDataFile},
        {"titles blank, broken, doubled and already in the library; programs and pictures missing",
         {{"dos/gamelist.xml",
           "<gameList>\n" + esGame("   ", "./a.exe") + esGame("Doom&#x1;II", "./doom2.exe") +
               esGame("AC/DC: Live", "./acdc.exe", "<image>./images/acdc.png</image>") +
               esGame("Doom II", "D:\\Games\\Nowhere\\DOOM2.EXE") + esGame("Alpha Quest", "./alpha.exe") +
               "</gameList>"},
          {"dos/a.exe", "a"},
          {"dos/doom2.exe", "d"},
          {"dos/acdc.exe", "c"},
          {"dos/alpha.exe", "q"}},
         "dos/gamelist.xml",
         std::nullopt,
         {{Kind::ImportNoTitle},
          {},
          {Kind::ImportPictureMissing},
          {Kind::ImportProgramMissing, Kind::ImportDuplicateTitle},
          {Kind::ImportNameInLibrary}},
         {QString(), QStringLiteral("Doom II"), QStringLiteral("AC_DC_ Live"), QStringLiteral("Doom II (2)"),
          QStringLiteral("Alpha Quest (2)")},
         {false, true, true, true, true}},
        {"a LaunchBox record twice, a program given nowhere",
         {{"LaunchBox.xml", launchBox(lbGame("Ys", "", "{1}") + lbGame("Ys", "", "{1}") +
                                      lbGame("Zak", "Games\\Zak\\ZAK.EXE", "{2}"))}},
         "LaunchBox.xml",
         std::nullopt,
         {{Kind::ImportNoProgramGiven}, {Kind::ImportAlreadyImported, Kind::ImportNoProgramGiven},
          {Kind::ImportProgramMissing}},
         {QStringLiteral("Ys"), QString(), QStringLiteral("Zak")},
         {true, false, true}},
        {"game folders with several programs and with none",
         {{"games/Two/GAME.EXE", "g"}, {"games/Two/START.BAT", "s"}, {"games/None/readme.txt", "r"}},
         "games",
         std::nullopt,
         {{Kind::ImportNoProgramInFolder}, {Kind::ImportSeveralPrograms}},
         {QStringLiteral("None"), QStringLiteral("Two")},
         {true, true}},
    };
    return inputs;
}

std::vector<Kind> kindsOf(const std::vector<Failure> &problems)
{
    std::vector<Kind> kinds;
    for (const Failure &problem : problems)
        kinds.push_back(problem.kind());
    return kinds;
}

TEST(ImportBadInput, EachIsToldAndNothingOfTheSourceChanges)
{
    for (const BadInput &input : badInputs()) {
        SCOPED_TRACE(input.name);
        QTemporaryDir source;
        LibraryBuilder lib;
        lib.setSubfolders({QStringLiteral("Action")});
        lib.addGame(QStringLiteral("Action"), QStringLiteral("Alpha Quest"), QStringLiteral("Alpha Quest"),
                    {{QStringLiteral("Platform"), QStringLiteral("DOS")}});
        lib.writeSettings();
        for (const auto &[path, bytes] : input.files)
            ASSERT_TRUE(writeFile(source.filePath(QLatin1String(path)), bytes));
        const QStringList before = treeLines(source.path());

        SourceRequest request;
        request.path = source.filePath(QLatin1String(input.source));
        const Result<ImportPreview> preview =
            ImportPreview::build(request, {lib.root(), QStringLiteral("Action"), FileMode::Move}, {QStringLiteral("Action")});
        if (input.refused) {
            ASSERT_FALSE(preview);
            EXPECT_EQ(preview.error().kind(), *input.refused) << preview.error().message().toStdString();
            EXPECT_FALSE(preview.error().message().isEmpty());
            continue;
        }
        ASSERT_TRUE(preview) << preview.error().message().toStdString();
        ASSERT_EQ(preview->rows.size(), input.problems.size());
        for (size_t i = 0; i < preview->rows.size(); ++i) {
            const ImportRow &row = preview->rows[i];
            EXPECT_EQ(kindsOf(row.game.problems), input.problems[i]) << i;
            EXPECT_EQ(row.folderName, input.folders[i]) << i;
            EXPECT_EQ(row.ticked, input.ticked[i]) << i;
        }
        EXPECT_EQ(treeLines(source.path()), before);
    }
}

// A source like the plain-folders case, as temporary folders the tests may change.
class ImportWriteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(source.isValid());
        lib.setSubfolders({QStringLiteral("Action")});
        lib.writeSettings();
        for (const char *game : {"Alpha", "Bravo", "Charlie"}) {
            ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("%1/%1.EXE").arg(QLatin1String(game))), game));
            ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("%1/data/level.dat").arg(QLatin1String(game))), game));
        }
    }

    ImportPreview preview(FileMode mode)
    {
        SourceRequest request;
        request.path = source.path();
        Result<ImportPreview> made = ImportPreview::build(request, target(mode), {QStringLiteral("Action")});
        EXPECT_TRUE(made);
        return made ? *made : ImportPreview();
    }
    ImportTarget target(FileMode mode) const { return {lib.root(), QStringLiteral("Action"), mode}; }
    QStringList categoryEntries() const
    {
        return QDir(lib.path(QStringLiteral("Games/Action")))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir source;
    LibraryBuilder lib;
};

TEST_F(ImportWriteTest, ACancelledImportKeepsTheGamesMadeWholeAndNoHalfOne)
{
    for (int game = 0; game < 20; ++game)
        ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("More %1/MORE.EXE").arg(game)), "more"));
    std::atomic<bool> cancel{false};
    const ImportPreview rows = preview(FileMode::Copy);
    const ImportSummary summary = ImportRun::run(rows.rows, target(FileMode::Copy), [&cancel](int done, int) {
        if (done == 1)
            cancel = true;
    }, &cancel);
    EXPECT_TRUE(summary.cancelled);
    EXPECT_GE(summary.made.size(), 1u);
    EXPECT_EQ(int(summary.made.size()) + summary.notStarted, 23);
    // Every folder there is a game that was made, with its record; nothing half made is left.
    QStringList made;
    for (const ImportSummary::Made &game : summary.made) {
        made << QFileInfo(game.folder).fileName();
        EXPECT_EQ(QDir(game.folder + QStringLiteral("/Pallox/IniFile")).entryList(QDir::Files).size(), 1);
    }
    made.sort();
    EXPECT_EQ(categoryEntries(), made);
    if (made.contains(QStringLiteral("Alpha"))) {
        EXPECT_EQ(treeLines(lib.path(QStringLiteral("Games/Action/Alpha"))).filter(QStringLiteral(".dat")),
                  QStringList{QStringLiteral("data/level.dat = Alpha")});
    }
}

TEST_F(ImportWriteTest, AMoveTakesTheFilesAndAGameThatCannotBeMadeIsPassedOverWithItsReason)
{
    // The place of one game is taken after the preview; the rename into place goes to " (2)".
    const ImportPreview rows = preview(FileMode::Move);
    ASSERT_TRUE(writeFile(lib.path(QStringLiteral("Games/Action/Bravo")), "in the way"));
    ImportSummary summary = ImportRun::run(rows.rows, target(FileMode::Move));
    EXPECT_EQ(summary.made.size(), 3u);
    EXPECT_TRUE(categoryEntries().contains(QStringLiteral("Bravo (2)")));
    EXPECT_EQ(QDir(source.filePath(QStringLiteral("Alpha"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_EQ(readFile(lib.path(QStringLiteral("Games/Action/Alpha/data/level.dat"))), QByteArray("Alpha"));

    // A category folder that cannot be made costs every game, each told, and touches nothing.
    LibraryBuilder blocked;
    ASSERT_TRUE(writeFile(blocked.path(QStringLiteral("Games/Action")), "a file, not a folder"));
    ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("Delta/DELTA.EXE")), "delta"));
    SourceRequest request;
    request.path = source.path();
    const ImportTarget into{blocked.root(), QStringLiteral("Action"), FileMode::Move};
    const Result<ImportPreview> again = ImportPreview::build(request, into, {});
    ASSERT_TRUE(again);
    summary = ImportRun::run(again->rows, into);
    EXPECT_TRUE(summary.made.empty());
    ASSERT_EQ(summary.passedOver.size(), 4u);
    EXPECT_EQ(summary.passedOver.front().causes().front().kind(), Kind::FolderNotCreated);
    EXPECT_TRUE(QFileInfo(source.filePath(QStringLiteral("Delta/DELTA.EXE"))).isFile());
}

TEST(ImportCategory, ANewCategoryIsAddedOnceAndAnUnfitOneRefused)
{
    LibraryBuilder lib;
    lib.setSubfolders({QStringLiteral("Action")});
    lib.writeSettings();
    SettingsFile settings(lib.settingsFile());
    EXPECT_EQ(ImportRun::prepareCategory(settings, lib.root(), QStringLiteral("action")).value_or(QString()),
              QStringLiteral("Action"));
    EXPECT_EQ(ImportRun::prepareCategory(settings, lib.root(), QStringLiteral(" Shooters ")).value_or(QString()),
              QStringLiteral("Shooters"));
    EXPECT_EQ(settings.subfolders(), (QStringList{QStringLiteral("Action"), QStringLiteral("Shooters")}));
    EXPECT_TRUE(QFileInfo(lib.path(QStringLiteral("Games/Shooters"))).isDir());
    for (const char *unfit : {"", "../Up", "A/B", ".hidden", "Con:sole"}) {
        const Result<QString> refused = ImportRun::prepareCategory(settings, lib.root(), QLatin1String(unfit));
        ASSERT_FALSE(refused) << unfit;
        EXPECT_EQ(refused.error().kind(), *unfit ? Kind::ImportCategoryUnfit : Kind::ImportCategoryBlank);
    }
    EXPECT_EQ(settings.subfolders().size(), 2);
}

} // namespace
