#pragma once

#include "presentation/MainCommands.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

#include <array>
#include <functional>

class QFont;
class QString;

// The main window's geometry as pure arithmetic: sizes and the view settings in, rectangles out.
// Rectangles of the details area are relative to panelDetails (or panelNoDetails for the simple
// view); the list column's rectangles are relative to the Main tab. A right or bottom edge here
// is always left + width or top + height.
namespace MainLayout {

constexpr int MinimumWindowSide = 400;
constexpr int ListWidthStep = 25;
constexpr int ListHeightStep = 10;
constexpr int LargerFactsBoxAmount = 100;
constexpr int ViewMaxWidthStep = 100;
constexpr int ViewMaxFontStep = 4;
constexpr int FactsBoxHeightCap = 250;
constexpr int FactsBoxBottomMargin = 350;
constexpr int ShownTabHeight = 16;
constexpr int HiddenTabHeight = 1;
constexpr int NoteLinesWithoutScrollBar = 11;

inline int rightEdge(const QRect &r) { return r.x() + r.width(); }
inline int bottomEdge(const QRect &r) { return r.y() + r.height(); }

// What the view commands change; the window keeps one of these for the whole run.
struct ViewState
{
    QRect panelDetails;
    QRect panelNoDetails;
    QRect list;
    int memoWidth = 0;
    int listNotesOffset = 0;
    int largerFactsBox = 0;
    bool viewMax = false;
    int listFontPointSize = 0;
};

// The design places before the first layout pass sizes the list: the list column at the top left,
// half the page high (lower by the find panel when it is open), and the details beside it over
// the page's full height.
void placeAtDesign(ViewState &view, const QSize &page, int findShift, int listNotesOffset);

void widenList(ViewState &view);
void narrowList(ViewState &view);
void lengthenList(ViewState &view);
void shortenList(ViewState &view);
// Returns whether the menu item now carries its check mark.
bool toggleLargerInfoView(ViewState &view);
// Moves the panels and list and changes the font size; the window frame, the main menu and the
// tabs are the caller's, told by view.viewMax.
bool toggleViewMax(ViewState &view);
int tabBarHeight(bool hideTabsChecked);
// The list commands of the View menu. A changed height moves the notes' separator, which the
// settings keep; any other command leaves the view alone.
enum class ListChange { None, Width, Height };
ListChange changeList(ViewState &view, MainCommand command);
// The details panel follows the page's right and bottom edges; the list keeps its width.
void followPage(ViewState &view, const QSize &page);

struct Input
{
    QSize windowSize; // outer size, frame included
    int clientHeight = 0;
    ViewState view;
    bool findShown = false;
    int findHeight = 0;
    int totalTop = 0; // top of the count label under the notes
    bool resizeExtrasBox = false;
    QRect factsBox; // where panelStats stands now
    bool backShown = false;
    bool advertShown = false;
};

struct Result
{
    // Set when the window is below its minimum size: the caller resizes it to this size and
    // does nothing else; the resize runs the pass again.
    bool resizeWindow = false;
    QSize windowSize;

    QRect panelDetails;
    QRect panelNoDetails;
    QRect banner;
    QRect shapeBox;
    QRect shapeScreen;
    QRect title;
    QRect screen;
    QRect media;
    QRect advert;
    QRect front;
    QRect back;
    QRect factsBox;
    QPoint createdDate;

    QRect list;
    QRect memo;
    int findLeft = 0;

