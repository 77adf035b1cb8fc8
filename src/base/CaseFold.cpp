#include "base/CaseFold.h"

namespace CaseFold {

size_t hash(QStringView text, size_t seed)
{
    // The folded code points go in three at a time, 21 bits each, so that a run of plain ASCII
    // (nearly every name) is folded and taken a word at a time; a text with other letters takes
    // them one by one into the same words, so that equal texts still give equal hashes.
    quint64 hash = 14695981039346656037ULL ^ quint64(seed);
    const auto mix = [&hash](quint64 word) {
        hash = (hash ^ word) * 0x9E3779B97F4A7C15ULL;
        hash ^= hash >> 32;
    };
    const auto lower = [](char16_t unit) {
        return quint64(unit >= u'A' && unit <= u'Z' ? unit + 0x20 : unit);
    };
    const char16_t *units = text.utf16();
    const qsizetype size = text.size();
    quint64 word = 0;
    int filled = 0;
    for (qsizetype at = 0; at < size;) {
        if (filled == 0 && at + 3 <= size && (units[at] | units[at + 1] | units[at + 2]) < 0x80) {
            mix(lower(units[at]) | lower(units[at + 1]) << 21 | lower(units[at + 2]) << 42);
            at += 3;
            continue;
        }
        word |= quint64(next(text, at)) << (21 * filled);
        if (++filled == 3) {
            mix(word);
            word = 0;
            filled = 0;
        }
    }
    if (filled > 0)
        mix(word);
    // Tables index by the low bits alone: every bit of the words must reach them.
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDULL;
    hash ^= hash >> 33;
    return size_t(hash);
}

bool equal(QStringView a, QStringView b)
{
    qsizetype atA = 0;
    qsizetype atB = 0;
    while (atA < a.size() && atB < b.size()) {
        if (next(a, atA) != next(b, atB))
            return false;
    }
    return atA == a.size() && atB == b.size();
}

} // namespace CaseFold
