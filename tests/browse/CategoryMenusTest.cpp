#include "browse/CategoryMenus.h"
#include "browse/FieldFilter.h"
#include "browse/ValueLists.h"
#include "library/GameTable.h"
#include "support/TableHelpers.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// A table with every column a category menu draws from.
GameTable categoryTable(const std::vector<QStringList> &rows)
{
    const QStringList fields{QStringLiteral("Number"),   QStringLiteral("Name"),     QStringLiteral("Developer"),
                             QStringLiteral("Publisher"), QStringLiteral("Platform"), QStringLiteral("OtherPlatform1"),
                             QStringLiteral("Genre"),     QStringLiteral("SubGenre"), QStringLiteral("SubGenre2"),
                             QStringLiteral("Emulator")};
    return tableOf(fields, rows);
}

const CategoryValues &of(const std::array<CategoryValues, CategoryMenuCount> &menus, CategoryMenu menu)
{
    return menus[static_cast<size_t>(menu)];
}

TEST(ValueLists, MergeWithoutRegardToCaseFirstSpellingWinsSorted)
{
    const GameTable grid = tableOf(
        {QStringLiteral("Number"), QStringLiteral("Developer"), QStringLiteral("Developer")},
        {{QStringLiteral("1"), QStringLiteral("sierra"), QStringLiteral("Zeta")},
         {QStringLiteral("2"), QStringLiteral("Sierra"), QStringLiteral("")},
         {QStringLiteral("3"), QStringLiteral("Apogee"), QStringLiteral("SIERRA")},
         {QStringLiteral("4"), QStringLiteral("accolade"), QStringLiteral("zeta")}});
    // Both columns of the name count, the first column's rows first; the empty value leads.
    EXPECT_EQ(fieldValueList(grid, QStringLiteral("Developer")),
              (QStringList{QString(), QStringLiteral("accolade"), QStringLiteral("Apogee"), QStringLiteral("sierra"),
                           QStringLiteral("Zeta")}));
    EXPECT_TRUE(fieldValueList(grid, QStringLiteral("Publisher")).isEmpty()) << "no such column, no list";
    EXPECT_EQ(fieldValueList(grid, QStringLiteral("Number")).size(), 5) << "column 0 counts for the value box";
}

TEST(ValueLists, FieldListLeavesOutFilesAndProgramsAndIsSorted)
{
    const GameTable grid = tableOf({QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("year"),
                                    QStringLiteral("Executable"), QStringLiteral("Setup"), QStringLiteral("Front01"),
                                    QStringLiteral("Extra3"), QStringLiteral("ExtraLink7"), QStringLiteral("Manual"),
                                    QStringLiteral("Adv01"), QStringLiteral("Developer"), QStringLiteral("About")},
                                   {});
    EXPECT_EQ(filterFieldList(grid), (QStringList{QStringLiteral("About"), QStringLiteral("All"),
                                                  QStringLiteral("Developer"), QStringLiteral("Name"),
                                                  QStringLiteral("year")}));
}

TEST(CategoryValues, EachMenuCollectsItsSourceColumns)
{
    const GameTable grid = categoryTable(
        {{QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("Sierra"), QStringLiteral("Activision"),
                   QStringLiteral("PC"), QStringLiteral("Amiga"), QStringLiteral("Adventure"), QStringLiteral("Puzzle"),
                   QString(), QStringLiteral("DOSBox")},
                  {QStringLiteral("2"), QStringLiteral("B"), QStringLiteral("activision"), QStringLiteral("SIERRA"),
                   QStringLiteral("SNES"), QString(), QStringLiteral("adventure"), QString(), QStringLiteral("Arcade"),
                   QStringLiteral("SNES")}});
    const auto menus = collectCategoryValues(grid);
    EXPECT_EQ(of(menus, CategoryMenu::Developer).values, (QStringList{QStringLiteral("activision"), QStringLiteral("Sierra")}));
    EXPECT_EQ(of(menus, CategoryMenu::Publisher).values, (QStringList{QStringLiteral("Activision"), QStringLiteral("SIERRA")}));
    // A company that is developer and publisher is listed once, spelled as the developers first had it.
    EXPECT_EQ(of(menus, CategoryMenu::DevOrPub).values, (QStringList{QStringLiteral("activision"), QStringLiteral("Sierra")}));
    // Other platforms are not offered, though choosing a platform also keeps them (the filter's rule).
    EXPECT_EQ(of(menus, CategoryMenu::Platform).values, (QStringList{QStringLiteral("PC"), QStringLiteral("SNES")}));
    EXPECT_EQ(of(menus, CategoryMenu::Genre).values, QStringList{QStringLiteral("Adventure")});
    EXPECT_EQ(of(menus, CategoryMenu::GenrePlus).values, QStringList{QStringLiteral("Adventure")});
    EXPECT_EQ(of(menus, CategoryMenu::SubGenres).values, (QStringList{QStringLiteral("Arcade"), QStringLiteral("Puzzle")}));
    EXPECT_EQ(of(menus, CategoryMenu::Emulator).values, (QStringList{QStringLiteral("DOSBox"), QStringLiteral("SNES")}));
    for (const CategoryValues &menu : menus)
        EXPECT_FALSE(menu.grouped);
}

