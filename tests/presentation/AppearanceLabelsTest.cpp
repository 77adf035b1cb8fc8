#include "presentation/AppearanceLabels.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Four colour labels keep their silver at start-up; each colour label stands at its colour's place.
TEST(AppearanceLabels, FourKeepTheirSilverAndTheColoursKeepTheirOrder)
{
    QStringList silver;
    for (int i = 0; i < AppearanceLabels::Count; ++i) {
        const AppearanceLabel &label = AppearanceLabels::all()[size_t(i)];
        EXPECT_TRUE(label.choosesFont || int(label.color) == i) << label.objectName;
        if (!label.shownAtStartUp)
            silver.append(QLatin1String(label.objectName));
    }
    EXPECT_EQ(silver, (QStringList{QStringLiteral("lblMainBGColor"), QStringLiteral("lblNameColor"),
                                   QStringLiteral("lblNoteBGColor"), QStringLiteral("lblDetailsTextColor")}));
}

// Only the two backgrounds leave their labels alone: their colour is not a text colour.
TEST(AppearanceLabels, OnlyTheBackgroundsLeaveTheirLabelsAlone)
{
    const struct
    {
        Theme::Color item;
        bool showsChosenColor;
    } cases[] = {
        {Theme::Color::MainListBackground, false}, {Theme::Color::Name, true},
        {Theme::Color::NameShadow, true},          {Theme::Color::NoteBackground, false},
        {Theme::Color::Details, true},             {Theme::Color::DetailsHighlight, true},
        {Theme::Color::DetailsText, true},         {Theme::Color::DetailsBackground, true},
    };
    for (const auto &c : cases) {
        const AppearanceLabel &label = AppearanceLabels::all()[size_t(c.item)];
        EXPECT_EQ(label.showsChosenColor, c.showsChosenColor) << label.objectName;
    }
}

} // namespace
