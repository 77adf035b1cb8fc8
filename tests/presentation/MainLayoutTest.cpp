#include "presentation/MainLayout.h"

#include <QFont>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace MainLayout;

namespace {

// An 800 by `height` window whose details panel fills the Main tab right of a 240-pixel list.
Input windowOf(int width, int height, bool resizeExtrasBox = true)
{
    Input in;
    in.windowSize = QSize(width, height);
    in.clientHeight = height - 50;
    in.view.panelDetails = QRect(250, 0, width - 260, height - 70);
    in.view.panelNoDetails = in.view.panelDetails;
    in.view.list = QRect(5, 5, 240, 300);
    in.view.memoWidth = 240;
    in.totalTop = height - 90;
    in.resizeExtrasBox = resizeExtrasBox;
    in.factsBox = QRect(0, 300, 300, 150);
    in.backShown = true;
    return in;
}

std::vector<QRect> placed(const MainLayout::Result &r)
{
    return {r.panelDetails, r.panelNoDetails, r.banner, r.shapeBox, r.shapeScreen, r.title, r.screen,
            r.media,        r.advert,         r.front,  r.back,     r.factsBox,    r.list,  r.memo,
            r.simpleFront,  r.simpleBack,     r.simpleTitle, r.simpleScreen};
}

} // namespace

TEST(MainLayout, SmallWindowGrowsToTheMinimumOneSideAtATime)
{
    Input in = windowOf(300, 300);
    MainLayout::Result r = layout(in);
    ASSERT_TRUE(r.resizeWindow);
    EXPECT_EQ(r.windowSize, QSize(400, 300));

    in = windowOf(400, 300);
    r = layout(in);
    ASSERT_TRUE(r.resizeWindow);
    EXPECT_EQ(r.windowSize, QSize(400, 400));

    r = layout(windowOf(400, 400));
    EXPECT_FALSE(r.resizeWindow);
}

TEST(MainLayout, PanelAreasFollowThePanelSize)
{
    Input in = windowOf(800, 600); // panel 540 x 530
    in.findShown = true;
    in.findHeight = 30;
    const MainLayout::Result r = layout(in);
    EXPECT_EQ(r.banner, QRect(0, 0, 540, 53));
    EXPECT_EQ(r.shapeScreen, QRect(354, 53, 190, 477));
    EXPECT_EQ(r.title, QRect(354, 53, 190, 155));
    EXPECT_EQ(r.screen, QRect(354, 212, 190, 155));
    EXPECT_EQ(r.media, QRect(354, 371, 190, 133));
    // The facts box sits under the box pictures, which end where it starts.
    EXPECT_EQ(r.factsBox, QRect(0, 331, 340, 163));
    EXPECT_EQ(r.shapeBox, QRect(0, 53, 350, 278));
    EXPECT_EQ(r.front, QRect(1, 53, 167, 278));
    EXPECT_EQ(r.back, QRect(170, 53, 167, 278));
    EXPECT_EQ(r.createdDate, QPoint(5, 494));
    // The list shares the client height with the notes, less the find panel above it.
    EXPECT_EQ(r.list, QRect(5, 5, 240, 550 - 183 - 36));
    EXPECT_EQ(r.memo.top(), 5 + r.list.height() + 5);
    EXPECT_EQ(r.memo.top() + r.memo.height(), in.totalTop - 5);
    EXPECT_EQ(r.findLeft, 5);
    EXPECT_EQ(r.simpleFront, QRect(0, 0, 270, 265));
    EXPECT_EQ(r.simpleScreen, QRect(270, 265, 270, 265));
}

