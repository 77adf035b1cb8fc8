// What a change of the sort order costs on a large collection (sorting the working table and
// building the folded list from it), and what one selection in the list costs.

#include "BenchSize.h"
#include "LibraryGenerator.h"
#include "browse/MainList.h"
#include "browse/NameIndex.h"
#include "browse/TableSort.h"
#include "library/GameTable.h"

#include <QRandomGenerator>
#include <QStringList>


#include <benchmark/benchmark.h>

#include <chrono>

namespace {

const int kGames = BenchSize::games(50000);

// A collection in scan order: about a fifth of the games are further platforms of a name met
// before, the rest have names of their own made of a few common words.
const GameTable &collection()
{
    static const GameTable table = [] {
        const QStringList words{QStringLiteral("Quest"),  QStringLiteral("Space"),  QStringLiteral("Dungeon"),
                                QStringLiteral("Knight"), QStringLiteral("Racer"),  QStringLiteral("Tetra"),
                                QStringLiteral("Legend"), QStringLiteral("Shadow"), QStringLiteral("Star"),
                                QStringLiteral("Master"), QStringLiteral("Ultima"), QStringLiteral("Island")};
        const QStringList platforms{QStringLiteral("DOS"),      QStringLiteral("Amiga"),
                                    QStringLiteral("C64"),      QStringLiteral("SNES"),
                                    QStringLiteral("NES"),      QStringLiteral("Atari ST"),
                                    QStringLiteral("Apple II"), QStringLiteral("Windows")};
        const QStringList ratings{QString(),
                                  QStringLiteral("*"),
                                  QStringLiteral("**"),
                                  QStringLiteral("***"),
                                  QStringLiteral("Love"),
                                  QStringLiteral("Hate")};
        QRandomGenerator random(1987);
        const auto pick = [&](const QStringList &from) {
            return from.at(static_cast<int>(random.bounded(from.size())));
        };
        const QStringList names = generatedTableFields();
        GameTable grid;
        grid.setSize(static_cast<int>(names.size()), 1);
        for (int c = 0; c < names.size(); ++c)
            grid.setCell(c, 0, names.at(c));
        const int nameColumn = grid.column(QStringLiteral("Name"));
        QStringList gameNames;
        for (int g = 1; g <= kGames; ++g) {
            std::vector<QString> cells(static_cast<size_t>(names.size()));
            QString name;
            if (!gameNames.isEmpty() && random.bounded(5) == 0)
                name = gameNames.at(static_cast<int>(random.bounded(gameNames.size())));
            else {
                name = pick(words) + QLatin1Char(' ') + pick(words) + QLatin1Char(' ') + QString::number(g);
                gameNames.append(name);
            }
            const int year = 1978 + static_cast<int>(random.bounded(22));
            const auto set = [&](const char *field, const QString &value) {
                cells[static_cast<size_t>(grid.column(QLatin1String(field)))] = value;
            };
            cells[0] = QString::number(g);
            cells[static_cast<size_t>(nameColumn)] = name;
            set("Year", random.bounded(30) == 0 ? QStringLiteral("199X") : QString::number(year));
            set("Developer", QStringLiteral("Developer %1").arg(random.bounded(1200)));
            set("Publisher", QStringLiteral("Publisher %1").arg(random.bounded(400)));
            set("Genre", pick(words));
            set("Platform", pick(platforms));
            set("Rating", pick(ratings));
            set("Folder", pick(platforms));
            set("Subfolder", name);
            set("Front01", QStringLiteral("front.jpg"));
            set("Emulator", QStringLiteral("DOSBox"));
            set("FolderDateCreated", QStringLiteral("%1-01-01 10:00").arg(2000 + random.bounded(24)));
            set("FolderDateModified", QStringLiteral("%1-06-01 12:00").arg(2000 + random.bounded(24)));
            grid.appendRow(std::move(cells));
        }
        return grid;
    }();
    return table;
}

// Timed by hand, so that copying the unsorted table in before each round stays out of the figure.
// Freeing the previous list is part of a rebuild and stays in.
void sortAndBuild(benchmark::State &state, const QString &startField, const QString &field)
{
    GameTable start = collection();
    MainListOptions options;
    applyMainSortField(start, startField, options.mainSortColumn, options.listShowsSortValue);
    std::size_t entries = 0;
    GameTable grid;
    MainListBuild build;
    for (auto _ : state) {
        grid = start;
        const auto begin = std::chrono::steady_clock::now();
        applyMainSortField(grid, field, options.mainSortColumn, options.listShowsSortValue);
        build = buildMainList(grid, options);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        entries = static_cast<std::size_t>(build.entries.size());
    }
    state.counters["entries"] = static_cast<double>(entries);
}

void BM_SortByNameAndBuild(benchmark::State &state)
{
    sortAndBuild(state, QStringLiteral("Year"), QStringLiteral("Name"));
}

void BM_SortByYearAndBuild(benchmark::State &state)
{
    sortAndBuild(state, QStringLiteral("Name"), QStringLiteral("Year"));
}

void sortOnly(benchmark::State &state, const QString &startField, const QString &field)
{
    GameTable start = collection();
    int column = 0;
    bool showsSortValue = false;
    applyMainSortField(start, startField, column, showsSortValue);
    GameTable grid;
    for (auto _ : state) {
        grid = start;
        const auto begin = std::chrono::steady_clock::now();
        SortStringGrid(grid, grid.column(field));
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
    }
}

void BM_SortOnlyByName(benchmark::State &state)
{
    sortOnly(state, QStringLiteral("Year"), QStringLiteral("Name"));
}

void BM_SortOnlyByYear(benchmark::State &state)
{
    sortOnly(state, QStringLiteral("Name"), QStringLiteral("Year"));
}

void BM_BuildOnly(benchmark::State &state)
{
    GameTable grid = collection();
    MainListOptions options;
    applyMainSortField(grid, QStringLiteral("Name"), options.mainSortColumn, options.listShowsSortValue);
    for (auto _ : state) {
        const MainListBuild build = buildMainList(grid, options);
        benchmark::DoNotOptimize(build.entries.data());
    }
}

void BM_Selection(benchmark::State &state)
{
    GameTable grid = collection();
    MainListOptions options;
    applyMainSortField(grid, QStringLiteral("Year"), options.mainSortColumn, options.listShowsSortValue);
    const MainListBuild build = buildMainList(grid, options);
    qsizetype index = 0;
    for (auto _ : state) {
        const QString name =
            gameNameOfEntry(build.entries.at(index), options.listShowsSortValue, options.listShowsRating);
        benchmark::DoNotOptimize(build.names.rowOf(name));
        index = (index + 7919) % build.entries.size();
    }
}

} // namespace

BENCHMARK(BM_SortByNameAndBuild)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByYearAndBuild)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortOnlyByName)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortOnlyByYear)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Selection);
