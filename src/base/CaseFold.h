#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <cstddef>

// Texts that are the same without regard to letter case, exactly as QString::compare(...,
// Qt::CaseInsensitive) calls them equal: code point by code point, with simple case folding.
// Hashing and comparing fold as they walk instead of building folded copies, because they run
// for every ini key looked up and for every entry of a main list of many thousand games.
namespace CaseFold {

// The code point of text at `at`, case folded; moves `at` past it (two units for a surrogate
// pair; a lone surrogate is taken as it is).
inline char32_t next(QStringView text, qsizetype &at)
{
    const char16_t unit = text[at].unicode();
    ++at;
    // Almost all names are ASCII; the table look-up below is the slow path.
    if (unit < 0x80)
        return unit >= u'A' && unit <= u'Z' ? char32_t(unit + 0x20) : char32_t(unit);
    char32_t codePoint = unit;
    if (QChar::isHighSurrogate(unit) && at < text.size() && text[at].isLowSurrogate()) {
        codePoint = QChar::surrogateToUcs4(unit, text[at].unicode());
        ++at;
    }
    return QChar::toCaseFolded(codePoint);
}

// Equal texts give equal hashes for the same seed.
size_t hash(QStringView text, size_t seed = 0);
bool equal(QStringView a, QStringView b);

} // namespace CaseFold

// A text as a hash key that ignores letter case; keeps the text as it was given.
struct CaseFoldedKey
{
    QString text;

    friend bool operator==(const CaseFoldedKey &a, const CaseFoldedKey &b)
    {
        return CaseFold::equal(a.text, b.text);
    }
    friend size_t qHash(const CaseFoldedKey &key, size_t seed = 0) { return CaseFold::hash(key.text, seed); }
};