TEST(MainLayout, FactsBoxIsCappedAndFollowsTheBottomOfATallWindow)
{
    for (int height : {1000, 1400}) {
        const MainLayout::Result r = layout(windowOf(800, height));
        EXPECT_EQ(r.factsBox.height(), FactsBoxHeightCap) << height;
        EXPECT_EQ(r.factsBox.top(), height - 350) << height;
        EXPECT_EQ(r.shapeBox.height(), r.factsBox.top() - r.banner.height()) << height;
        EXPECT_EQ(r.front.height(), r.shapeBox.height()) << height;
    }
    // The cap also holds for a box the pass does not recompute.
    Input kept = windowOf(800, 600, false);
    kept.factsBox = QRect(0, 100, 300, 400);
    EXPECT_EQ(layout(kept).factsBox, QRect(0, 250, 300, 250));
    kept.factsBox = QRect(0, 100, 300, 200);
    EXPECT_EQ(layout(kept).factsBox, kept.factsBox);
}

TEST(MainLayout, LargerInfoViewGrowsTheFactsBoxUpwardWithinTheCap)
{
    Input in = windowOf(800, 570); // panel height 500: facts box 149 high
    const MainLayout::Result normal = layout(in);
    ASSERT_EQ(normal.factsBox.height(), 149);

    EXPECT_TRUE(toggleLargerInfoView(in.view));
    const MainLayout::Result larger = layout(in);
    EXPECT_EQ(larger.factsBox.height(), normal.factsBox.height() + 100);
    EXPECT_EQ(larger.factsBox.top(), normal.factsBox.top() - 100);
    EXPECT_EQ(larger.shapeBox.height(), normal.shapeBox.height() - 100);
    EXPECT_EQ(larger.front.height(), normal.front.height() - 100);
    EXPECT_EQ(larger.back.height(), normal.back.height() - 100);

    // Growing past the cap gives the capped box instead.
    Input tall = windowOf(800, 640);
    toggleLargerInfoView(tall.view);
    EXPECT_EQ(layout(tall).factsBox.height(), FactsBoxHeightCap);

    EXPECT_FALSE(toggleLargerInfoView(in.view));
    EXPECT_EQ(placed(layout(in)), placed(normal));
}

TEST(MainLayout, WidenAndNarrowUndoEachOther)
{
    Input in = windowOf(1000, 700, false);
    const MainLayout::Result start = layout(in);
    for (int i = 0; i < 3; ++i)
        widenList(in.view);
    const MainLayout::Result wide = layout(in);
    EXPECT_EQ(wide.panelDetails, start.panelDetails.adjusted(75, 0, 0, 0));
    EXPECT_EQ(wide.list.width(), start.list.width() + 75);
    EXPECT_EQ(wide.memo.width(), start.memo.width() + 75);
    EXPECT_LT(wide.shapeBox.width(), start.shapeBox.width());
    for (int i = 0; i < 3; ++i)
        narrowList(in.view);
    EXPECT_EQ(placed(layout(in)), placed(start));

    // View Max is the same move by 100 and four more points of list font, undone by its toggle.
    in.view.listFontPointSize = 9;
    EXPECT_TRUE(toggleViewMax(in.view));
    EXPECT_EQ(in.view.listFontPointSize, 13);
    EXPECT_EQ(layout(in).panelDetails, start.panelDetails.adjusted(100, 0, 0, 0));
    EXPECT_FALSE(toggleViewMax(in.view));
    EXPECT_EQ(in.view.listFontPointSize, 9);
    EXPECT_EQ(placed(layout(in)), placed(start));
}

TEST(MainLayout, LengthenAndShortenMoveTheNotesByTenPixels)
{
    Input in = windowOf(800, 600, false);
    const int notesTop = layout(in).memo.top();
    lengthenList(in.view);
    EXPECT_EQ(in.view.listNotesOffset, 10);
    EXPECT_EQ(layout(in).memo.top(), notesTop + 10);
    lengthenList(in.view);
    EXPECT_EQ(layout(in).memo.top(), notesTop + 20);
    shortenList(in.view);
    shortenList(in.view);
    shortenList(in.view);
    EXPECT_EQ(in.view.listNotesOffset, -10);
    EXPECT_EQ(layout(in).memo.top(), notesTop - 10);

    EXPECT_EQ(tabBarHeight(true), 1);
    EXPECT_EQ(tabBarHeight(false), 16);
}

