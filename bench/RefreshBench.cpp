// Refresh All and Reload Data of a library of 10,000 games, as the main window runs them: from
// the command until the new tables are in, sorted and listed. The scan runs on a worker thread;
// a 5 ms timer on the window's thread measures the longest stretch in which the window could
// not have painted or moved its gauges.

#include "BenchSize.h"
#include "LibraryGenerator.h"

#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "session/BrowseModel.h"
#include "ui/startup/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

constexpr unsigned kSeed = 1987;

struct GeneratedLibrary
{
    QString root;
    explicit GeneratedLibrary(int games)
    {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/pallox-refresh-XXXXXX"));
        if (!dir.isValid())
            return;
        dir.setAutoRemove(false);
        if (generateLibrary(dir.path(), games, qMax(10, games / 40), kSeed))
            root = dir.path() + QLatin1Char('/');
    }
    ~GeneratedLibrary()
    {
        std::error_code ignored;
        if (!root.isEmpty())
            std::filesystem::remove_all(QFile::encodeName(root).toStdString(), ignored);
    }
};

void refresh(benchmark::State &state, bool deleteCache)
{
    const std::unique_ptr<QApplication> application = BenchApplication::ifNone();
    const int games = static_cast<int>(state.range(0));
    const GeneratedLibrary library(games);
    if (library.root.isEmpty()) {
        state.SkipWithError("could not generate the library");
        return;
    }
    QtPlatform desktop;
    LibrarySession session(desktop.platform(), library.root);
    session.startUp(); // the first start: a scan that writes the cache
    session.browse().setSortField(QStringLiteral("Year"));

    int progressReports = 0;
    QObject::connect(&session.library(), &LibraryModel::scanGameStarted, [&] { ++progressReports; });
    double longestStallMs = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(5);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestStallMs = std::max(longestStallMs, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        QEventLoop loop;
        const QMetaObject::Connection done = QObject::connect(&session.library(), &LibraryModel::scanRunning, &loop,
                                                              [&](bool running) {
                                                                  if (!running)
                                                                      loop.quit();
                                                              });
        ticker.start();
        sinceTick.start();
        if (!session.library().refreshAll(deleteCache)) {
            state.SkipWithError("the refresh did not start");
            break;
        }
        loop.exec();
        QObject::disconnect(done);
    }
    if (session.library().table().rowCount() != games + 1)
        state.SkipWithError("the refresh did not find every game");
    state.SetItemsProcessed(state.iterations() * games);
    state.counters["longest_stall_ms"] = longestStallMs;
    state.counters["progress_reports"] =
        benchmark::Counter(progressReports, benchmark::Counter::kAvgIterations);
}

void BM_RefreshAll(benchmark::State &state)
{
    refresh(state, false);
}

void BM_ReloadData(benchmark::State &state)
{
    refresh(state, true);
}

} // namespace

BENCHMARK(BM_RefreshAll)->Arg(BenchSize::games(10000))->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReloadData)->Arg(BenchSize::games(10000))->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
