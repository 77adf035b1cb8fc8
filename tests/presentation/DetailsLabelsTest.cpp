#include "presentation/DetailsLabels.h"

#include <gtest/gtest.h>

// A namespace of its own: the facts' names would meet other tests' in a unity build.
namespace details_labels_test {

using namespace DetailsFacts;
using namespace DetailsLabels;

TEST(DetailsLabels, NamesAndPlacesOfTheLabels)
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

TEST(DetailsLabels, ArrangementMovesTheExtrasAndThePlatformRowOnly)
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

} // namespace details_labels_test
