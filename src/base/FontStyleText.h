#pragma once

#include <QFlags>
#include <QFont>
#include <QString>

enum class FontStyleFlag : int { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
Q_DECLARE_FLAGS(FontStyles, FontStyleFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

// Reading compares without regard to letter case; a text that names no style set, the empty
// text included, gives no style.
FontStyles StrtoFontStyle(const QString &text);
// The empty set is the empty text.
QString FontStyletoStr(FontStyles styles);

void applyFontStyle(QFont &font, FontStyles styles);
FontStyles fontStyleOf(const QFont &font);
