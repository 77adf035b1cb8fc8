#pragma once

#include "base/Result.h"

#include <QRect>
#include <QString>

class IniFile;

// Which skins file dresses the Nostalgia view for a game, and what one skins file says for one
// window width. Skins files are read only; every key has a default, so a missing or half-written
// file still gives a usable (if bare) view.
namespace NostalgiaSkin {

// The width bucket whose layout keys a window of this outer width reads: 800, 1000, 1200, 1400
// or 1800.
int widthBucket(int windowWidth);

// The year a year text stands for when choosing a DOS era; see the definition for the rules.
int eraYear(const QString &yearText);
// "8086", "286", "386", "486" or "Pentium".
QString dosEra(int year);

// The name of the skins file a game of this platform and year asks for ("skins.ini" for an empty
// platform), before looking whether it exists.
QString wantedFileName(const QString &platform, const QString &yearText);
// The skins file to open: the wanted one when the skins folder holds it, otherwise skins.ini.
QString chooseFile(const QString &skinsFolder, const QString &platform, const QString &yearText);
// skins.ini itself.
QString defaultFile(const QString &skinsFolder);

// A picture named by a skins file, relative to the skins folder; empty for an empty name.
QString picturePath(const QString &skinsFolder, const QString &name);

// A failure for a skins file that is there but is no skins file at all (a file of another kind,
// or one the user may not read): none of the sections a skin is made of. A skins file, however
// bare, and a missing or empty one, which simply give the bare view, are usable.
Result<void> usable(const IniFile &file);

} // namespace NostalgiaSkin

// Everything one skins file gives for one width bucket.
struct NostalgiaSkinValues
{
    QString fileName;
    int bucket = 800;

    int TransitionDelay = 3; // seconds

    // Picture names, relative to the skins folder; empty: none.
    QString computerImage;
    QString backgroundImage;
    QString manualImage;
    QString manualHighlight;
    QString bigScreenImage;
    QString openBoxImage;
    QString diskImage;

    QRect openBox;
    QRect computer;
    QRect screen;
    QRect title;
    QRect manual;
    QRect front;
    QRect back;

    QString listFont;
    int listFontSize = 10;
    int listWidth = 100;

    int extrasTop = 100;
    int extrasLeft = 100;
    QString extrasFont;
    int extrasFontSize = 12;

    int diskFontSize = 12;

    static NostalgiaSkinValues read(const IniFile &file, int bucket);
};
