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

} // namespace