    QRect simpleFront;
    QRect simpleBack;
    QRect simpleTitle;
    QRect simpleScreen;
};

Result layout(const Input &in);

// A back picture on show sets the front's width; without one, a front as wide as the back
// spans both places.
int frontWidth(bool backShown, int frontWidth, int backWidth);
// With an advert the media row is shared: media on the left half, advert on the right.
void shareMediaRow(const QRect &shapeScreen, QRect &media, QRect &advert);

// The fact rows keep their places inside the facts box: one row every 20 pixels, captions at the
// left edge and values in a column of their own. Year and Platforms share the first row.
int factRowTop(int row); // row 0 is Year and Platforms
QPoint factValueAt(int row);
constexpr QPoint PlatformValueAt(200, 10);
// The captions stand at the first row of their facts, in the order Year, Publisher, Developer,
// Genre, SubGenres, Series, Designers, Manual, Setup; the tenth, Platforms, in the first row.
constexpr int FactCaptionCount = 10;
QPoint factCaptionAt(int index);

// The extras column starts 20 pixels right of the widest of the facts that can sit beside it.
int extrasColumnLeft(const QVector<QRect> &factLabels);
constexpr int ExtrasHeadingTop = 30;
constexpr int ExtraRowStep = 20;
constexpr int ExtraCount = 7;
int extraTop(int index); // index 0 is the first extra title

struct PlatformRow
{
    std::array<int, 10> otherLefts{};
    std::array<int, 9> separatorLefts{};
};
// The other platforms follow the shown one with 6-pixel gaps, hidden labels included; each
// separator starts at the right edge of the label before its platform, inside the gap.
PlatformRow chainPlatformRow(const QRect &platform, const std::array<int, 10> &otherWidths);

struct FactsScrollBar
{
    bool visible = false;
    int maximum = 0;
    int pageStep = 0;
    QRect bar;
    QSize scrollArea;
};
FactsScrollBar factsScrollBar(int setupBottom, const QSize &factsBox, int barWidth);
// The fact area slides up by the position and grows by it, so that it still fills the box.
QRect scrolledFactArea(const QSize &factsBox, int position);
// The scroll position, 0 to `maximum`, nearest to `position` that shows a fact from `top` to
// `bottom` (in the fact area) whole in a facts box `boxHeight` high, or its top when it is higher.
int factsScrollToShow(int position, int boxHeight, int top, int bottom, int maximum);

// The name font size that fits the banner: from 40, lowered until the name is narrower than the
// banner, then lowered until it is also lower; each search lowers at least once, so a name that
// fits easily gets 38. Never below `minimum`, so that a tiny banner cannot keep it searching.
constexpr int NameStartSize = 40;
constexpr int NameMinimumSize = 6;
int fitNameFontSize(const std::function<QSize(int pointSize)> &measure, const QSize &banner,
                     int minimum = NameMinimumSize);
QPoint centredIn(const QSize &outer, const QSize &inner);
constexpr int NameShadowOffset = 4;

// The name drawn in `font` at the fitted size, centred in the banner, its shadow 4 pixels right
// and down. A banner lower than 3 pixels shows no name.
struct NameBanner
{
    bool shown = false;
    int pointSize = 0;
    QRect name;
    QRect shadow;
};
NameBanner fitNameBanner(const QFont &font, const QString &name, const QSize &banner);

// The wrapped line count at which the notes get a vertical scroll bar.
bool noteNeedsScrollBar(int displayedLineCount);

// The two reload gauges sit side by side under the middle of the name.
int reloadGaugeLeft(const QRect &name);
struct ReloadGauges
{
    QPoint bar;
    QPoint pie;
};
// The bar first, the pie right of it, both two pixels under the name.
ReloadGauges reloadGauges(const QRect &name, int barWidth);
// The modified date follows the created date with a 5-pixel gap.
int modifiedDateLeft(const QRect &createdDate);

// What the find panel's controls need, in pixels, as the window measures them in their fonts.
struct FindPanelSizes
{
    int captionText = 0; // "Search Field:"
    int widestField = 0; // the widest name of the field list
    int fieldBoxChrome = 0; // what the field box adds to its text: frame, margins, arrow
    int closeButton = 0;
    int goButton = 0;
    int clearButton = 0;
};
struct FindPanelPlaces
{
    QRect panel; // relative to the Main tab
    // Relative to the panel.
    QRect caption;
    QRect fieldBox;
    QRect closeButton;
    QRect valueBox;
    QRect goButton;
    QRect clearButton;
};
constexpr int FindPanelMargin = 4;
constexpr int FindPanelSpacing = 4;
// The panel stands `gap` pixels above the list, at its left edge, `height` high and as wide as
// the list or as the first row needs, whichever is wider: the caption as wide as its text, then
// the field box, at least as wide as its widest name, then "^". In the second row the value box
// takes what "Go" (when offered) and "Clear" leave.
FindPanelPlaces findPanel(const QRect &list, int gap, int height, const FindPanelSizes &sizes, bool goShown);

} // namespace MainLayout
