#include "base/ColorText.h"
#include "base/FontStyleText.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QPalette>

#include <ostream>

namespace {

// Values typed in from the table the settings files were written with, rather than taken from
// the header's constants, so that a slip in either shows up here.
struct NameCase
{
    const char *name;
    quint32 value;
};

const NameCase kNames[] = {
    {"clBlack", 0x000000},       {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080},       {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},        {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},         {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},        {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},       {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},       {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", 0xFF00000A}, {"clActiveCaption", 0xFF000002},
    {"clAppWorkSpace", 0xFF00000C}, {"clBackground", 0xFF000001},
    {"clBtnFace", 0xFF00000F},   {"clBtnHighlight", 0xFF000014}, {"clBtnShadow", 0xFF000010},
    {"clBtnText", 0xFF000012},   {"clCaptionText", 0xFF000009},  {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0xFF00001B}, {"clGradientInactiveCaption", 0xFF00001C},
    {"clGrayText", 0xFF000011},  {"clHighlight", 0xFF00000D},    {"clHighlightText", 0xFF00000E},
    {"clHotLight", 0xFF00001A},  {"clInactiveBorder", 0xFF00000B},
    {"clInactiveCaption", 0xFF000003}, {"clInactiveCaptionText", 0xFF000013},
    {"clInfoBk", 0xFF000018},    {"clInfoText", 0xFF000017},     {"clMenu", 0xFF000004},
    {"clMenuBar", 0xFF00001E},   {"clMenuHighlight", 0xFF00001D}, {"clMenuText", 0xFF000007},
    {"clNone", 0x1FFFFFFF},      {"clScrollBar", 0xFF000000},    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},   {"clWindow", 0xFF000005},       {"clWindowFrame", 0xFF000006},
    {"clWindowText", 0xFF000008},
};

QString latin(const char *text) { return QString::fromLatin1(text); }

TEST(ColorText, EveryNameReadsInAnyCaseAndIsWrittenBack)
{
    ASSERT_EQ(std::size(kNames), 52u);
    for (const NameCase &c : kNames) {
        SCOPED_TRACE(c.name);
        const QString name = latin(c.name);
        for (const QString &text : {name, name.toUpper(), name.toLower()}) {
            ColorValue value = 12345;
            ASSERT_TRUE(StringToColor(text, &value)) << qPrintable(text);
            EXPECT_EQ(quint32(value), c.value);
        }
        EXPECT_EQ(ColorToString(ColorValue(c.value)), name);
    }
}

TEST(ColorText, ReadsIntegerTexts)
{
    const struct
    {
        const char *text;
        quint32 expected;
    } cases[] = {
        {"$00FFFF", 0x00FFFF},       // short hex, blue is the highest of the three bytes
        {"$228B22", 0x228B22},
        {"$32CD32", 0x32CD32},
        {"$000000", 0},
        {"$00484800", 0x00484800},
        {"$c0c0c0", 0xC0C0C0},
        {"12632256", 0xC0C0C0},      // silver in decimal
        {"0x228b22", 0x228B22},
        {"0XFF", 0xFF},
        {"+15", 15},
        {"-1", 0xFFFFFFFF},
        {"-$10", 0xFFFFFFF0},
        {"-16777201", 0xFF00000F},   // clBtnFace as a signed decimal
        {"$FF00000F", 0xFF00000F},   // written that way, must read back
        {"$FFFFFFFF", 0xFFFFFFFF},
        {"2147483647", 0x7FFFFFFF},
        {"-2147483648", 0x80000000},
        {"007", 7},                  // leading zeros are decimal, not octal
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        ColorValue value = 0;
        ASSERT_TRUE(StringToColor(latin(c.text), &value));
        EXPECT_EQ(quint32(value), c.expected);
    }
}

TEST(ColorText, RejectsTextsThatAreNeitherNameNorNumber)
{
    const char *cases[] = {
        "", "$", "0x", "-", "+", "--1", "$-5", "1.5", "12a", "$12G", "0x 1", " 12", "12 ",
        "clSilverX", "cl Silver", "Silver", "clSilver ", "2147483648", "-2147483649",
        "$100000000", "4278190095", "Bold",
    };
    for (const char *text : cases) {
        SCOPED_TRACE(text);
        ColorValue value = 4711;
        EXPECT_FALSE(StringToColor(latin(text), &value));
        EXPECT_EQ(value, 4711) << "a failed read must leave the value alone";
        EXPECT_EQ(StringToColorOr(latin(text), Colors::clGray), Colors::clGray);
    }
    EXPECT_EQ(StringToColorOr(QStringLiteral("clsilver"), Colors::clGray), Colors::clSilver);
}

TEST(ColorText, WritesFirstNameElseEightHexDigits)
{
    const struct
    {
        quint32 value;
        const char *expected;
    } cases[] = {
        {0x000000, "clBlack"},
        {0x00FFFF, "clYellow"},
        {0xC0C0C0, "clSilver"},
        {0x00FF8040, "$00FF8040"},   // red 40, green 80, blue FF
        {0x00484800, "$00484800"},
        {0x00228B22, "$00228B22"},
        {0x00000001, "$00000001"},
        {0xFF000019, "$FF000019"},   // a system index without a name
        {0xFFFFFFFF, "$FFFFFFFF"},
        {0x02FF0000, "$02FF0000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        const QString text = ColorToString(ColorValue(c.value));
        EXPECT_EQ(text, latin(c.expected));
        ColorValue back = 0;
        ASSERT_TRUE(StringToColor(text, &back));
        EXPECT_EQ(quint32(back), c.value);
    }
}

// A palette in which every role has its own colour, so that a wrong role cannot pass by luck.
QPalette distinctPalette()
{
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        if (role == QPalette::NoRole)
            continue;
        palette.setColor(QPalette::Active, QPalette::ColorRole(role), QColor(10 + role, 0, 0));
        palette.setColor(QPalette::Inactive, QPalette::ColorRole(role), QColor(0, 10 + role, 0));
        palette.setColor(QPalette::Disabled, QPalette::ColorRole(role), QColor(0, 0, 10 + role));
    }
    return palette;
}

TEST(ColorText, SystemColoursTakeTheirPaletteRole)
{
    const QPalette palette = distinctPalette();
    const QColor widgetDefault(1, 2, 3);
    const struct
    {
        ColorValue value;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    } cases[] = {
        {Colors::clBtnFace, QPalette::Active, QPalette::Button},
        {Colors::clWindow, QPalette::Active, QPalette::Base},
        {Colors::clWindowText, QPalette::Active, QPalette::Text},
        {Colors::clHighlight, QPalette::Active, QPalette::Highlight},
        {Colors::clHighlightText, QPalette::Active, QPalette::HighlightedText},
        {Colors::clBtnText, QPalette::Active, QPalette::ButtonText},
        {Colors::clInfoBk, QPalette::Active, QPalette::ToolTipBase},
        {Colors::clInfoText, QPalette::Active, QPalette::ToolTipText},
        {Colors::clMenu, QPalette::Active, QPalette::Window},
        {Colors::clMenuText, QPalette::Active, QPalette::WindowText},
        {Colors::clGrayText, QPalette::Disabled, QPalette::Text},
        {Colors::clBtnShadow, QPalette::Active, QPalette::Dark},
        {Colors::clBtnHighlight, QPalette::Active, QPalette::Light},
        {Colors::cl3DDkShadow, QPalette::Active, QPalette::Shadow},
        {Colors::cl3DLight, QPalette::Active, QPalette::Midlight},
        {Colors::clBackground, QPalette::Active, QPalette::Window},
        {Colors::clHotLight, QPalette::Active, QPalette::Link},
        {Colors::systemColor(25), QPalette::Active, QPalette::Window},
        {Colors::systemColor(200), QPalette::Active, QPalette::Window},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(ColorToString(c.value)));
        EXPECT_EQ(toQColor(c.value, palette, widgetDefault), palette.color(c.group, c.role));
    }