TEST(MainLayout, FrontTakesTheBacksPlaceWhenThereIsNoBack)
{
    Input in = windowOf(800, 600);
    const MainLayout::Result withBack = layout(in);
    EXPECT_EQ(withBack.front.width(), withBack.back.width());
    in.backShown = false;
    const MainLayout::Result alone = layout(in);
    EXPECT_EQ(alone.front.width(), 2 * alone.back.width());

    EXPECT_EQ(frontWidth(true, 300, 120), 120);
    EXPECT_EQ(frontWidth(false, 120, 120), 240);
    // Already doubled: a second application leaves it be.
    EXPECT_EQ(frontWidth(false, 240, 120), 240);
}

TEST(MainLayout, AdvertSharesTheMediaRow)
{
    Input in = windowOf(800, 600);
    const MainLayout::Result without = layout(in);
    in.advertShown = true;
    const MainLayout::Result with = layout(in);
    EXPECT_EQ(with.media.width(), with.shapeScreen.width() / 2);
    EXPECT_EQ(with.advert, QRect(with.media.x() + with.media.width(), without.media.y(),
                                 with.shapeScreen.width() / 2, without.media.height()));
    EXPECT_EQ(with.media.topLeft(), without.media.topLeft());
}

TEST(MainLayout, FactArrangement)
{
    // The extras column clears the widest fact beside it, hidden or not.
    const QVector<QRect> beside{QRect(85, 30, 60, 16), QRect(85, 50, 140, 16), QRect(85, 70, 0, 16),
                                QRect(85, 230, 90, 16)};
    EXPECT_EQ(extrasColumnLeft(beside), 245);
    EXPECT_EQ(extraTop(0), 50);
    EXPECT_EQ(extraTop(6), 170);

    std::array<int, 10> widths{};
    widths[0] = 30;
    widths[1] = 40;
    widths[2] = 25;
    const PlatformRow row = chainPlatformRow(QRect(200, 10, 50, 16), widths);
    EXPECT_EQ(row.separatorLefts[0], 250);
    EXPECT_EQ(row.otherLefts[0], 256);
    EXPECT_EQ(row.separatorLefts[1], 286);
    EXPECT_EQ(row.otherLefts[1], 292);
    EXPECT_EQ(row.separatorLefts[2], 332);
    EXPECT_EQ(row.otherLefts[2], 338);
    // Empty labels further on still take their gaps.
    EXPECT_EQ(row.otherLefts[3], 369);
    EXPECT_EQ(row.separatorLefts[8], 393);
    EXPECT_EQ(row.otherLefts[9], 405);
}

TEST(MainLayout, FactsScrollBarAppearsWhenSetupReachesTheBoxBottom)
{
    FactsScrollBar bar = factsScrollBar(246, QSize(300, 250), 16);
    EXPECT_FALSE(bar.visible);
    EXPECT_EQ(bar.scrollArea, QSize(300, 250));

    bar = factsScrollBar(246, QSize(300, 246), 16);
    EXPECT_TRUE(bar.visible);
    bar = factsScrollBar(246, QSize(300, 160), 16);
    EXPECT_TRUE(bar.visible);
    EXPECT_EQ(bar.maximum, 160);
    EXPECT_EQ(bar.pageStep, 16);
    EXPECT_EQ(bar.bar, QRect(282, 0, 16, 160));

    EXPECT_EQ(scrolledFactArea(QSize(300, 160), 40), QRect(0, -40, 300, 200));
    EXPECT_EQ(scrolledFactArea(QSize(300, 160), 0), QRect(0, 0, 300, 160));

    EXPECT_FALSE(noteNeedsScrollBar(11));
    EXPECT_TRUE(noteNeedsScrollBar(12));
}

