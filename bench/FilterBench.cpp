// What narrowing the list costs on a large collection: a field filter with the list build, the
// value list of the find panel and the eight category menus after it; the text search; the
// restore of every game from the data cache; and opening the largest category menu.

#include "BenchSize.h"
#include "LibraryGenerator.h"
#include "browse/CategoryMenus.h"
#include "browse/FieldFilter.h"
#include "browse/MainList.h"
#include "browse/TextSearch.h"
#include "browse/ValueLists.h"
#include "library/GameTable.h"
#include "library/GridTextFile.h"
#include "platform/Platform.h"
#include "session/FilterState.h"
#include "session/LibraryModel.h"
#include "session/BrowseModel.h"
#include "platform/QtClock.h"
#include "platform/QtFileOps.h"
#include "platform/QtRandom.h"
#include "platform/QtShell.h"
#include "session/LibrarySession.h"
#include "ui/main/CategoryMenuController.h"
#include "ui/main/FilterController.h"
#include "ui/main/FindPanel.h"
#include "ui/common/QtDialogs.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QMenu>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchApplication.h"

#include <chrono>
#include <memory>

namespace {

const int kGames = BenchSize::games(50000);
// A developer for every ten games, as in the collections this was tuned on.
const int kDevelopers = kGames / 10 > 10 ? kGames / 10 : 10;

QString developerName(int i)
{
    // Initials spread over the alphabet, some in lower case, a few digits: every letter group fills.
    static const QString initials = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    return initials.at(i % initials.size()) + QStringLiteral("orion Works %1").arg(i);
}

// 50,000 games (or the chosen size) in scan order with a developer for every ten, 800
// publishers, a dozen genres and about seventy cells a row, half of them filled.
const GameTable &collection()
{
    static const GameTable table = [] {
        const QStringList words{QStringLiteral("Quest"),  QStringLiteral("Space"),  QStringLiteral("Dungeon"),
                                QStringLiteral("Knight"), QStringLiteral("Racer"),  QStringLiteral("Tetra"),
                                QStringLiteral("Legend"), QStringLiteral("Shadow"), QStringLiteral("Star"),
                                QStringLiteral("Master"), QStringLiteral("Ultima"), QStringLiteral("Island")};
        const QStringList platforms{QStringLiteral("DOS"),  QStringLiteral("Amiga"),    QStringLiteral("C64"),
                                    QStringLiteral("SNES"), QStringLiteral("NES"),      QStringLiteral("Atari ST"),
                                    QStringLiteral("2600"), QStringLiteral("Windows")};
        QRandomGenerator random(1987);
        const auto pick = [&](const QStringList &from) { return from.at(static_cast<int>(random.bounded(from.size()))); };
        const QStringList names = generatedTableFields();
        GameTable grid;
        grid.setSize(static_cast<int>(names.size()), 1);
        for (int c = 0; c < names.size(); ++c)
            grid.setCell(c, 0, names.at(c));
        for (int g = 1; g <= kGames; ++g) {
            std::vector<QString> cells(static_cast<size_t>(names.size()));
            const auto set = [&](const char *field, const QString &value) {
                cells[static_cast<size_t>(grid.column(QLatin1String(field)))] = value;
            };
            const QString name = pick(words) + QLatin1Char(' ') + pick(words) + QLatin1Char(' ') + QString::number(g);
            cells[0] = QString::number(g);
            set("Name", name);
            set("Year", QString::number(1978 + static_cast<int>(random.bounded(22))));
            set("Developer", developerName(static_cast<int>(random.bounded(kDevelopers))));
            set("Publisher", QStringLiteral("Publisher %1").arg(random.bounded(800)));
            set("Genre", pick(words));
            set("SubGenre", pick(words) + QStringLiteral(" Sub"));
            if (random.bounded(3) == 0)
                set("SubGenre2", pick(words) + QStringLiteral(" Sub"));
            set("Designer", QStringLiteral("Designer %1").arg(random.bounded(3000)));
            set("Platform", pick(platforms));
            if (random.bounded(4) == 0)
                set("OtherPlatform1", pick(platforms));
            set("Series", pick(words) + QStringLiteral(" Saga"));
            set("Emulator", QStringLiteral("Emulator %1").arg(random.bounded(10)));
            set("Executable", QStringLiteral("GAME.EXE"));
            set("Front01", QStringLiteral("front.jpg"));
            set("Title01", QStringLiteral("title.png"));
            set("Screen01", QStringLiteral("screen.png"));
            set("About", name + QStringLiteral(".txt"));
            set("Folder", pick(platforms));
            set("Subfolder", name);
            set("IniFile", QStringLiteral("game.ini"));
            set("FolderDateCreated", QStringLiteral("2004-01-01 10:00"));
            set("FolderDateModified", QStringLiteral("2019-06-01 12:00"));
            grid.appendRow(std::move(cells));
        }
        return grid;
    }();
    return table;
}

// The working table as the list leaves it: sorted by name.
GameTable sortedCollection(MainListOptions &options)
{
    GameTable grid = collection();
    applyMainSortField(grid, QStringLiteral("Name"), options.mainSortColumn, options.listShowsSortValue);
    return grid;
}

// What follows every filter: the list build, the value box's list and the category menus.
void rebuildAfterFilter(GameTable &grid, const MainListOptions &options, const QString &field)
{
    const MainListBuild build = buildMainList(grid, options);
    benchmark::DoNotOptimize(build.entries.data());
    const QStringList values = fieldValueList(grid, field);
    benchmark::DoNotOptimize(values.data());
    const auto menus = collectCategoryValues(grid);
    benchmark::DoNotOptimize(menus.data());
}

// The sort by the main sort field, the filter and everything rebuilt after it. The copy of the
// start table stays out of the figure.
void fieldFilter(benchmark::State &state, const QString &field, const QString &value)
{
    MainListOptions options;
    const GameTable start = sortedCollection(options);
    GameTable grid;
    int left = 0;
    for (auto _ : state) {
        grid = start;
        const auto begin = std::chrono::steady_clock::now();
        FilterModes modes;
        applyMainSortField(grid, QStringLiteral("Name"), options.mainSortColumn, options.listShowsSortValue);
        applyFieldFilter(grid, field, value, modes);
        rebuildAfterFilter(grid, options, field);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        left = grid.rowCount() - 1;
    }
    state.counters["games left"] = left;
}

void BM_FilterNarrowGenre(benchmark::State &state)
{
    fieldFilter(state, QStringLiteral("Genre"), QStringLiteral("Quest"));
}

// A filter that keeps every game is the worst case for the rebuild.
void BM_FilterKeepingEverything(benchmark::State &state)
{
    fieldFilter(state, QStringLiteral("Executable"), QStringLiteral("GAME.EXE"));
}

void BM_FilterPlatformWithOtherPlatforms(benchmark::State &state)
{
    fieldFilter(state, QStringLiteral("Platform"), QStringLiteral("DOS"));
}

void BM_TextSearch(benchmark::State &state)
{
    MainListOptions options;
    const GameTable start = sortedCollection(options);
    GameTable grid;
    int left = 0;
    for (auto _ : state) {
        grid = start;
        const auto begin = std::chrono::steady_clock::now();
        applyTextSearch(grid, QStringLiteral("works 12"));
        rebuildAfterFilter(grid, options, QStringLiteral("All"));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        left = grid.rowCount() - 1;
    }
    state.counters["games left"] = left;
}

// Every game back from the data cache, sorted by name, the list and the menus rebuilt.
void BM_ShowAllFromCache(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString cache = dir.path() + QStringLiteral("/DataCache.txt");
    if (!SaveStringGrid(collection(), cache)) {
        state.SkipWithError("cannot write the data cache");
        return;
    }
    GameTable grid;
    for (auto _ : state) {
        grid = GameTable();
        grid.appendRow({});
        MainListOptions options;
        const auto begin = std::chrono::steady_clock::now();
        if (Result<GameTable> loaded = LoadStringGrid(cache))
            grid = std::move(*loaded);
        applyMainSortField(grid, QStringLiteral("Name"), options.mainSortColumn, options.listShowsSortValue);
        rebuildAfterFilter(grid, options, QStringLiteral("All"));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
    state.counters["games"] = grid.rowCount() - 1;
}

// The menus as the window holds them, wired to a real filter controller over a session whose
// settings file lies in a temporary folder.
struct MenuRig
{
    QTemporaryDir dir;
    QtShell shell{[](const Failure &) {}};
    QtFileOps fileOps;
    QtDialogs dialogs;
    QtClock clock;
    QtRandom random;
    Platform platform{shell, fileOps, dialogs, clock, random};
    LibrarySession session{platform, dir.path()};
    QWidget window;
    FindPanel *panel = new FindPanel(&window);
    std::unique_ptr<FilterController> filters;
    std::array<QMenu *, CategoryMenuCount> menus{};
    std::unique_ptr<CategoryMenuController> categories;

    MenuRig()
    {
        filters = std::make_unique<FilterController>(session, *panel);
        for (QMenu *&menu : menus)
            menu = new QMenu(&window);
        categories = std::make_unique<CategoryMenuController>(*filters, menus);
    }
};

// Opening the Developer menu and its fullest letter group after a list build: the items made
// on demand and the menu measured for display.
void openLargestGroup(benchmark::State &state, const GameTable &grid)
{
    BenchApplication::shared();
    MenuRig rig;
    qsizetype items = 0;
    for (auto _ : state) {
        rig.categories->rebuild(grid);
        QMenu *developers = rig.categories->menu(CategoryMenu::Developer);
        emit developers->aboutToShow();
        QMenu *largest = developers;
        qsizetype most = -1;
        const CategoryValues &values = rig.categories->values(CategoryMenu::Developer);
        for (int g = 0; g < LetterGroupCount && values.grouped; ++g) {
            if (values.groups[static_cast<size_t>(g)].size() > most) {
                most = values.groups[static_cast<size_t>(g)].size();
                largest = developers->actions().at(g)->menu();
            }
        }
        emit largest->aboutToShow();
        benchmark::DoNotOptimize(developers->sizeHint());
        benchmark::DoNotOptimize(largest->sizeHint());
        items = largest->actions().size();
    }
    state.counters["items"] = static_cast<double>(items);
}

void BM_OpenDeveloperMenu(benchmark::State &state)
{
    // Includes collecting the menu values once per round, as a list build does.
    openLargestGroup(state, collection());
}

// Every developer in one letter group: the worst a menu can hold.
void BM_OpenDeveloperMenuOneGroup(benchmark::State &state)
{
    static const GameTable grid = [] {
        GameTable table = collection();
        const int developer = table.column(QStringLiteral("Developer"));
        for (int r = 1; r < table.rowCount(); ++r)
            table.setCell(developer, r, QStringLiteral("Developer ") + table.cell(developer, r));
        return table;
    }();
    openLargestGroup(state, grid);
}

// The whole path of a fact-label click through the filter state, its controller and the real
// widgets: field box, value list of the developers, filter, list build into a list view,
// category menus.
void BM_DeveloperClickThroughController(benchmark::State &state)
{
    BenchApplication::shared();
    MenuRig rig;
    QListView *list = new QListView(&rig.window);
    list->setUniformItemSizes(true);
    list->setModel(&rig.session.browse().listModel());
    QObject::connect(&rig.session.browse(), &BrowseModel::listChanged, list,
                     [&] { rig.categories->rebuild(rig.session.library().table()); });
    MainListOptions options;
    const GameTable start = sortedCollection(options);
    // The collection comes in as the data cache of an empty library, which Show All reads.
    rig.session.startUp();
    const LibraryModel &library = rig.session.library();
    if (!SaveStringGrid(start, library.state().Places.dataCache(library.root()).file)) {
        state.SkipWithError("could not write the data cache");
        return;
    }
    BrowseModel &browse = rig.session.browse();
    browse.restoreAll();
    // The developer of the table's middle game, so that the filter keeps a handful.
    const QString developer = start.cell(start.column(QStringLiteral("Developer")), start.rowCount() / 2);
    for (auto _ : state) {
        browse.restoreAll();
        const auto begin = std::chrono::steady_clock::now();
        rig.session.filter().fieldFilter(QStringLiteral("Developer"), developer);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
    state.counters["games left"] = library.table().rowCount() - 1;
}

} // namespace

BENCHMARK(BM_DeveloperClickThroughController)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterNarrowGenre)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterKeepingEverything)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterPlatformWithOtherPlatforms)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextSearch)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowAllFromCache)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDeveloperMenu)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDeveloperMenuOneGroup)->Unit(benchmark::kMillisecond);