    EXPECT_EQ(toQColor(Colors::clNone, palette, widgetDefault).alpha(), 0);
    EXPECT_EQ(toQColor(Colors::clDefault, palette, widgetDefault), widgetDefault);
}

TEST(ColorText, OrdinaryColoursConvertBothWays)
{
    const QPalette palette = distinctPalette();
    const struct
    {
        ColorValue value;
        QColor color;
    } cases[] = {
        {ColorValue(0x00FF8040), QColor(0x40, 0x80, 0xFF)},
        {ColorValue(0x0000FFFF), QColor(0xFF, 0xFF, 0x00)},
        {ColorValue(0x00228B22), QColor(0x22, 0x8B, 0x22)},
        {Colors::clBlack, QColor(0, 0, 0)},
        {Colors::clWhite, QColor(0xFF, 0xFF, 0xFF)},
        {Colors::clSkyBlue, QColor(0xA6, 0xCA, 0xF0)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(ColorToString(c.value)));
        EXPECT_EQ(toQColor(c.value, palette, Qt::magenta), c.color);
        EXPECT_EQ(fromQColor(c.color), c.value);
    }
    EXPECT_EQ(fromQColor(QColor(0x40, 0x80, 0xFF, 0x10)), ColorValue(0x00FF8040));
    EXPECT_EQ(fromQColor(QColor::fromHsv(60, 255, 255)), Colors::clYellow);
    EXPECT_EQ(fromQColor(QColor()), Colors::clNone);
}