TEST(MainLayout, NameFitStartsBelowFortyAndStopsAtTheMinimum)
{
    int calls = 0;
    // A name ten pixels wide and two high per point.
    const auto measure = [&](int pointSize) {
        ++calls;
        return QSize(10 * pointSize, 2 * pointSize);
    };
    EXPECT_EQ(fitNameFontSize(measure, QSize(1000, 200)), 38);
    EXPECT_EQ(fitNameFontSize(measure, QSize(300, 200)), 28);  // 29 is narrower, one more step
    EXPECT_EQ(fitNameFontSize(measure, QSize(1000, 50)), 24);  // the height decides
    calls = 0;
    EXPECT_EQ(fitNameFontSize(measure, QSize(1, 1)), NameMinimumSize);
    EXPECT_LE(calls, 2 * NameStartSize);

    EXPECT_EQ(centredIn(QSize(101, 50), QSize(40, 21)), QPoint(30, 15));
    EXPECT_EQ(reloadGaugeLeft(QRect(100, 10, 81, 20)), 100);
    EXPECT_EQ(modifiedDateLeft(QRect(5, 0, 100, 16)), 110);
}

TEST(MainLayout, NameBannerCentresTheNameWithItsShadowBelowRight)
{
    const QFont font;
    const QSize banner(690, 120);
    const NameBanner fit = fitNameBanner(font, QStringLiteral("Loom"), banner);
    ASSERT_TRUE(fit.shown);
    EXPECT_EQ(fit.pointSize, 38);
    QFont fitted = font;
    fitted.setPointSize(38);
    const QFontMetrics metrics(fitted);
    EXPECT_EQ(fit.name.size(), QSize(metrics.horizontalAdvance(QStringLiteral("Loom")), metrics.height()));
    EXPECT_EQ(fit.name.topLeft(), centredIn(banner, fit.name.size()));
    EXPECT_EQ(fit.shadow, fit.name.translated(4, 4));
    EXPECT_FALSE(fitNameBanner(font, QStringLiteral("Loom"), QSize(690, 2)).shown);
}

TEST(MainLayout, FactCaptionsStandAtTheFirstRowOfTheirFacts)
{
    // Year, Publisher, Developer, Genre, SubGenres, Series, Designers, Manual, Setup, Platforms.
    const QPoint expected[FactCaptionCount] = {{5, 10},  {5, 30},  {5, 50},  {5, 70},  {5, 90},
                                               {5, 130}, {5, 170}, {5, 210}, {5, 230}, {130, 10}};
    for (int i = 0; i < FactCaptionCount; ++i)
        EXPECT_EQ(factCaptionAt(i), expected[i]) << i;
    EXPECT_EQ(factValueAt(7), QPoint(85, 150));
    EXPECT_EQ(PlatformValueAt, QPoint(200, factRowTop(0)));
}

TEST(MainLayout, DesignPlacesPutTheDetailsBesideTheListOverTheFullPageAndKeepTheViewChoices)
{
    ViewState view;
    view.largerFactsBox = 100;
    view.viewMax = true;
    view.listFontPointSize = 12;
    placeAtDesign(view, QSize(1000, 601), 30, 7);
    EXPECT_EQ(view.list, QRect(8, 38, 260, 300));
    EXPECT_EQ(view.memoWidth, 260);
    EXPECT_EQ(view.listNotesOffset, 7);
    EXPECT_EQ(view.panelDetails, QRect(276, 0, 729, 601));
    EXPECT_EQ(view.panelNoDetails, view.panelDetails);
    EXPECT_EQ(view.largerFactsBox, 100);
    EXPECT_TRUE(view.viewMax);
    EXPECT_EQ(view.listFontPointSize, 12);
    // A page narrower than the list column still gets a sliver of details.
    placeAtDesign(view, QSize(200, 400), 0, 0);
    EXPECT_EQ(view.panelDetails, QRect(276, 0, 5, 400));

    const ReloadGauges gauges = reloadGauges(QRect(100, 10, 81, 20), 12);
    EXPECT_EQ(gauges.bar, QPoint(100, 32));
    EXPECT_EQ(gauges.pie, QPoint(112, 32));
}

