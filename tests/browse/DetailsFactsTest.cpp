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

TEST(DetailsFacts, NamesAndPlacesOfTheLabels)
{
    EXPECT_EQ(objectName(Manual), QStringLiteral("lblManual2"));
    EXPECT_EQ(objectName(Platform), QStringLiteral("lblPlatform"));
    EXPECT_EQ(objectName(OtherPlatform1 + 9), QStringLiteral("lblOtherPlatform10"));
    EXPECT_EQ(objectName(Extra1 + 6), QStringLiteral("lblExtra7"));
    EXPECT_EQ(captionName(9), QStringLiteral("lblDetail10"));
    EXPECT_EQ(captionText(4), QStringLiteral("SubGenres:"));
    EXPECT_EQ(pictureName(DetailsContent::Front, true), QStringLiteral("imgFront02"));
    EXPECT_EQ(pictureName(DetailsContent::Advert, false), QStringLiteral("imgAdv"));
    EXPECT_TRUE(pictureName(DetailsContent::Media, true).isEmpty());

    EXPECT_EQ(designPlace(DetailsFacts::Setup), QPoint(85, 230)); // the twelfth row
    EXPECT_EQ(designPlace(OtherPlatform1 + 3), designPlace(Platform));
    EXPECT_EQ(designPlace(Extra1), QPoint(0, 50));
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
        EXPECT_EQ(click.kind, c.kind) << objectName(c.label).toStdString();
        EXPECT_EQ(click.field, c.field) << objectName(c.label).toStdString();
        EXPECT_EQ(click.number, c.number) << objectName(c.label).toStdString();
        EXPECT_EQ(click.target, c.target) << objectName(c.label).toStdString();
    }
    EXPECT_EQ(platformIndex(DetailsFacts::Setup), -1);
    EXPECT_EQ(platformIndex(Extra1), -1);
}

TEST(DetailsFacts, ArrangementMovesTheExtrasAndThePlatformRowOnly)
{
    std::array<QRect, LabelCount> labels;
    for (int id = 0; id < LabelCount; ++id)
        labels[size_t(id)] = QRect(designPlace(id), QSize(30, 15));
    labels[Year].setWidth(900); // beside the platforms, never beside the extras
    labels[Series2].setWidth(200);
    labels[Platform].setWidth(40);
    labels[OtherPlatform1].setWidth(25);
    const Arrangement a = arrange(labels);
    EXPECT_EQ(a.extrasHeading, QPoint(85 + 200 + 20, 30));
    EXPECT_EQ(a.labels[Extra1 + 2], QPoint(305, 90));
    EXPECT_EQ(a.labels[Series2], designPlace(Series2));
    EXPECT_EQ(a.labels[OtherPlatform1], QPoint(200 + 40 + 6, 10));
    EXPECT_EQ(a.separators[0], QPoint(240, 10));
    EXPECT_EQ(a.labels[OtherPlatform1 + 1], QPoint(246 + 25 + 6, 10));
    EXPECT_EQ(a.separators[1], QPoint(271, 10));
}

} // namespace details_facts_test
