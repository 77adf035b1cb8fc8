#include "base/ColorText.h"

#include "base/IntegerText.h"

#include <QLatin1String>

#include <array>

namespace {

struct NamedColor
{
    const char *name;
    ColorValue value;
};

// Order matters: a value is written under the first name that has it.
constexpr std::array<NamedColor, 52> namedColors{{
    {"clBlack", Colors::clBlack},
    {"clMaroon", Colors::clMaroon},
    {"clGreen", Colors::clGreen},
    {"clOlive", Colors::clOlive},
    {"clNavy", Colors::clNavy},
    {"clPurple", Colors::clPurple},
    {"clTeal", Colors::clTeal},
    {"clGray", Colors::clGray},
    {"clSilver", Colors::clSilver},
    {"clRed", Colors::clRed},
    {"clLime", Colors::clLime},
    {"clYellow", Colors::clYellow},
    {"clBlue", Colors::clBlue},
    {"clFuchsia", Colors::clFuchsia},
    {"clAqua", Colors::clAqua},
    {"clWhite", Colors::clWhite},
    {"clMoneyGreen", Colors::clMoneyGreen},
    {"clSkyBlue", Colors::clSkyBlue},
    {"clCream", Colors::clCream},
    {"clMedGray", Colors::clMedGray},
    {"clActiveBorder", Colors::clActiveBorder},
    {"clActiveCaption", Colors::clActiveCaption},
    {"clAppWorkSpace", Colors::clAppWorkSpace},
    {"clBackground", Colors::clBackground},
    {"clBtnFace", Colors::clBtnFace},
    {"clBtnHighlight", Colors::clBtnHighlight},
    {"clBtnShadow", Colors::clBtnShadow},
    {"clBtnText", Colors::clBtnText},
    {"clCaptionText", Colors::clCaptionText},
    {"clDefault", Colors::clDefault},
    {"clGradientActiveCaption", Colors::clGradientActiveCaption},
    {"clGradientInactiveCaption", Colors::clGradientInactiveCaption},
    {"clGrayText", Colors::clGrayText},
    {"clHighlight", Colors::clHighlight},
    {"clHighlightText", Colors::clHighlightText},
    {"clHotLight", Colors::clHotLight},
    {"clInactiveBorder", Colors::clInactiveBorder},
    {"clInactiveCaption", Colors::clInactiveCaption},
    {"clInactiveCaptionText", Colors::clInactiveCaptionText},
    {"clInfoBk", Colors::clInfoBk},
    {"clInfoText", Colors::clInfoText},
    {"clMenu", Colors::clMenu},
    {"clMenuBar", Colors::clMenuBar},
    {"clMenuHighlight", Colors::clMenuHighlight},
    {"clMenuText", Colors::clMenuText},
    {"clNone", Colors::clNone},
    {"clScrollBar", Colors::clScrollBar},
    {"cl3DDkShadow", Colors::cl3DDkShadow},
    {"cl3DLight", Colors::cl3DLight},
    {"clWindow", Colors::clWindow},
    {"clWindowFrame", Colors::clWindowFrame},
    {"clWindowText", Colors::clWindowText},
}};

QPalette::ColorRole roleForSystemColor(int index)
{
    switch (index) {
    case 5: return QPalette::Base;                 // clWindow
    case 8: return QPalette::Text;                 // clWindowText
    case 4:                                        // clMenu
    case 30: return QPalette::Window;              // clMenuBar
    case 7:                                        // clMenuText
    case 19: return QPalette::WindowText;          // clInactiveCaptionText
    case 0:                                        // clScrollBar
    case 10:                                       // clActiveBorder
    case 11:                                       // clInactiveBorder
    case 15: return QPalette::Button;              // clBtnFace
    case 18: return QPalette::ButtonText;          // clBtnText
    case 2:                                        // clActiveCaption
    case 13:                                       // clHighlight
    case 27:                                       // clGradientActiveCaption
    case 29: return QPalette::Highlight;           // clMenuHighlight
    case 9:                                        // clCaptionText
    case 14: return QPalette::HighlightedText;     // clHighlightText
    case 3:                                        // clInactiveCaption
    case 12:                                       // clAppWorkSpace
    case 28: return QPalette::Mid;                 // clGradientInactiveCaption
    case 16: return QPalette::Dark;                // clBtnShadow
    case 20: return QPalette::Light;               // clBtnHighlight
    case 6:                                        // clWindowFrame
    case 21: return QPalette::Shadow;              // cl3DDkShadow
    case 22: return QPalette::Midlight;            // cl3DLight
    case 23: return QPalette::ToolTipText;         // clInfoText
    case 24: return QPalette::ToolTipBase;         // clInfoBk
    case 26: return QPalette::Link;                // clHotLight
    default: return QPalette::Window;              // clBackground and indices without a name
    }
}

} // namespace

bool StringToColor(const QString &text, ColorValue *value)
{
    for (const NamedColor &entry : namedColors) {
        if (text.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            *value = entry.value;
            return true;
        }
    }
    return IntegerText::parse(text, value);
}

ColorValue StringToColorOr(const QString &text, ColorValue fallback)
{
    ColorValue value = fallback;
    return StringToColor(text, &value) ? value : fallback;
}

QString ColorToString(ColorValue value)
{
    for (const NamedColor &entry : namedColors) {
        if (entry.value == value)
            return QLatin1String(entry.name);
    }
    return QLatin1Char('$') + QStringLiteral("%1").arg(quint32(value), 8, 16, QLatin1Char('0')).toUpper();
}

QColor toQColor(ColorValue value, const QPalette &palette, const QColor &widgetDefault)
{
    if (value == Colors::clNone)
        return QColor(Qt::transparent);
    if (value == Colors::clDefault)
        return widgetDefault;
    if (Colors::isSystem(value)) {
        const int index = value & 0xFF;
        // The placeholder colour carries alpha in Qt's own palettes; grey text must stay solid.
        if (value == Colors::clGrayText)
            return palette.color(QPalette::Disabled, QPalette::Text);
        return palette.color(QPalette::Active, roleForSystemColor(index));
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

ColorValue fromQColor(const QColor &color)
{
    if (!color.isValid())
        return Colors::clNone;
    const QColor rgbColor = color.toRgb();
    return Colors::rgb(rgbColor.red(), rgbColor.green(), rgbColor.blue());
}