TEST(MainLayout, ListCommandsChangeTheViewAndSayWhetherTheHeightChanged)
{
    Input in = windowOf(1000, 700, false);
    const ViewState start = in.view;
    EXPECT_EQ(changeList(in.view, MainCommand::WidenList), ListChange::Width);
    EXPECT_EQ(in.view.list.width(), start.list.width() + ListWidthStep);
    EXPECT_EQ(changeList(in.view, MainCommand::NarrowList), ListChange::Width);
    EXPECT_EQ(in.view.list, start.list);
    EXPECT_EQ(changeList(in.view, MainCommand::LengthenList), ListChange::Height);
    EXPECT_EQ(in.view.listNotesOffset, ListHeightStep);
    EXPECT_EQ(changeList(in.view, MainCommand::ShortenList), ListChange::Height);
    EXPECT_EQ(in.view.listNotesOffset, 0);
    for (MainCommand other : {MainCommand::ViewMax, MainCommand::HideTabs, MainCommand::LargerInfoView}) {
        EXPECT_EQ(changeList(in.view, other), ListChange::None);
        EXPECT_EQ(in.view.panelDetails, start.panelDetails);
        EXPECT_FALSE(in.view.viewMax);
    }
}

TEST(MainLayout, DetailsFollowThePageRightAndBottomEdges)
{
    ViewState view;
    view.panelDetails = QRect(250, 0, 100, 100);
    view.list = QRect(5, 5, 240, 300);
    followPage(view, QSize(900, 640));
    EXPECT_EQ(view.panelDetails, QRect(250, 0, 650, 640));
    EXPECT_EQ(view.panelNoDetails.size(), QSize(650, 640));
    EXPECT_EQ(view.list, QRect(5, 5, 240, 300));
    followPage(view, QSize(200, 640)); // a page narrower than the list leaves no room
    EXPECT_EQ(view.panelDetails.width(), 0);
}

// The first row never gives the caption or the field box less than their texts: a list narrowed
// below what they need widens the panel instead, and the second row fills whatever width results.
TEST(MainLayout, FindPanelRowsMakeRoomForTheCaptionAndTheWidestFieldName)
{
    FindPanelSizes sizes;
    sizes.captionText = 76;
    sizes.widestField = 118;
    sizes.fieldBoxChrome = 30;
    sizes.closeButton = 24;
    sizes.goButton = 80;
    sizes.clearButton = 80;
    for (const int listWidth : {360, 260, 135}) {
        const QRect list(8, 68, listWidth, 300);
        const FindPanelPlaces p = findPanel(list, 6, 54, sizes, true);
        SCOPED_TRACE(listWidth);
        EXPECT_EQ(p.panel.topLeft(), QPoint(8, 68 - 6 - 54));
        EXPECT_EQ(p.panel.width(), std::max(listWidth, 4 + 76 + 4 + 148 + 4 + 24 + 4));
        EXPECT_EQ(p.caption.width(), 76);
        EXPECT_GE(p.fieldBox.width(), 148);
        EXPECT_EQ(p.fieldBox.left(), rightEdge(p.caption) + FindPanelSpacing);
        EXPECT_EQ(rightEdge(p.closeButton), p.panel.width() - FindPanelMargin);
        EXPECT_EQ(rightEdge(p.clearButton), p.panel.width() - FindPanelMargin);
        EXPECT_EQ(rightEdge(p.goButton) + FindPanelSpacing, p.clearButton.left());
        EXPECT_EQ(rightEdge(p.valueBox) + FindPanelSpacing, p.goButton.left());
        EXPECT_GT(p.valueBox.top(), bottomEdge(p.fieldBox));
        EXPECT_LE(bottomEdge(p.valueBox), 54 - FindPanelMargin);
    }
    // Without "Go" the value box takes its place.
    const FindPanelPlaces p = findPanel(QRect(8, 68, 260, 300), 6, 54, sizes, false);
    EXPECT_EQ(rightEdge(p.valueBox) + FindPanelSpacing, p.clearButton.left());
}
