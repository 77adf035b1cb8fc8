#include "presentation/CategoryMenuItems.h"
#include "presentation/SortMenuItems.h"

#include <QSet>

#include <set>

#include <gtest/gtest.h>

namespace {

// The field the "&Sort By" item of that object name sorts by; empty for an unknown item.
QString sortFieldOfMenuItem(const QString &objectName)
{
    for (const SortMenuItems::Item &item : SortMenuItems::all()) {
        if (QLatin1String(item.objectName) == objectName)
            return mainSortField(item.sort);
    }
    return QString();
}

TEST(SortMenuItems, EveryOrderOnceUnderANameOfItsOwn)
{
    std::set<MainSort> sorts;
    QSet<QString> names;
    for (const SortMenuItems::Item &item : SortMenuItems::all()) {
        sorts.insert(item.sort);
        names.insert(QLatin1String(item.objectName));
    }
    EXPECT_EQ(sorts.size(), size_t(MainSortCount));
    EXPECT_EQ(names.size(), MainSortCount);

    EXPECT_EQ(sortFieldOfMenuItem(QStringLiteral("mnuDateCreated")), QStringLiteral("FolderDateCreated"));
    EXPECT_EQ(sortFieldOfMenuItem(QStringLiteral("mnuSubGenre")), QStringLiteral("SubGenre"));
    EXPECT_EQ(sortFieldOfMenuItem(QStringLiteral("mnuNothing")), QString());
}

// The window files each menu under the kind its item names: a row out of order would fill one
// menu with another's values.
TEST(CategoryMenuItems, InCategoryMenuOrderWithNamesOfTheirOwn)
{
    QSet<QString> names;
    for (int i = 0; i < CategoryMenuCount; ++i) {
        const CategoryMenuItems::Item &item = CategoryMenuItems::all()[size_t(i)];
        EXPECT_EQ(item.menu, static_cast<CategoryMenu>(i)) << item.objectName;
        names.insert(QLatin1String(item.objectName));
    }
    EXPECT_EQ(names.size(), CategoryMenuCount);
    EXPECT_STREQ(CategoryMenuItems::all()[size_t(CategoryMenu::DevOrPub)].objectName, "mnuCatDevOrPub");
}

// A caption that names letters the group does not hold sends the user to the wrong submenu.
TEST(CategoryMenuItems, LetterGroupCaptionsNameTheLettersOfTheirGroup)
{
    const auto &captions = CategoryMenuItems::letterGroupCaptions();
    EXPECT_EQ(captions[0], QStringLiteral("#-C"));
    EXPECT_EQ(captions[6], QStringLiteral("X-Z"));
    for (int g = 0; g < LetterGroupCount; ++g) {
        const QString caption = captions[size_t(g)];
        ASSERT_EQ(caption.size(), 3);
        const QChar first = g == 0 ? QLatin1Char('A') : caption[0];
        const QChar last = caption[2];
        EXPECT_EQ(letterGroupOf(QString(first)), g) << caption.toStdString();
        EXPECT_EQ(letterGroupOf(QString(last)), g) << caption.toStdString();
        if (last != QLatin1Char('Z')) {
            EXPECT_EQ(letterGroupOf(QString(QChar(last.unicode() + 1))), g + 1) << caption.toStdString();
        }
    }
}

TEST(CategoryMenuItems, ValueCaptionsShowTheValueAsItIs)
{
    // No accelerator, and no shortcut column split off by a tab.
    EXPECT_EQ(CategoryMenuItems::valueCaption(QStringLiteral("Tom & Jerry && Co")),
              QStringLiteral("Tom && Jerry &&&& Co"));
    EXPECT_EQ(CategoryMenuItems::valueCaption(QStringLiteral("Left\tRight")), QStringLiteral("Left Right"));
    EXPECT_EQ(CategoryMenuItems::valueCaption(QStringLiteral("Sierra")), QStringLiteral("Sierra"));
}

} // namespace
