#include "base/FontStyleText.h"

#include <QLatin1String>

#include <array>

namespace {

using Flag = FontStyleFlag;

struct StyleText
{
    int styles;
    const char *text;
};

constexpr int B = int(Flag::Bold);
constexpr int I = int(Flag::Italic);
constexpr int U = int(Flag::Underline);
constexpr int S = int(Flag::StrikeOut);

// The texts a font style is stored as under the ...FontStyle keys of the settings file: the
// names of the styles run together, one text per set. These fifteen are the only forms read,
// in any letter case (the settings file is edited by hand too, and "bolditalic" is plainly
// meant as bold italic); anything else, other word orders and blanks between the words
// included, is the regular style rather than a guess. Their spellings are part of the file's
// format, so they stay as they are even where they look odd: "BoldStrike" without "Out", and
// strike-out before underline in "BoldStrikeUnderLine" alone. The set of all four follows the
// pattern of the others, so that a font with every style survives a restart.
constexpr std::array<StyleText, 15> styleTexts{{
    {B, "Bold"},
    {I, "Italic"},
    {U, "UnderLine"},
    {S, "StrikeOut"},
    {B | I, "BoldItalic"},
    {B | U, "BoldUnderLine"},
    {B | S, "BoldStrike"},
    {I | U, "ItalicUnderLine"},
    {I | S, "ItalicStrike"},
    {U | S, "UnderLineStrike"},
    {B | I | U, "BoldItalicUnderLine"},
    {B | I | S, "BoldItalicStrike"},
    {B | U | S, "BoldStrikeUnderLine"},
    {I | U | S, "ItalicUnderLineStrike"},
    {B | I | U | S, "BoldItalicUnderLineStrike"},
}};

} // namespace

FontStyles StrtoFontStyle(const QString &text)
{
    const QString upper = text.toUpper();
    for (const StyleText &entry : styleTexts) {
        if (upper == QString(QLatin1String(entry.text)).toUpper())
            return FontStyles::fromInt(entry.styles);
    }
    return {};
}

QString FontStyletoStr(FontStyles styles)
{
    const int wanted = styles.toInt() & (B | I | U | S);
    for (const StyleText &entry : styleTexts) {
        if (entry.styles == wanted)
            return QLatin1String(entry.text);
    }
    return QString();
}

void applyFontStyle(QFont &font, FontStyles styles)
{
    font.setBold(styles.testFlag(Flag::Bold));
    font.setItalic(styles.testFlag(Flag::Italic));
    font.setUnderline(styles.testFlag(Flag::Underline));
    font.setStrikeOut(styles.testFlag(Flag::StrikeOut));
}

FontStyles fontStyleOf(const QFont &font)
{
    FontStyles styles;
    // Qt's bold() holds for semi-bold and heavier too, and italic() for oblique.
    styles.setFlag(Flag::Bold, font.bold());
    styles.setFlag(Flag::Italic, font.italic());
    styles.setFlag(Flag::Underline, font.underline());
    styles.setFlag(Flag::StrikeOut, font.strikeOut());
    return styles;
}
