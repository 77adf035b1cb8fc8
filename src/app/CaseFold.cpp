#include "app/CaseFold.h"

namespace CaseFold {

size_t hash(QStringView text, size_t seed)
{
    // FNV-1a over the folded code points: cheap per character, and its low bits spread well
    // enough for tables that index by them alone.
    quint64 hash = 14695981039346656037ULL ^ quint64(seed);
    for (qsizetype at = 0; at < text.size();) {
        hash ^= next(text, at);
        hash *= 1099511628211ULL;
    }
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
