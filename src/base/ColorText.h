#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QtGlobal>

// A colour as the settings file stores it: red in the lowest byte, then green, then blue.
// A high byte of 0xFF names a system colour by the index in the low byte; two further values
// stand for "no colour" and "the control's own default".
using ColorValue = qint32;

namespace Colors {

constexpr ColorValue rgb(int red, int green, int blue)
{
    return ColorValue((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr ColorValue systemColor(int index)
{
    return ColorValue(0xFF000000u | quint32(index & 0xFF));
}

constexpr ColorValue clNone = 0x1FFFFFFF;
constexpr ColorValue clDefault = 0x20000000;

constexpr ColorValue clBlack = rgb(0x00, 0x00, 0x00);
constexpr ColorValue clMaroon = rgb(0x80, 0x00, 0x00);
constexpr ColorValue clGreen = rgb(0x00, 0x80, 0x00);
constexpr ColorValue clOlive = rgb(0x80, 0x80, 0x00);
constexpr ColorValue clNavy = rgb(0x00, 0x00, 0x80);
constexpr ColorValue clPurple = rgb(0x80, 0x00, 0x80);
constexpr ColorValue clTeal = rgb(0x00, 0x80, 0x80);
constexpr ColorValue clGray = rgb(0x80, 0x80, 0x80);
constexpr ColorValue clSilver = rgb(0xC0, 0xC0, 0xC0);
constexpr ColorValue clRed = rgb(0xFF, 0x00, 0x00);
constexpr ColorValue clLime = rgb(0x00, 0xFF, 0x00);
constexpr ColorValue clYellow = rgb(0xFF, 0xFF, 0x00);
constexpr ColorValue clBlue = rgb(0x00, 0x00, 0xFF);
constexpr ColorValue clFuchsia = rgb(0xFF, 0x00, 0xFF);
constexpr ColorValue clAqua = rgb(0x00, 0xFF, 0xFF);
constexpr ColorValue clWhite = rgb(0xFF, 0xFF, 0xFF);
constexpr ColorValue clMoneyGreen = rgb(0xC0, 0xDC, 0xC0);
constexpr ColorValue clSkyBlue = rgb(0xA6, 0xCA, 0xF0);
constexpr ColorValue clCream = rgb(0xFF, 0xFB, 0xF0);
constexpr ColorValue clMedGray = rgb(0xA0, 0xA0, 0xA4);

constexpr ColorValue clScrollBar = systemColor(0);
constexpr ColorValue clBackground = systemColor(1);
constexpr ColorValue clActiveCaption = systemColor(2);
constexpr ColorValue clInactiveCaption = systemColor(3);
constexpr ColorValue clMenu = systemColor(4);
constexpr ColorValue clWindow = systemColor(5);
constexpr ColorValue clWindowFrame = systemColor(6);
constexpr ColorValue clMenuText = systemColor(7);
constexpr ColorValue clWindowText = systemColor(8);
constexpr ColorValue clCaptionText = systemColor(9);
constexpr ColorValue clActiveBorder = systemColor(10);
constexpr ColorValue clInactiveBorder = systemColor(11);
constexpr ColorValue clAppWorkSpace = systemColor(12);
constexpr ColorValue clHighlight = systemColor(13);
constexpr ColorValue clHighlightText = systemColor(14);
constexpr ColorValue clBtnFace = systemColor(15);
constexpr ColorValue clBtnShadow = systemColor(16);
constexpr ColorValue clGrayText = systemColor(17);
constexpr ColorValue clBtnText = systemColor(18);
constexpr ColorValue clInactiveCaptionText = systemColor(19);
constexpr ColorValue clBtnHighlight = systemColor(20);
constexpr ColorValue cl3DDkShadow = systemColor(21);
constexpr ColorValue cl3DLight = systemColor(22);
constexpr ColorValue clInfoText = systemColor(23);
constexpr ColorValue clInfoBk = systemColor(24);
constexpr ColorValue clHotLight = systemColor(26);
constexpr ColorValue clGradientActiveCaption = systemColor(27);
constexpr ColorValue clGradientInactiveCaption = systemColor(28);
constexpr ColorValue clMenuHighlight = systemColor(29);
constexpr ColorValue clMenuBar = systemColor(30);

constexpr bool isSystem(ColorValue value) { return (quint32(value) >> 24) == 0xFF; }

} // namespace Colors

// Reads a colour name (any letter case) or an integer: decimal with an optional sign, or
// hexadecimal after "$" or "0x". Hexadecimal takes up to the full 32 bits, so that every text
// ColorToString writes reads back. False, and *value untouched, for anything else.
bool StringToColor(const QString &text, ColorValue *value);
ColorValue StringToColorOr(const QString &text, ColorValue fallback);

// The first colour name with this value, else "$" and eight upper-case hexadecimal digits.
QString ColorToString(ColorValue value);

// Linux has no system colours of its own; each one takes the palette role that plays its part.
QColor toQColor(ColorValue value, const QPalette &palette, const QColor &widgetDefault);
// Alpha is dropped; an invalid colour is no colour at all.
ColorValue fromQColor(const QColor &color);
