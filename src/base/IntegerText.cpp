#include "base/IntegerText.h"

#include <QLatin1String>

namespace {

int digitValue(char16_t c, int base)
{
    int digit = -1;
    if (c >= u'0' && c <= u'9')
        digit = c - u'0';
    else if (c >= u'a' && c <= u'f')
        digit = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        digit = c - u'A' + 10;
    return digit < base ? digit : -1;
}

} // namespace

namespace IntegerText {

bool parse(QStringView text, qint32 *value)
{
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    int base = 10;
    if (text.mid(pos).startsWith(u'$')) {
        base = 16;
        pos += 1;
    } else if (text.mid(pos).startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size())
        return false;

    const quint64 limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    quint64 magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos].unicode(), base);
        if (digit < 0)
            return false;
        // Stopping at the first digit past the limit also keeps a long run of digits from
        // overflowing the 64-bit sum.
        magnitude = magnitude * quint64(base) + quint64(digit);
        if (magnitude > limit)
            return false;
    }
    const quint32 bits = quint32(magnitude);
    *value = qint32(negative ? 0u - bits : bits);
    return true;
}

} // namespace IntegerText
