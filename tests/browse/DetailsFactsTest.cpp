#include "browse/DetailsFacts.h"

#include <gtest/gtest.h>

// A namespace of its own: the facts' names would meet other tests' in a unity build.
namespace details_facts_test {

using namespace DetailsFacts;

DetailsContent doom()
{
    DetailsContent c;
    c.series = QStringLiteral("Doom");
    c.series2 = QStringLiteral("id Classics");
    c.setup = QStringLiteral("SETUP.EXE");
    c.manual = QStringLiteral("doom.pdf");
    c.platform = QStringLiteral("DOS");
    c.otherPlatforms[1] = QStringLiteral("32X");
    c.extras[6] = {QStringLiteral("Map"), QStringLiteral("map.png")};
    return c;
}

TEST(DetailsFacts, WhatTheLabelsShow)
{
    DetailsContent content = doom();
    EXPECT_EQ(shownFor(Series2, content)->text, QStringLiteral("id Classics"));
    EXPECT_FALSE(shownFor(Year, content)->visible);
    EXPECT_EQ(shownFor(Manual, content)->text, QStringLiteral("Available"));
    EXPECT_TRUE(shownFor(Manual, content)->visible);
    EXPECT_EQ(shownFor(OtherPlatform1 + 1, content)->text, QStringLiteral("32X"));
    EXPECT_EQ(shownFor(Extra1 + 6, content)->text, QStringLiteral("Map"));

    // A record without a manual keeps the caption's text; a platform switch keeps the row.
    content.manual.clear();
    content.platformsUpdated = false;
    EXPECT_EQ(shownFor(Manual, content)->text, QStringLiteral("Available"));
    EXPECT_FALSE(shownFor(Manual, content)->visible);
    EXPECT_FALSE(shownFor(Platform, content).has_value());
    EXPECT_FALSE(shownFor(OtherPlatform1 + 1, content).has_value());
    EXPECT_TRUE(shownFor(Extra1, content).has_value());
}

TEST(DetailsFacts, WhatAClickAsksFor)
{
    const DetailsContent content = doom();
    struct Case
    {
        int label;
        Click::Kind kind;
        QString field;
        int number;
        QString target;
    };
    const Case cases[] = {
        {Series2, Click::Field, QStringLiteral("Series"), 0, {}}, // both series filter by the first
        {Year, Click::Field, QStringLiteral("Year"), 0, {}},
        {Platform, Click::Platform, {}, 0, {}},
        {OtherPlatform1 + 9, Click::Platform, {}, 10, {}},
        {DetailsFacts::Setup, Click::Setup, {}, 0, {}},
        {Manual, Click::Manual, {}, 0, QStringLiteral("doom.pdf")},
        {Extra1 + 6, Click::Extra, {}, 7, QStringLiteral("map.png")},
    };
    for (const Case &c : cases) {
        const Click click = clickOn(c.label, content);
        EXPECT_EQ(click.kind, c.kind) << c.label;
        EXPECT_EQ(click.field, c.field) << c.label;
        EXPECT_EQ(click.number, c.number) << c.label;
        EXPECT_EQ(click.target, c.target) << c.label;
    }
    EXPECT_EQ(platformIndex(DetailsFacts::Setup), -1);
    EXPECT_EQ(platformIndex(Extra1), -1);
}

} // namespace details_facts_test
