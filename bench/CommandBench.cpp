// What the user waits for after each command in the main window of a large collection: the whole
// program started the way users start it (PalloxRun, the splash, the entry helper and all) on a
// data cache of 100,000 games (or the chosen size), shown at 1280 × 900; each command is given
// through the window's own menus and controls and timed until the list has been painted again
// (or the menu, for a menu that opens). The table is the one a scan of the benchmarks' generated
// library gives, made in memory.

#include "BenchSize.h"
#include "LibraryGenerator.h"
#include "library/GridTextFile.h"
#include "session/FilterState.h"
#include "session/LibraryModel.h"
#include "session/BrowseModel.h"
#include "session/LibrarySession.h"
#include "ui/main/TfrmMain.h"
#include "ui/startup/PalloxRun.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include <chrono>
#include <functional>
#include <memory>

namespace {

const int kGames = BenchSize::games(100000);
constexpr unsigned kSeed = 1987;

// A program folder with its PALLOX.ini and skins, whose library root holds only the data cache.
struct CachedLibrary
{
    QTemporaryDir dir;
    QString folder;

    CachedLibrary()
    {
        folder = dir.path() + QLatin1Char('/');
        QFile settings(folder + QStringLiteral("PALLOX.ini"));
        if (settings.open(QIODevice::WriteOnly))
            settings.write(generatedSettings(folder) + "\r\n[Main]\r\nWidth=1280\r\nHeight=900\r\n");
        settings.close();
        QDir().mkpath(folder + QStringLiteral("Games"));
        SaveStringGrid(generatedTable(kGames, qMax(10, kGames / 40), kSeed), folder + QStringLiteral("DataCache.txt"));
    }
};

CachedLibrary &library()
{
    static CachedLibrary instance;
    return instance;
}

// Counts the paints of a widget.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget) : m_widget(widget) { widget->installEventFilter(this); }

    // Runs the event loop until the widget has been painted since the last call.
    bool waitForPaint(int timeoutMs = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (m_paints == m_seen && clock.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const bool painted = m_paints != m_seen;
        m_seen = m_paints;
        return painted;
    }
    void forget()
    {
        QCoreApplication::processEvents();
        m_seen = m_paints;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint)
            ++m_paints;
        return false;
    }

private:
    QWidget *m_widget;
    int m_paints = 0;
    int m_seen = 0;
};

// The running program, shown and settled.
struct RunningProgram
{
    std::unique_ptr<PalloxRun> run;
    TfrmMain *main = nullptr;
    QListView *list = nullptr;
    std::unique_ptr<PaintWatch> listPaints;

    RunningProgram()
    {
        BenchApplication::shared();
        run = PalloxRun::start(library().folder);
        if (!run)
            return;
        main = &run->mainWindow();
        list = main->findChild<QListView *>(QStringLiteral("lbMain"));
        listPaints = std::make_unique<PaintWatch>(list->viewport());
        listPaints->waitForPaint();
    }
    bool ok() const { return run && list; }
    LibrarySession &session() const { return main->session(); }
    QAction *action(const char *name) const { return main->findChild<QAction *>(QLatin1String(name)); }

    // Untimed: a command and its paint, to bring the window where the timed one starts.
    void prepare(const std::function<void()> &command)
    {
        command();
        listPaints->waitForPaint(2000);
        listPaints->forget();
    }
};