TEST(CategoryValues, AnEmptyTableGivesEmptyMenus)
{
    for (const CategoryValues &menu : collectCategoryValues(categoryTable({})))
        EXPECT_TRUE(menu.values.isEmpty());
}

QStringList companies(int count)
{
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << QStringLiteral("Company %1").arg(i, 3, 10, QLatin1Char('0'));
    return values;
}

struct GroupCase
{
    const char *title;
    int count;
    bool letterGroups;
    bool grouped;
};

class LetterGroupThresholds : public ::testing::TestWithParam<GroupCase>
{
};

TEST_P(LetterGroupThresholds, GroupsFromFortyValuesOnInMenusThatHaveThem)
{
    const GroupCase &c = GetParam();
    const CategoryValues values = groupCategoryValues(companies(c.count), c.letterGroups);
    EXPECT_EQ(values.grouped, c.grouped);
    EXPECT_EQ(values.values.size(), c.count);
    if (c.grouped) {
        EXPECT_EQ(values.groups[0].size(), c.count) << "all begin with C";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LetterGroupThresholds,
                         ::testing::Values(GroupCase{"ThirtyNineFlat", 39, true, false},
                                           GroupCase{"FortyGrouped", 40, true, true},
                                           GroupCase{"FortyFlatWithoutGroups", 40, false, false},
                                           GroupCase{"NoneFlat", 0, true, false}),
                         [](const ::testing::TestParamInfo<GroupCase> &info) { return std::string(info.param.title); });

TEST(LetterGroups, InitialsUpperCasedAndEverythingElseIntoTheFirstGroup)
{
    const std::vector<std::pair<QString, int>> cases{
        {QStringLiteral("Apogee"), 0},    {QStringLiteral("cinemaware"), 0}, {QStringLiteral("3DO"), 0},
        {QStringLiteral("(Unknown)"), 0}, {QStringLiteral("Épée"), 0},        {QStringLiteral("Delphine"), 1},
        {QStringLiteral("gremlin"), 1},   {QStringLiteral("Hudson"), 2},      {QStringLiteral("konami"), 2},
        {QStringLiteral("Lucasfilm"), 3}, {QStringLiteral("Origin"), 3},      {QStringLiteral("psygnosis"), 4},
        {QStringLiteral("Sierra"), 4},    {QStringLiteral("Taito"), 5},       {QStringLiteral("westwood"), 5},
        {QStringLiteral("Xatrix"), 6},    {QStringLiteral("zeppelin"), 6},    {QString(), 0}};
    for (const auto &[value, group] : cases)
        EXPECT_EQ(letterGroupOf(value), group) << value.toStdString();
}

TEST(LetterGroups, GroupsKeepTheSortedOrderAndAllSevenExist)
{
    QStringList values = companies(38);
    values << QStringLiteral("1st Division") << QStringLiteral("zeppelin") << QStringLiteral("Ubi");
    // Sorted as the collector sorts: by case-folded text.
    std::sort(values.begin(), values.end(),
              [](const QString &a, const QString &b) { return a.toCaseFolded() < b.toCaseFolded(); });
    const CategoryValues grouped = groupCategoryValues(values, true);
    ASSERT_TRUE(grouped.grouped);
    EXPECT_EQ(grouped.groups[0].front(), QStringLiteral("1st Division"));
    EXPECT_EQ(grouped.groups[0].size(), 39);
    EXPECT_EQ(grouped.groups[5], QStringList{QStringLiteral("Ubi")});
    EXPECT_EQ(grouped.groups[6], QStringList{QStringLiteral("zeppelin")});
    EXPECT_TRUE(grouped.groups[1].isEmpty());
}

TEST(CategoryChoices, GalleryHintsAndModes)
{
    EXPECT_EQ(galleryHintFor(CategoryMenu::Developer, QStringLiteral("Quillmark Software")), QStringLiteral("Quillmark"));
    EXPECT_EQ(galleryHintFor(CategoryMenu::DevOrPub, QStringLiteral("Quillmark Software")), QStringLiteral("Quillmark"));
    EXPECT_EQ(galleryHintFor(CategoryMenu::Publisher, QStringLiteral("quillmark software")), QString());
    EXPECT_EQ(galleryHintFor(CategoryMenu::Platform, QStringLiteral("Arcade")), QStringLiteral("Arcade"));
    EXPECT_EQ(galleryHintFor(CategoryMenu::Platform, QStringLiteral("2600")), QStringLiteral("2600"));
    EXPECT_EQ(galleryHintFor(CategoryMenu::Emulator, QStringLiteral("SNES")), QStringLiteral("SNES"));
    EXPECT_EQ(galleryHintFor(CategoryMenu::Emulator, QStringLiteral("Arcade")), QString());
    EXPECT_EQ(galleryHintFor(CategoryMenu::Genre, QStringLiteral("SNES")), QString());

    FilterModes modes;
    switchModeFor(CategoryMenu::DevOrPub, modes);
    EXPECT_TRUE(modes.devOrPub);
    switchModeFor(CategoryMenu::Developer, modes);
    EXPECT_FALSE(modes.devOrPub);
    switchModeFor(CategoryMenu::GenrePlus, modes);
    EXPECT_TRUE(modes.genrePlus);
    switchModeFor(CategoryMenu::Publisher, modes);
    EXPECT_TRUE(modes.genrePlus) << "other menus leave the modes alone";
}

} // namespace
