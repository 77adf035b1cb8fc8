// What bringing a LaunchBox collection in costs: a data file of 10,000 games (some 50 MB, the size
// years of use leave) with its Images folder of box fronts and screenshots in LaunchBox's own
// layout, and a folder of its own for each game. The preview reads the file, finds every game's
// program and pictures and plans its folder; the import makes every game folder with its
// metadata tree, pictures copied, ini and note written and the game's files linked.

#include "ProcessMemory.h"

#include "import/ImportPreview.h"
#include "import/ImportRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

// The size the import's targets are set for, whatever size the other benchmarks run at: a
// collection of 50,000 games would take the report longer than all the rest together.
constexpr int kGames = 10000;
constexpr qint64 kGameBytes = 5 * 1024; // 10,000 games make the 50 MB of a large data file

void removeImportTree(const QString &path)
{
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(path).toStdString(), ignored);
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One Game element as LaunchBox writes it, padded with the fields it keeps to the usual size.
QByteArray gameElement(int game)
{
    const QByteArray number = QByteArray::number(game);
    QByteArray element = "  <Game>\r\n    <ApplicationPath>Games\\Game " + number + "\\GAME.EXE</ApplicationPath>\r\n"
                         "    <Developer>Developer " + QByteArray::number(game % 400) + "</Developer>\r\n"
                         "    <Genre>Adventure; Puzzle</Genre>\r\n"
                         "    <ID>{" + QByteArray::number(0x10000000 + game, 16).toUpper() + "-2222-4222-9222-222222222222}</ID>\r\n"
                         "    <Notes>An invented game with a note long enough to look like the ones people keep:&#xD;\r\n"
                         "&#xD;\r\nwhere it came from, how it plays &amp; what to watch for.</Notes>\r\n"
                         "    <Platform>MS-DOS</Platform>\r\n    <Publisher>Publisher " + QByteArray::number(game % 300) +
                         "</Publisher>\r\n    <ReleaseDate>19" + QByteArray::number(80 + game % 20) +
                         "-06-01T00:00:00-06:00</ReleaseDate>\r\n    <StarRating>" + QByteArray::number(game % 6) +
                         "</StarRating>\r\n    <Title>Game " + number + ": The Sequel</Title>\r\n    <UseDosBox>true</UseDosBox>\r\n";
    for (int field = 0; element.size() < kGameBytes - 40; ++field)
        element += "    <Field" + QByteArray::number(field) + ">A value LaunchBox keeps for game " + number +
                   "</Field" + QByteArray::number(field) + ">\r\n";
    return element + "  </Game>\r\n";
}

struct ImportSetting
{
    QString folder;
    QString dataFile;
    ~ImportSetting()
    {
        if (!folder.isEmpty())
            removeImportTree(folder);
    }
};

// Made once per process: writing 30,000 files takes longer than a preview.
ImportSetting *importSetting()
{
    static std::unique_ptr<ImportSetting> made = [] {
        auto s = std::make_unique<ImportSetting>();
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/pallox-import-bench-XXXXXX"));
        if (!dir.isValid())
            return std::unique_ptr<ImportSetting>();
        dir.setAutoRemove(false);
        s->folder = dir.path();
        const QString launchBox = s->folder + QStringLiteral("/LaunchBox");
        const QString fronts = launchBox + QStringLiteral("/Images/MS-DOS/Box - Front/North America");
        const QString screens = launchBox + QStringLiteral("/Images/MS-DOS/Screenshot - Gameplay");
        if (!QDir().mkpath(launchBox + QStringLiteral("/Data/Platforms")) || !QDir().mkpath(fronts) ||
            !QDir().mkpath(screens))
            return std::unique_ptr<ImportSetting>();
        QByteArray file = "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<LaunchBox>\r\n";
        file.reserve(kGames * kGameBytes + 1024);
        const QByteArray picture(20 * 1024, 'p');
        for (int game = 0; game < kGames; ++game) {
            file += gameElement(game);
            const QString name = QStringLiteral("Game %1").arg(game);
            const QString gameFolder = launchBox + QStringLiteral("/Games/") + name;
            if (!QDir().mkpath(gameFolder) || !writeBytes(gameFolder + QStringLiteral("/GAME.EXE"), "MZ") ||
                !writeBytes(fronts + QLatin1Char('/') + name + QStringLiteral("_ The Sequel-01.jpg"), picture) ||
                !writeBytes(screens + QLatin1Char('/') + name + QStringLiteral("_ The Sequel-01.png"), picture))
                return std::unique_ptr<ImportSetting>();
        }
        file += "</LaunchBox>\r\n";
        s->dataFile = launchBox + QStringLiteral("/Data/Platforms/MS-DOS.xml");
        if (!writeBytes(s->dataFile, file))
            return std::unique_ptr<ImportSetting>();
        return s;
    }();
    return made.get();
}

SourceRequest launchBoxSource(const ImportSetting &s)
{
    SourceRequest source;
    source.path = s.dataFile;
    return source;
}

void BM_ImportPreviewLaunchBox(benchmark::State &state)
{
    ImportSetting *s = importSetting();
    if (!s) {
        state.SkipWithError("could not generate the LaunchBox folder");
        return;
    }
    const QString library = s->folder + QStringLiteral("/library/");
    QDir().mkpath(library + QStringLiteral("Games"));
    ProcessMemory::resetPeak();
    int pictures = 0;
    for (auto _ : state) {
        const Result<ImportPreview> preview =
            ImportPreview::build(launchBoxSource(*s), {library, QStringLiteral("Imported"), FileMode::Link}, {});
        if (!preview || int(preview->rows.size()) != kGames) {
            state.SkipWithError(preview ? "not every game was read" : preview.error().message().toStdString().c_str());
            break;
        }
        pictures = 0;
        for (const ImportRow &row : preview->rows)
            pictures += !row.game.pictures[size_t(PictureKind::Front)].isEmpty() ? 1 : 0;
    }
    state.SetItemsProcessed(state.iterations() * kGames);
    state.counters["file_MiB"] = double(QFileInfo(s->dataFile).size()) / (1024.0 * 1024.0);
    state.counters["fronts_found"] = pictures;
    state.counters["peak_MiB"] = double(ProcessMemory::statusKilobytes("VmHWM:")) / 1024.0;
}

void BM_ImportWithLinks(benchmark::State &state)
{
    ImportSetting *s = importSetting();
    if (!s) {
        state.SkipWithError("could not generate the LaunchBox folder");
        return;
    }
    const QString library = s->folder + QStringLiteral("/library/");
    const ImportTarget target{library, QStringLiteral("Imported"), FileMode::Link};
    const Result<ImportPreview> preview = ImportPreview::build(launchBoxSource(*s), target, {});
    if (!preview) {
        state.SkipWithError(preview.error().message().toStdString().c_str());
        return;
    }
    size_t made = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Each round starts from an empty library, as the first import of a collection does.
        removeImportTree(library);
        QDir().mkpath(target.categoryFolder());
        state.ResumeTiming();
        made = ImportRun::run(preview->rows, target).made.size();
        if (made != size_t(kGames)) {
            state.SkipWithError("not every game was made");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kGames);
    state.counters["games_made"] = double(made);
}

} // namespace

BENCHMARK(BM_ImportPreviewLaunchBox)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportWithLinks)->Iterations(3)->Unit(benchmark::kMillisecond);
