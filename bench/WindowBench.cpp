// What the user waits for in the main window of a large collection: the start from the data
// cache to the first game shown, one selection with its pictures read from disk, and one layout
// pass.

#include "BenchSize.h"
#include "base/IniFile.h"
#include "browse/PictureLoader.h"
#include "library/GameTable.h"
#include "library/GridTextFile.h"
#include "platform/Platform.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "ui/main/DetailsPanel.h"
#include "ui/main/MainTabView.h"
#include "ui/startup/QtPlatform.h"
#include "ui/main/TfrmMain.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchApplication.h"
#include "support/ListEntries.h"

#include <memory>

#ifndef PALLOX_SAMPLE_GAMES
#error "PALLOX_SAMPLE_GAMES must name the sample library's Games folder"
#endif

namespace {

const int kGames = BenchSize::games(50000);

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

// A library root holding the sample games' folders and a data cache of 50,000 rows (or the
// chosen size) that take their pictures and notes from those folders, so that every selection
// really reads pictures.
struct LargeLibrary
{
    QTemporaryDir dir;
    QString root;

    LargeLibrary()
    {
        root = dir.path() + QLatin1Char('/');
        copyTree(QStringLiteral(PALLOX_SAMPLE_GAMES), root + QStringLiteral("Games"));
        QFile::copy(QStringLiteral(PALLOX_SAMPLE_GAMES "/../PALLOX.ini"), root + QStringLiteral("PALLOX.ini"));
        IniFile settings(root + QStringLiteral("PALLOX.ini"));
        settings.writeString(QStringLiteral("Main"), QStringLiteral("VADPath"), root);

        // One real scan gives the sample rows; the large table repeats them under new names.
        QStringList sampleRows;
        GameTable sample;
        {
            QtPlatform seams;
            const Platform platform = seams.platform();
            TfrmMain scan(platform, root, nullptr);
            sample = scan.session().library().state().GridComplete;
        }
        GameTable large;
        large.setSize(sample.columnCount(), 1);
        for (int c = 0; c < sample.columnCount(); ++c)
            large.setCell(c, 0, sample.cell(c, 0));
        const int nameColumn = sample.column(QStringLiteral("Name"));
        for (int g = 0; g < kGames; ++g) {
            std::vector<QString> cells = sample.rowCells(1 + g % (sample.rowCount() - 1));
            cells[static_cast<size_t>(nameColumn)] =
                cells[static_cast<size_t>(nameColumn)] + QStringLiteral(" %1").arg(g / (sample.rowCount() - 1));
            large.appendRow(std::move(cells));
        }
        SaveStringGrid(large, root + QStringLiteral("DataCache.txt"));
    }
};

LargeLibrary &library()
{
    static LargeLibrary instance;
    return instance;
}

struct RealPlatform
{
    QtPlatform seams;
    Platform platform = seams.platform();
};

void BM_StartFromCacheToFirstGame(benchmark::State &state)
{
    BenchApplication::shared();
    LargeLibrary &lib = library();
    RealPlatform real;
    for (auto _ : state) {
        auto frm = std::make_unique<TfrmMain>(real.platform, lib.root, nullptr);
        benchmark::DoNotOptimize(ListEntries::count(*frm->findChild<QListView *>(QStringLiteral("lbMain"))));
        state.PauseTiming();
        frm.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartFromCacheToFirstGame)->Unit(benchmark::kMillisecond)->Iterations(3);

// The window as the user sees it: shown at a common size, laid out once.
std::unique_ptr<TfrmMain> shownWindow(RealPlatform &real)
{
    BenchApplication::shared();
    auto frm = std::make_unique<TfrmMain>(real.platform, library().root, nullptr);
    frm->resize(1280, 900);
    frm->show();
    QCoreApplication::processEvents();
    return frm;
}

void BM_SelectGameWithPictures(benchmark::State &state)
{
    RealPlatform real;
    const auto window = shownWindow(real);
    QListView *list = window->findChild<QListView *>(QStringLiteral("lbMain"));
    const PictureLoader *pictures = window->findChild<DetailsPanel *>()->findChild<PictureLoader *>();
    int index = 0;
    const int count = ListEntries::count(*list);
    for (auto _ : state) {
        // Neighbouring entries are different games, so each selection decodes new pictures. They
        // are read on worker threads: a selection is complete when the last of them is shown.
        index = (index + 7919) % count;
        ListEntries::setCurrentRow(*list, index);
        while (pictures->pending() > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}
BENCHMARK(BM_SelectGameWithPictures)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_LayoutPass(benchmark::State &state)
{
    RealPlatform real;
    const auto window = shownWindow(real);
    MainTabView *view = window->findChild<MainTabView *>(QStringLiteral("MainTabView"));
    for (auto _ : state)
        view->MainFormResize(true);
}
BENCHMARK(BM_LayoutPass)->Unit(benchmark::kMillisecond)->Iterations(200);

} // namespace
