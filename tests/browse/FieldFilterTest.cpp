#include "browse/FieldFilter.h"
#include "browse/TextSearch.h"
#include "library/GameTable.h"
#include "support/TableHelpers.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <map>

namespace {

using Row = std::map<QString, QString>;

// Games given by the fields they fill, numbered from 1.
GameTable tableOfGames(const std::vector<Row> &rows, const QStringList &fields)
{
    GameTable grid = tableOf(fields);
    int number = 1;
    for (const Row &row : rows) {
        std::vector<QString> cells(static_cast<size_t>(fields.size()));
        cells[0] = QString::number(number++);
        for (const auto &[field, value] : row)
            cells[static_cast<size_t>(grid.column(field))] = value;
        grid.appendRow(std::move(cells));
    }
    return grid;
}

// The same, with every field the filter rules compare.
GameTable tableOfGames(const std::vector<Row> &rows)
{
    return tableOfGames(rows, {QStringLiteral("Number"),         QStringLiteral("Name"),
                               QStringLiteral("Year"),           QStringLiteral("Developer"),
                               QStringLiteral("Publisher"),      QStringLiteral("Genre"),
                               QStringLiteral("SubGenre"),       QStringLiteral("SubGenre2"),
                               QStringLiteral("Designer"),       QStringLiteral("Designer2"),
                               QStringLiteral("Series"),         QStringLiteral("Series2"),
                               QStringLiteral("Platform"),       QStringLiteral("About"),
                               QStringLiteral("OtherPlatform1"), QStringLiteral("OtherPlatform2"),
                               QStringLiteral("OtherPlatform3"), QStringLiteral("OtherPlatform10")});
}

QStringList names(const GameTable &grid)
{
    return columnValues(grid, grid.column(QStringLiteral("Name")));
}

// One library for every rule: each game is kept by the rules that name one of its cells.
GameTable library()
{
    return tableOfGames({
        {{QStringLiteral("Name"), QStringLiteral("Alpha")}, {QStringLiteral("Platform"), QStringLiteral("PC")},
         {QStringLiteral("OtherPlatform3"), QStringLiteral("DOS")}, {QStringLiteral("Developer"), QStringLiteral("Sierra")},
         {QStringLiteral("Genre"), QStringLiteral("Adventure")}, {QStringLiteral("Series2"), QStringLiteral("Quest")}},
        {{QStringLiteral("Name"), QStringLiteral("Beta")}, {QStringLiteral("Platform"), QStringLiteral("DOS")},
         {QStringLiteral("Developer"), QStringLiteral("sierra")}, {QStringLiteral("Publisher"), QStringLiteral("Sierra")},
         {QStringLiteral("SubGenre2"), QStringLiteral("Adventure")}, {QStringLiteral("Designer2"), QStringLiteral("Roberta")}},
        {{QStringLiteral("Name"), QStringLiteral("Gamma")}, {QStringLiteral("Platform"), QStringLiteral("Amiga")},
         {QStringLiteral("OtherPlatform10"), QStringLiteral("DOS")}, {QStringLiteral("Series"), QStringLiteral("Quest")},
         {QStringLiteral("Designer"), QStringLiteral("Roberta")}, {QStringLiteral("SubGenre"), QStringLiteral("Puzzle")},
         {QStringLiteral("Year"), QStringLiteral("1990")}},
        {{QStringLiteral("Name"), QStringLiteral("Delta")}, {QStringLiteral("Platform"), QStringLiteral("C64")},
         {QStringLiteral("Developer"), QStringLiteral("Sierra ")}, {QStringLiteral("Genre"), QStringLiteral("Puzzle")},
         {QStringLiteral("Year"), QStringLiteral("1990")}},
    });
}

struct RuleCase
{
    const char *title;
    QString field;
    QString value;
    FilterModes modes;
    QStringList kept;
    FilterModes modesAfter;
};

class FieldFilterRules : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(FieldFilterRules, KeepsTheRowsWhoseComparedCellsHoldTheValueExactly)
{
    const RuleCase &c = GetParam();
    GameTable grid = library();
    FilterModes modes = c.modes;
    const int before = grid.rowCount();
    const int deleted = applyFieldFilter(grid, c.field, c.value, modes);
    EXPECT_EQ(names(grid), c.kept);
    EXPECT_EQ(deleted, before - grid.rowCount());
    EXPECT_EQ(modes.devOrPub, c.modesAfter.devOrPub);
    EXPECT_EQ(modes.genrePlus, c.modesAfter.genrePlus);
    EXPECT_EQ(grid.cell(1, 0), QStringLiteral("Name")) << "the field names stay";
}

const FilterModes Off{};
const FilterModes DevOrPub{true, false};
const FilterModes GenrePlus{false, true};
const FilterModes Both{true, true};

INSTANTIATE_TEST_SUITE_P(
    Table, FieldFilterRules,
    ::testing::Values(
        RuleCase{"PlatformIncludesOtherPlatforms", QStringLiteral("Platform"), QStringLiteral("DOS"), Off,
                 {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")}, Off},
        RuleCase{"DesignerPairFromFirst", QStringLiteral("Designer"), QStringLiteral("Roberta"), Off,
                 {QStringLiteral("Beta"), QStringLiteral("Gamma")}, Off},
        RuleCase{"DesignerPairFromSecond", QStringLiteral("Designer2"), QStringLiteral("Roberta"), Off,
                 {QStringLiteral("Beta"), QStringLiteral("Gamma")}, Off},
        RuleCase{"SubGenrePair", QStringLiteral("SubGenre2"), QStringLiteral("Adventure"), Off,
                 {QStringLiteral("Beta")}, Off},
        RuleCase{"SeriesPairFromFirst", QStringLiteral("Series"), QStringLiteral("Quest"), Off,
                 {QStringLiteral("Alpha"), QStringLiteral("Gamma")}, Off},
        RuleCase{"DeveloperIsExactAndCaseSensitive", QStringLiteral("Developer"), QStringLiteral("sierra"), Off,
                 {QStringLiteral("Beta")}, Off},
        RuleCase{"PlainColumnWholeText", QStringLiteral("Developer"), QStringLiteral("Sierra"), Off,
                 {QStringLiteral("Alpha")}, Off},
        RuleCase{"DevOrPubKeepsEitherAndIsConsumed", QStringLiteral("Developer"), QStringLiteral("Sierra"), DevOrPub,
                 {QStringLiteral("Alpha"), QStringLiteral("Beta")}, Off},
        RuleCase{"DevOrPubFromPublisher", QStringLiteral("Publisher"), QStringLiteral("Sierra"), DevOrPub,
                 {QStringLiteral("Alpha"), QStringLiteral("Beta")}, Off},
        RuleCase{"DevOrPubOnOtherFieldDeletesNothing", QStringLiteral("Year"), QStringLiteral("1990"), DevOrPub,
                 {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma"), QStringLiteral("Delta")}, Off},
        RuleCase{"PairRulesComeBeforeTheModes", QStringLiteral("Platform"), QStringLiteral("C64"), Both,
                 {QStringLiteral("Delta")}, Both},
        RuleCase{"DevOrPubComesBeforeGenrePlus", QStringLiteral("Developer"), QStringLiteral("Sierra"), Both,
                 {QStringLiteral("Alpha"), QStringLiteral("Beta")}, GenrePlus},
        RuleCase{"GenrePlusAddsBothSubGenres", QStringLiteral("Genre"), QStringLiteral("Adventure"), GenrePlus,
                 {QStringLiteral("Alpha"), QStringLiteral("Beta")}, Off},
        RuleCase{"GenrePlusWhateverTheField", QStringLiteral("Year"), QStringLiteral("Puzzle"), GenrePlus,
                 {QStringLiteral("Gamma"), QStringLiteral("Delta")}, Off},
        RuleCase{"PlainGenreWithoutMode", QStringLiteral("Genre"), QStringLiteral("Adventure"), Off,
                 {QStringLiteral("Alpha")}, Off},
        RuleCase{"UnknownFieldComparesColumnZero", QStringLiteral("Nonsense"), QStringLiteral("3"), Off,
                 {QStringLiteral("Gamma")}, Off},
        RuleCase{"EmptyFieldComparesColumnZero", QString(), QStringLiteral("2"), Off, {QStringLiteral("Beta")}, Off},
        RuleCase{"NothingMatches", QStringLiteral("Year"), QStringLiteral("2001"), Off, {}, Off}),
    [](const ::testing::TestParamInfo<RuleCase> &info) { return std::string(info.param.title); });

TEST(FieldFilter, TheModeIsConsumedByTheNextFilterOnly)
{
    GameTable grid = library();
    FilterModes modes{true, false};
    applyFieldFilter(grid, QStringLiteral("Developer"), QStringLiteral("Sierra"), modes);
    ASSERT_EQ(names(grid), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
    // A second Developer filter compares the developer alone again.
    applyFieldFilter(grid, QStringLiteral("Developer"), QStringLiteral("Sierra"), modes);
    EXPECT_EQ(names(grid), QStringList{QStringLiteral("Alpha")});
}

TEST(FieldFilter, PairRulesIgnoreColumnsTheTableLacks)
{
    // Without an OtherPlatform or Designer2 column the number column must not stand in for them.
    const QStringList fields{QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Platform"),
                             QStringLiteral("Designer")};
    GameTable grid = tableOfGames({{{QStringLiteral("Name"), QStringLiteral("A")}, {QStringLiteral("Platform"), QStringLiteral("2")}},
                                   {{QStringLiteral("Name"), QStringLiteral("B")}, {QStringLiteral("Platform"), QStringLiteral("DOS")}}},
                                  fields);
    FilterModes modes;
    applyFieldFilter(grid, QStringLiteral("Platform"), QStringLiteral("2"), modes);
    EXPECT_EQ(names(grid), QStringList{QStringLiteral("A")});
    applyFieldFilter(grid, QStringLiteral("Designer2"), QStringLiteral("1"), modes);
    EXPECT_TRUE(names(grid).isEmpty());
}

TEST(FieldFilter, TheLastOfTwoColumnsOfOneNameDecides)
{
    const QStringList fields{QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Year"),
                             QStringLiteral("Year")};
    GameTable grid = tableOf(fields);
    grid.appendRow({QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("1990"), QStringLiteral("1991")});
    grid.appendRow({QStringLiteral("2"), QStringLiteral("B"), QStringLiteral("1991"), QStringLiteral("1990")});
    FilterModes modes;
    applyFieldFilter(grid, QStringLiteral("Year"), QStringLiteral("1990"), modes);
    EXPECT_EQ(names(grid), QStringList{QStringLiteral("B")});
}

struct SearchCase
{
    const char *title;
    QString text;
    QStringList kept;
};

class TextSearchCases : public ::testing::TestWithParam<SearchCase>
{
};

TEST_P(TextSearchCases, KeepsRowsWithTheTextInAnyCellRegardlessOfCase)
{
    GameTable grid = tableOfGames({
        {{QStringLiteral("Name"), QStringLiteral("Space Quest")}, {QStringLiteral("Developer"), QStringLiteral("Sierra")}},
        {{QStringLiteral("Name"), QStringLiteral("Loom")}, {QStringLiteral("About"), QStringLiteral("LOOM_QUEST.TXT")}},
        {{QStringLiteral("Name"), QStringLiteral("Die Straße")}, {QStringLiteral("Year"), QStringLiteral("1989")}},
        {{QStringLiteral("Name"), QStringLiteral("Élite")}, {QStringLiteral("OtherPlatform10"), QStringLiteral("BBC")}},
    });
    applyTextSearch(grid, GetParam().text);
    EXPECT_EQ(names(grid), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextSearchCases,
    ::testing::Values(
        SearchCase{"LowerCaseFindsCapitalsInNameAndAboutFile", QStringLiteral("quest"),
                   {QStringLiteral("Space Quest"), QStringLiteral("Loom")}},
        SearchCase{"SubstringInAnyColumn", QStringLiteral("ierr"), {QStringLiteral("Space Quest")}},
        SearchCase{"LastColumnCounts", QStringLiteral("bbc"), {QStringLiteral("Élite")}},
        SearchCase{"NumberColumnCounts", QStringLiteral("4"), {QStringLiteral("Élite")}},
        SearchCase{"AccentedLettersUpperCased", QStringLiteral("éLITE"), {QStringLiteral("Élite")}},
        SearchCase{"UpperCasingSharpS", QStringLiteral("STRASSE"), {QStringLiteral("Die Straße")}},
        SearchCase{"EmptyTextRemovesEveryGame", QString(), {}},
        SearchCase{"NoMatch", QStringLiteral("zork"), {}}),
    [](const ::testing::TestParamInfo<SearchCase> &info) { return std::string(info.param.title); });

} // namespace
