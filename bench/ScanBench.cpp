// How long a library scan takes against the floor set by the file system (listing the folders and
// reading every game ini file, nothing more), and what loading the data cache of a very large
// library costs in time and memory.

#include "BenchSize.h"
#include "LibraryGenerator.h"
#include "ProcessMemory.h"

#include "base/SettingsFile.h"
#include "library/GameTable.h"
#include "library/GridTextFile.h"
#include "library/LibraryScanner.h"
#include "library/LibraryState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>

namespace {

constexpr unsigned kSeed = 1987;

class QuietObserver : public ScanObserver
{
};

// A generated library on disk, removed when the process ends. std::filesystem removes a tree of
// a hundred thousand folders several times faster than QDir::removeRecursively.
struct GeneratedLibrary
{
    QString root;
    ~GeneratedLibrary()
    {
        std::error_code ignored;
        if (!root.isEmpty())
            std::filesystem::remove_all(QFile::encodeName(root).toStdString(), ignored);
    }
};

// Generating a library takes longer than scanning it, so each size is made once per process.
const QString &libraryRoot(int games)
{
    static std::map<int, std::unique_ptr<GeneratedLibrary>> libraries;
    auto found = libraries.find(games);
    if (found != libraries.end())
        return found->second->root;
    auto library = std::make_unique<GeneratedLibrary>();
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/pallox-bench-XXXXXX"));
    if (dir.isValid()) {
        dir.setAutoRemove(false);
        const QString path = dir.path();
        if (generateLibrary(path, games, qMax(10, games / 40), kSeed))
            library->root = path;
        else
            std::filesystem::remove_all(QFile::encodeName(path).toStdString());
    }
    return (libraries[games] = std::move(library))->root;
}

void BM_ReadIniFilesOnly(benchmark::State &state)
{
    const int games = static_cast<int>(state.range(0));
    const QString &root = libraryRoot(games);
    if (root.isEmpty()) {
        state.SkipWithError("could not generate the library");
        return;
    }
    const QStringList categories = SettingsFile(root + QStringLiteral("/PALLOX.ini")).subfolders();
    const QStringList iniPattern{QStringLiteral("*.ini")};
    int files = 0;
    for (auto _ : state) {
        qint64 bytes = 0;
        files = 0;
        for (const QString &category : categories) {
            const QDir categoryDir(root + QStringLiteral("/Games/") + category);
            const QStringList gameFolders =
                categoryDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
            for (const QString &gameFolder : gameFolders) {
                const QDir iniDir(categoryDir.filePath(gameFolder) + QStringLiteral("/Pallox/IniFile"));
                for (const QString &iniName :
                     iniDir.entryList(iniPattern, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
                    QFile file(iniDir.filePath(iniName));
                    if (file.open(QIODevice::ReadOnly)) {
                        bytes += file.readAll().size();
                        ++files;
                    }
                }
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
    if (files != games)
        state.SkipWithError("the library does not hold one ini file per game");
    state.SetItemsProcessed(state.iterations() * games);
}

void BM_LoadGridScan(benchmark::State &state)
{
    const int games = static_cast<int>(state.range(0));
    const QString &root = libraryRoot(games);
    if (root.isEmpty()) {
        state.SkipWithError("could not generate the library");
        return;
    }
    SettingsFile settings(root + QStringLiteral("/PALLOX.ini"));
    QuietObserver observer;
    LibraryState library;
    for (auto _ : state) {
        library.lbDirList = settings.subfolders();
        library.ScanPending = true;
        library.StartupLoading = false;
        library.ReloadInProgress = false;
        LoadGrid(library, settings, observer);
        benchmark::DoNotOptimize(library.GridComplete.rowCount());
    }
    if (library.GridMain.rowCount() != games + 1)
        state.SkipWithError("the scan did not find every game");
    state.SetItemsProcessed(state.iterations() * games);
}

void BM_LoadDataCache(benchmark::State &state)
{
    const int games = static_cast<int>(state.range(0));
    const QString &root = libraryRoot(games);
    if (root.isEmpty()) {
        state.SkipWithError("could not generate the library");
        return;
    }
    const QString cachePath = root + QStringLiteral("/DataCache.txt");
    if (!QFileInfo::exists(cachePath)) {
        // The cache is written by a real scan, so that it holds what users' caches hold.
        SettingsFile settings(root + QStringLiteral("/PALLOX.ini"));
        QuietObserver observer;
        LibraryState library;
        library.lbDirList = settings.subfolders();
        library.StartupLoading = false;
        LoadGrid(library, settings, observer);
    }

    const qint64 residentBefore = ProcessMemory::statusKilobytes("VmRSS:");
    ProcessMemory::resetPeak();
    int rows = 0;
    for (auto _ : state) {
        const Result<GameTable> grid = LoadStringGrid(cachePath);
        if (!grid) {
            state.SkipWithError("the data cache could not be loaded");
            break;
        }
        rows = grid->rowCount();
        benchmark::DoNotOptimize(rows);
    }
    const qint64 peak = ProcessMemory::statusKilobytes("VmHWM:");
    if (rows != 0 && rows != games + 1)
        state.SkipWithError("the data cache does not hold every game");
    state.SetItemsProcessed(state.iterations() * games);
    state.counters["cache_MiB"] = static_cast<double>(QFileInfo(cachePath).size()) / (1024.0 * 1024.0);
    state.counters["rss_before_MiB"] = static_cast<double>(residentBefore) / 1024.0;
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
    state.counters["load_peak_MiB"] = static_cast<double>(peak - residentBefore) / 1024.0;
}

// Each size's plain read and full scan are registered next to each other so that the report
// shows them side by side.
[[maybe_unused]] const bool registered = [] {
    for (int games : BenchSize::sizes({1000, 10000})) {
        const int iterations = games <= 1000 ? 5 : 3;
        benchmark::RegisterBenchmark("BM_ReadIniFilesOnly", BM_ReadIniFilesOnly)
            ->Arg(games)
            ->Iterations(iterations)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_LoadGridScan", BM_LoadGridScan)
            ->Arg(games)
            ->Iterations(iterations)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_LoadDataCache", BM_LoadDataCache)
        ->Arg(BenchSize::games(50000))
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
