#include "nostalgia/NostalgiaFonts.h"

#include "library/LibraryPaths.h"
#include "nostalgia/NostalgiaSkin.h"

#include <QDir>
#include <QFontDatabase>
#include <QSet>

namespace {

// The font database is the process's; so is what was added to it.
struct SkinFonts
{
    QSet<QString> added;
    QString dosFamily;
};

SkinFonts &skinFonts()
{
    static SkinFonts fonts;
    return fonts;
}

} // namespace

namespace NostalgiaFonts {

void loadSkinFonts(const QString &skinsFolder)
{
    SkinFonts &fonts = skinFonts();
    QStringList files = QDir(skinsFolder)
                            .entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")},
                                       QDir::Files | QDir::Readable, QDir::NoSort);
    LibraryPaths::sortAsListing(files);
    for (const QString &name : files) {
        const QString path = QDir(skinsFolder).filePath(name);
        if (fonts.added.contains(path))
            continue;
        fonts.added.insert(path);
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (fonts.dosFamily.isEmpty() && !families.isEmpty())
            fonts.dosFamily = families.front();
    }
}

QFont dosFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QString &family = skinFonts().dosFamily;
    if (!family.isEmpty())
        font.setFamily(family);
    font.setStyleHint(QFont::TypeWriter);
    // Sixteen pixels a line is what a VGA text screen had.
    font.setPixelSize(16);
    return font;
}

QString familyOrDos(const QString &family)
{
    if (!family.isEmpty() && QFontDatabase::hasFamily(family))
        return family;
    return dosFont().family();
}

QFont listFont(QFont font, const NostalgiaSkinValues &skin)
{
    font.setFamily(familyOrDos(skin.listFont));
    font.setPointSize(qMax(1, skin.listFontSize));
    return font;
}

QFont diskFont(QFont font, const NostalgiaSkinValues &skin)
{
    font.setPointSize(qMax(1, skin.diskFontSize));
    return font;
}

QFont extrasFont(QFont font, const NostalgiaSkinValues &skin)
{
    font.setFamily(skin.extrasFont);
    font.setPointSize(qMax(1, skin.extrasFontSize));
    return font;
}

} // namespace NostalgiaFonts
