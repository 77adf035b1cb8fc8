#include "browse/CategoryMenuFill.h"
#include "library/GameTable.h"
#include "support/TableHelpers.h"

#include <gtest/gtest.h>

namespace {

GameTable developersTable(const QStringList &developers)
{
    std::vector<QStringList> rows;
    for (const QString &developer : developers)
        rows.push_back({QString::number(rows.size() + 1), developer, developer});
    return tableOf({QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Developer")}, rows);
}

TEST(CategoryMenuFill, AMenuIsFilledOnceForEachListBuild)
{
    CategoryMenuFill fill;
    EXPECT_TRUE(fill.takeMenu(CategoryMenu::Developer)) << "the first opening fills an empty menu";
    EXPECT_FALSE(fill.takeMenu(CategoryMenu::Developer));

    fill.rebuild(developersTable({QStringLiteral("Sierra"), QStringLiteral("Lucasfilm")}));
    EXPECT_EQ(fill.values(CategoryMenu::Developer).values,
              (QStringList{QStringLiteral("Lucasfilm"), QStringLiteral("Sierra")}));
    EXPECT_TRUE(fill.takeMenu(CategoryMenu::Developer));
    EXPECT_FALSE(fill.takeMenu(CategoryMenu::Developer));
    EXPECT_TRUE(fill.takeMenu(CategoryMenu::Publisher)) << "each menu on its own";
}

TEST(CategoryMenuFill, ALetterGroupIsFilledOnceForEachFillOfItsMenu)
{
    CategoryMenuFill fill;
    ASSERT_TRUE(fill.takeMenu(CategoryMenu::Developer));
    EXPECT_TRUE(fill.takeGroup(CategoryMenu::Developer, 3));
    EXPECT_FALSE(fill.takeGroup(CategoryMenu::Developer, 3));
    EXPECT_TRUE(fill.takeGroup(CategoryMenu::Developer, 6));
    EXPECT_TRUE(fill.takeGroup(CategoryMenu::Platform, 3));
    EXPECT_FALSE(fill.takeGroup(CategoryMenu::Developer, LetterGroupCount));

    // A list build alone leaves the groups of the menu on show as they are; its next opening
    // makes new ones.
    fill.rebuild(developersTable({QStringLiteral("Sierra")}));
    EXPECT_FALSE(fill.takeGroup(CategoryMenu::Developer, 3));
    ASSERT_TRUE(fill.takeMenu(CategoryMenu::Developer));
    EXPECT_TRUE(fill.takeGroup(CategoryMenu::Developer, 3));
}

// A sort lists the same games: the menus keep their items. Any other change of the table, even
// in a copy sharing its columns, makes them anew.
TEST(CategoryMenuFill, ASortKeepsTheMenusWhileAChangedOrFilteredTableFillsThemAgain)
{
    CategoryMenuFill fill;
    GameTable table = developersTable({QStringLiteral("Sierra"), QStringLiteral("Lucasfilm"), QStringLiteral("Origin")});
    fill.rebuild(table);
    ASSERT_TRUE(fill.takeMenu(CategoryMenu::Developer));
    ASSERT_TRUE(fill.takeGroup(CategoryMenu::Developer, 2));

    table.permuteRows({0, 3, 1, 2});
    fill.rebuild(table);
    EXPECT_FALSE(fill.takeMenu(CategoryMenu::Developer));
    EXPECT_FALSE(fill.takeGroup(CategoryMenu::Developer, 2));

    GameTable copy = table;
    copy.setCell(2, 1, QStringLiteral("Infocom"));
    fill.rebuild(copy);
    EXPECT_TRUE(fill.takeMenu(CategoryMenu::Developer));
    EXPECT_EQ(fill.values(CategoryMenu::Developer).values,
              (QStringList{QStringLiteral("Infocom"), QStringLiteral("Lucasfilm"), QStringLiteral("Sierra")}));

    table.keepRows([&](int row) { return table.cell(2, row) != QLatin1String("Sierra"); });
    fill.rebuild(table);
    EXPECT_TRUE(fill.takeMenu(CategoryMenu::Developer));
    EXPECT_EQ(fill.values(CategoryMenu::Developer).values,
              (QStringList{QStringLiteral("Lucasfilm"), QStringLiteral("Origin")}));
    table.permuteRows({0, 2, 1});
    table.setCell(2, 1, QStringLiteral("Sierra"));
    fill.rebuild(table);
    EXPECT_TRUE(fill.takeMenu(CategoryMenu::Developer)) << "a sort and a change together";
}

} // namespace
