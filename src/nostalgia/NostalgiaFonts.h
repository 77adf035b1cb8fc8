#pragma once

#include <QFont>
#include <QString>

struct NostalgiaSkinValues;

// The DOS-style lettering of the Nostalgia view. Font files shipped in the skins folder are made
// known to Qt once, so that a skin can name their families without the user installing them.
namespace NostalgiaFonts {

// Adds every .ttf and .otf file of the folder that was not added before.
void loadSkinFonts(const QString &skinsFolder);
// The DOS-style font: the first family the skins folder brought, otherwise the system's fixed
// font.
QFont dosFont();
// The family when Qt knows it, otherwise the DOS-style font's: a skin naming a font the machine
// lacks still gets a monospaced list rather than a proportional stand-in.
QString familyOrDos(const QString &family);

// The skin's lettering, on the font the control has: the list's in the family the skin names (or
// the DOS-style one), the disk label's and the extras' in the skin's sizes. A size of nothing or
// less is one point: Qt refuses such a size and would keep the control's own.
QFont listFont(QFont font, const NostalgiaSkinValues &skin);
QFont diskFont(QFont font, const NostalgiaSkinValues &skin);
QFont extrasFont(QFont font, const NostalgiaSkinValues &skin);

} // namespace NostalgiaFonts