// Times command until the list has been painted with its outcome.
void timeUntilListPainted(benchmark::State &state, RunningProgram &window, const std::function<void()> &before,
                          const std::function<void()> &command)
{
    if (!window.ok()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (auto _ : state) {
        window.prepare(before);
        const auto begin = std::chrono::steady_clock::now();
        command();
        if (!window.listPaints->waitForPaint()) {
            state.SkipWithError("the list was not painted");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
    state.counters["listed"] = static_cast<double>(window.session().browse().listEntries().size());
}

void BM_WindowStartFromCache(benchmark::State &state)
{
    BenchApplication::shared();
    library();
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        RunningProgram window;
        if (!window.ok()) {
            state.SkipWithError("the program did not start");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
}

void BM_WindowSortByYear(benchmark::State &state)
{
    RunningProgram window;
    timeUntilListPainted(state, window, [&] { window.action("mnuName")->trigger(); },
                         [&] { window.action("mnuYear")->trigger(); });
}

void BM_WindowSortByName(benchmark::State &state)
{
    RunningProgram window;
    timeUntilListPainted(state, window, [&] { window.action("mnuYear")->trigger(); },
                         [&] { window.action("mnuName")->trigger(); });
}

// What a click on the developer shown in the details does.
void BM_WindowDeveloperFilter(benchmark::State &state)
{
    RunningProgram window;
    const GameTable &table = window.session().library().table();
    const QString developer = table.cell(QStringLiteral("Developer"), table.rowCount() / 2);
    timeUntilListPainted(state, window, [&] { window.action("mnuShowAll")->trigger(); },
                         [&] { window.session().filter().fieldFilter(QStringLiteral("Developer"), developer); });
}

// The find panel's free-text search: a word typed into the value box with "All" as the field,
// then Go.
void BM_WindowTextSearch(benchmark::State &state)
{
    RunningProgram window;
    auto *field = window.main->findChild<QComboBox *>(QStringLiteral("cbShowOnly1"));
    auto *value = window.main->findChild<QComboBox *>(QStringLiteral("cbShowOnly2"));
    auto *go = window.main->findChild<QPushButton *>(QStringLiteral("btnGoFind"));
    window.action("mnuFind")->trigger();
    timeUntilListPainted(
        state, window,
        [&] {
            window.action("mnuShowAll")->trigger();
            field->setEditText(QStringLiteral("All"));
            value->setEditText(QStringLiteral("castle"));
        },
        [&] { go->click(); });
}

void BM_WindowShowAll(benchmark::State &state)
{
    RunningProgram window;
    const QString genre = QStringLiteral("Adventure");
    timeUntilListPainted(state, window,
                         [&] { window.session().filter().fieldFilter(QStringLiteral("Genre"), genre); },
                         [&] { window.action("mnuShowAll")->trigger(); });
}

// The Category menu's Developer menu and its fullest letter group, opened and painted.
void BM_WindowOpenDeveloperGroup(benchmark::State &state)
{
    RunningProgram window;
    if (!window.ok()) {
        state.SkipWithError("the program did not start");
        return;
    }
    auto *developers = window.main->findChild<QMenu *>(QStringLiteral("mnuCatDeveloper"));
    emit developers->aboutToShow();
    QMenu *largest = developers;
    int most = -1;
    for (QAction *group : developers->actions()) {
        if (!group->menu())
            continue;
        emit group->menu()->aboutToShow();
        if (group->menu()->actions().size() > most) {
            most = static_cast<int>(group->menu()->actions().size());
            largest = group->menu();
        }
    }
    // The menus fill anew after each list build; the one timed starts empty again.
    window.prepare([&] { window.action("mnuName")->trigger(); });
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        largest->popup(window.main->mapToGlobal(QPoint(100, 100)));
        PaintWatch paints(largest);
        paints.waitForPaint();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        state.PauseTiming();
        largest->hide();
        window.prepare([&] { window.action("mnuName")->trigger(); });
        state.ResumeTiming();
    }
    state.counters["items"] = most;
}

// Down in the list: the next game selected, its details filled and the list painted.
void BM_WindowSelectNext(benchmark::State &state)
{
    RunningProgram window;
    if (!window.ok()) {
        state.SkipWithError("the program did not start");
        return;
    }
    window.list->setFocus();
    window.prepare([&] { window.list->setCurrentIndex(window.list->model()->index(0, 0)); });
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(window.list, &down);
        window.listPaints->waitForPaint();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
}

} // namespace

BENCHMARK(BM_WindowStartFromCache)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WindowSortByYear)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WindowSortByName)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WindowDeveloperFilter)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WindowTextSearch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WindowShowAll)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WindowOpenDeveloperGroup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WindowSelectNext)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