// ---- font style text ----

struct StyleCase
{
    FontStyles styles;
    const char *text;
};

void PrintTo(const StyleCase &c, std::ostream *os) { *os << '"' << c.text << '"'; }

using F = FontStyleFlag;

const StyleCase kStyles[] = {
    {{}, ""},
    {F::Bold, "Bold"},
    {F::Italic, "Italic"},
    {F::Underline, "UnderLine"},
    {F::StrikeOut, "StrikeOut"},
    {F::Bold | F::Italic, "BoldItalic"},
    {F::Bold | F::Underline, "BoldUnderLine"},
    {F::Bold | F::StrikeOut, "BoldStrike"},
    {F::Italic | F::Underline, "ItalicUnderLine"},
    {F::Italic | F::StrikeOut, "ItalicStrike"},
    {F::Underline | F::StrikeOut, "UnderLineStrike"},
    {F::Bold | F::Italic | F::Underline, "BoldItalicUnderLine"},
    {F::Bold | F::Italic | F::StrikeOut, "BoldItalicStrike"},
    {F::Bold | F::Underline | F::StrikeOut, "BoldStrikeUnderLine"},
    {F::Italic | F::Underline | F::StrikeOut, "ItalicUnderLineStrike"},
    {F::Bold | F::Italic | F::Underline | F::StrikeOut, "BoldItalicUnderLineStrike"},
};

class FontStyleText : public ::testing::TestWithParam<StyleCase>
{
};

TEST_P(FontStyleText, WritesItsTextAndReadsItBackInAnyCase)
{
    const StyleCase &c = GetParam();
    const QString text = latin(c.text);
    EXPECT_EQ(FontStyletoStr(c.styles), text);
    EXPECT_EQ(StrtoFontStyle(text), c.styles);
    EXPECT_EQ(StrtoFontStyle(text.toLower()), c.styles);
    EXPECT_EQ(StrtoFontStyle(text.toUpper()), c.styles);
}

TEST_P(FontStyleText, SurvivesAQFont)
{
    const StyleCase &c = GetParam();
    QFont font(QStringLiteral("Tahoma"), 8);
    // Start from the opposite, so that a style left over from before is caught.
    applyFontStyle(font, ~c.styles & (F::Bold | F::Italic | F::Underline | F::StrikeOut));
    applyFontStyle(font, c.styles);
    EXPECT_EQ(fontStyleOf(font), c.styles);
    EXPECT_EQ(font.family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(font.pointSize(), 8);
}

INSTANTIATE_TEST_SUITE_P(AllSixteenSets, FontStyleText, ::testing::ValuesIn(kStyles));

TEST(FontStyleTextReading, UnknownTextsGiveNoStyle)
{
    const char *cases[] = {
        "Bold Italic", " Bold", "Bold ", "ItalicBold", "Underline Strike", "Strike", "B", "Normal",
        "BoldStrikeOut", "BoldItalicStrikeUnderLine",
    };
    for (const char *text : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(StrtoFontStyle(latin(text)), FontStyles());
    }
}

TEST(FontStyleTextReading, HeavyWeightsCountAsBold)
{
    QFont font;
    font.setWeight(QFont::Black);
    EXPECT_EQ(fontStyleOf(font), FontStyles(F::Bold));
    font.setWeight(QFont::Medium);
    EXPECT_EQ(fontStyleOf(font), FontStyles());
}

} // namespace
