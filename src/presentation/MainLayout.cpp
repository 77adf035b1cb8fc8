#include "presentation/MainLayout.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <algorithm>

namespace MainLayout {

namespace {

void moveListSplit(ViewState &view, int amount)
{
    view.panelDetails.adjust(amount, 0, 0, 0);
    view.panelNoDetails.adjust(amount, 0, 0, 0);
    view.list.setWidth(view.list.width() + amount);
    view.memoWidth += amount;
}

// A window far below its design size would give negative sizes; a control cannot have them.
QRect sized(const QRect &r)
{
    return QRect(r.x(), r.y(), std::max(0, r.width()), std::max(0, r.height()));
}

} // namespace

void placeAtDesign(ViewState &view, const QSize &page, int findShift, int listNotesOffset)
{
    constexpr int ListLeft = 8;
    constexpr int ListTop = 8;
    constexpr int DesignListWidth = 260;
    constexpr int ColumnGap = 8;
    view.list = QRect(ListLeft, ListTop + findShift, DesignListWidth, page.height() / 2);
    view.memoWidth = DesignListWidth;
    view.listNotesOffset = listNotesOffset;
    const int detailsLeft = ListLeft + DesignListWidth + ColumnGap;
    view.panelDetails = QRect(detailsLeft, 0, qMax(0, page.width() - detailsLeft) + 5, page.height());
    view.panelNoDetails = view.panelDetails;
}

void widenList(ViewState &view)
{
    moveListSplit(view, ListWidthStep);
}

void narrowList(ViewState &view)
{
    moveListSplit(view, -ListWidthStep);
}

void lengthenList(ViewState &view)
{
    view.listNotesOffset += ListHeightStep;
}

void shortenList(ViewState &view)
{
    view.listNotesOffset -= ListHeightStep;
}

ListChange changeList(ViewState &view, MainCommand command)
{
    switch (command) {
    case MainCommand::WidenList:
        widenList(view);
        return ListChange::Width;
    case MainCommand::NarrowList:
        narrowList(view);
        return ListChange::Width;
    case MainCommand::LengthenList:
        lengthenList(view);
        return ListChange::Height;
    case MainCommand::ShortenList:
        shortenList(view);
        return ListChange::Height;
    default:
        return ListChange::None;
    }
}

void followPage(ViewState &view, const QSize &page)
{
    view.panelDetails.setWidth(std::max(0, page.width() - view.panelDetails.left()));
    view.panelDetails.setHeight(page.height());
    view.panelNoDetails.setSize(view.panelDetails.size());
}

bool toggleLargerInfoView(ViewState &view)
{
    view.largerFactsBox = view.largerFactsBox == 0 ? LargerFactsBoxAmount : 0;
    return view.largerFactsBox != 0;
}

bool toggleViewMax(ViewState &view)
{
    view.viewMax = !view.viewMax;
    const int sign = view.viewMax ? 1 : -1;
    moveListSplit(view, sign * ViewMaxWidthStep);
    view.listFontPointSize += sign * ViewMaxFontStep;
    return view.viewMax;
}

int tabBarHeight(bool hideTabsChecked)
{
    return hideTabsChecked ? HiddenTabHeight : ShownTabHeight;
}

Result layout(const Input &in)
{
    Result r;
    const int windowWidth = in.windowSize.width();
    const int windowHeight = in.windowSize.height();
    if (windowWidth < MinimumWindowSide) {
        r.resizeWindow = true;
        r.windowSize = QSize(MinimumWindowSide, windowHeight);
        return r;
    }
    if (windowHeight < MinimumWindowSide) {
        r.resizeWindow = true;
        r.windowSize = QSize(windowWidth, MinimumWindowSide);
        return r;
    }
    r.windowSize = in.windowSize;
    r.panelDetails = in.view.panelDetails;
    r.panelNoDetails = in.view.panelNoDetails;

    const int panelWidth = r.panelDetails.width();
    const int panelHeight = r.panelDetails.height();
    r.banner = QRect(0, 0, panelWidth, panelHeight / 10);
    const int bannerHeight = r.banner.height();

    r.shapeBox = QRect(0, bannerHeight, panelWidth / 2 + 80, (panelHeight - bannerHeight) / 2 + 40);
    r.shapeScreen = QRect(rightEdge(r.shapeBox) + 4, bannerHeight, panelWidth - r.shapeBox.width(),
                          panelHeight - bannerHeight);

    const QRect &column = r.shapeScreen;
    r.title = QRect(column.x(), column.y(), column.width(), column.height() / 3 - 4);
    r.screen = QRect(column.x(), bottomEdge(r.title) + 4, column.width(), column.height() / 3 - 4);
    r.media = QRect(column.x(), bottomEdge(r.screen) + 4, column.width(), column.height() / 3 - 26);
    r.advert = r.media;
    if (in.advertShown)
        shareMediaRow(column, r.media, r.advert);

    r.front = QRect(r.shapeBox.x() + 1, r.shapeBox.y(), r.shapeBox.width() / 2 - 8, r.shapeBox.height());
    r.back = QRect(rightEdge(r.front) + 2, r.front.y(), r.front.width(), r.front.height());

    int listHeight = in.clientHeight - in.clientHeight / 3 + in.view.listNotesOffset;
    if (in.findShown)
        listHeight -= in.findHeight + 6;
    r.list = QRect(in.view.list.x(), in.view.list.y(), in.view.list.width(), listHeight);
    const int memoTop = bottomEdge(r.list) + 5;
    r.memo = QRect(r.list.x(), memoTop, in.view.memoWidth, in.totalTop - 5 - memoTop);
    r.findLeft = r.list.x();

    if (in.resizeExtrasBox) {
        r.factsBox = QRect(r.shapeBox.x(), bottomEdge(r.shapeBox), r.shapeBox.width() - 10,
                           r.shapeScreen.height() - r.shapeBox.height() - 36);
        r.factsBox.adjust(0, -in.view.largerFactsBox, 0, 0);
    } else {
        r.factsBox = in.factsBox;
    }
    if (r.factsBox.height() > FactsBoxHeightCap)
        r.factsBox = QRect(r.factsBox.x(), windowHeight - FactsBoxBottomMargin, r.factsBox.width(),
                           FactsBoxHeightCap);

    r.shapeBox.setHeight(r.factsBox.y() - bannerHeight);
    r.front.setHeight(r.shapeBox.height());
    r.back.setHeight(r.shapeBox.height());

    // The dates go under the facts box where this pass leaves it, so that a resize does not
    // strand them at the box's old place until the next selection.
    r.createdDate = QPoint(r.factsBox.x() + 5, bottomEdge(r.factsBox));

    const int halfWidth = r.panelNoDetails.width() / 2;
    const int halfHeight = r.panelNoDetails.height() / 2;
    r.simpleFront = QRect(0, 0, halfWidth, halfHeight);
    r.simpleBack = QRect(halfWidth, 0, halfWidth, halfHeight);
    r.simpleTitle = QRect(0, halfHeight, halfWidth, halfHeight);
    r.simpleScreen = QRect(halfWidth, halfHeight, halfWidth, halfHeight);

    r.front.setWidth(frontWidth(in.backShown, r.front.width(), r.back.width()));

    for (QRect *rect : {&r.shapeBox, &r.shapeScreen, &r.title, &r.screen, &r.media, &r.advert, &r.front,
                        &r.back, &r.factsBox, &r.list, &r.memo})
        *rect = sized(*rect);
    return r;
}

int frontWidth(bool backShown, int front, int back)
{
    if (backShown)
        return back;
    return front == back ? 2 * front : front;
}

void shareMediaRow(const QRect &shapeScreen, QRect &media, QRect &advert)
{
    const int half = shapeScreen.width() / 2;
    media.setWidth(half);
    advert = QRect(rightEdge(media), media.y(), half, media.height());
}

int extrasColumnLeft(const QVector<QRect> &factLabels)
{
    int widest = 0;
    for (const QRect &label : factLabels)
        widest = std::max(widest, rightEdge(label));
    return widest + 20;
}

int factRowTop(int row)
{
    return 10 + 20 * row;
}

QPoint factCaptionAt(int index)
{
    constexpr int rows[FactCaptionCount - 1] = {0, 1, 2, 3, 4, 6, 8, 10, 11};
    if (index < 0 || index >= FactCaptionCount - 1)
        return QPoint(130, factRowTop(0));
    return QPoint(5, factRowTop(rows[index]));
}

QPoint factValueAt(int row)
{
    return QPoint(85, factRowTop(row));
}

int extraTop(int index)
{
    return ExtrasHeadingTop + ExtraRowStep * (index + 1);
}

PlatformRow chainPlatformRow(const QRect &platform, const std::array<int, 10> &otherWidths)
{
    PlatformRow row;
    int previousRight = rightEdge(platform);
    for (size_t i = 0; i < otherWidths.size(); ++i) {
        if (i < row.separatorLefts.size())
            row.separatorLefts[i] = previousRight;
        row.otherLefts[i] = previousRight + 6;
        previousRight = row.otherLefts[i] + otherWidths[i];
    }
    return row;
}

FactsScrollBar factsScrollBar(int setupBottom, const QSize &factsBox, int barWidth)
{
    FactsScrollBar bar;
    bar.scrollArea = factsBox;
    bar.visible = setupBottom >= factsBox.height();
    if (bar.visible) {
        bar.maximum = factsBox.height();
        bar.pageStep = factsBox.height() / 10;
    }
    bar.bar = QRect(factsBox.width() - barWidth - 2, 0, barWidth, factsBox.height());
    return bar;
}

QRect scrolledFactArea(const QSize &factsBox, int position)
{
    return QRect(0, -position, factsBox.width(), factsBox.height() + position);
}

int factsScrollToShow(int position, int boxHeight, int top, int bottom, int maximum)
{
    if (bottom > position + boxHeight)
        position = bottom - boxHeight;
    if (top < position)
        position = top;
    return std::clamp(position, 0, std::max(0, maximum));
}

int fitNameFontSize(const std::function<QSize(int pointSize)> &measure, const QSize &banner, int minimum)
{
    int size = NameStartSize;
    const auto lower = [&] {
        if (size > minimum)
            --size;
    };
    do
        lower();
    while (size > minimum && measure(size).width() >= banner.width());
    do
        lower();
    while (size > minimum && measure(size).height() >= banner.height());
    return size;
}

QPoint centredIn(const QSize &outer, const QSize &inner)
{
    return QPoint(outer.width() / 2 - inner.width() / 2, outer.height() / 2 - inner.height() / 2);
}

NameBanner fitNameBanner(const QFont &font, const QString &name, const QSize &banner)
{
    NameBanner fit;
    fit.shown = banner.height() >= 3;
    if (!fit.shown)
        return fit;
    const auto measure = [&](int pointSize) {
        QFont trial = font;
        trial.setPointSize(pointSize);
        const QFontMetrics metrics(trial);
        return QSize(metrics.horizontalAdvance(name), metrics.height());
    };
    fit.pointSize = fitNameFontSize(measure, banner);
    const QSize size = measure(fit.pointSize);
    fit.name = QRect(centredIn(banner, size), size);
    fit.shadow = fit.name.translated(NameShadowOffset, NameShadowOffset);
    return fit;
}

bool noteNeedsScrollBar(int displayedLineCount)
{
    return displayedLineCount > NoteLinesWithoutScrollBar;
}

int reloadGaugeLeft(const QRect &name)
{
    return name.x() + name.width() / 2 - 40;
}

ReloadGauges reloadGauges(const QRect &name, int barWidth)
{
    const int top = bottomEdge(name) + 2;
    const int left = reloadGaugeLeft(name);
    return {QPoint(left, top), QPoint(left + barWidth, top)};
}

int modifiedDateLeft(const QRect &createdDate)
{
    return rightEdge(createdDate) + 5;
}

FindPanelPlaces findPanel(const QRect &list, int gap, int height, const FindPanelSizes &sizes, bool goShown)
{
    constexpr int m = FindPanelMargin;
    constexpr int s = FindPanelSpacing;
    const int fieldBox = sizes.fieldBoxChrome + sizes.widestField;
    const int firstRow = m + sizes.captionText + s + fieldBox + s + sizes.closeButton + m;
    FindPanelPlaces p;
    p.panel = QRect(list.x(), list.y() - gap - height, std::max(list.width(), firstRow), height);
    const int width = p.panel.width();
    const int rowHeight = std::max(0, (height - 2 * m) / 2 - 1);
    const int secondTop = height - m - rowHeight;

    p.caption = QRect(m, m, sizes.captionText, rowHeight);
    p.closeButton = QRect(width - m - sizes.closeButton, m, sizes.closeButton, rowHeight);
    const int fieldLeft = rightEdge(p.caption) + s;
    p.fieldBox = QRect(fieldLeft, m, p.closeButton.x() - s - fieldLeft, rowHeight);

    p.clearButton = QRect(width - m - sizes.clearButton, secondTop, sizes.clearButton, rowHeight);
    int valueRight = p.clearButton.x() - s;
    if (goShown) {
        p.goButton = QRect(valueRight - sizes.goButton, secondTop, sizes.goButton, rowHeight);
        valueRight = p.goButton.x() - s;
    }
    p.valueBox = sized(QRect(m, secondTop, valueRight - m, rowHeight));
    return p;
}

} // namespace MainLayout
