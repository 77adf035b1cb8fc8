#include "base/TextCodec.h"

#include <cstring>

namespace {

// Bytes 0x80 to 0x9F. The five bytes Windows leaves unassigned map to the control characters
// of the same number, as the Windows conversion functions do, so that they survive a round trip.
constexpr char16_t kHighControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool startsWithByteOrderMark(const QByteArray &bytes)
{
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF
           && static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF;
}

// The byte Windows-1252 gives a character, or -1 when it has none.
int windows1252Byte(char16_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return codePoint;
    for (int i = 0; i < 32; ++i) {
        if (kHighControlRange[i] == codePoint)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace TextCodec {

bool isValidUtf8(const char *data, qsizetype size)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data);
    qsizetype i = 0;
    while (i < size) {
        // Most of what we read is ASCII; take it eight bytes at a time.
        if (i + 8 <= size) {
            quint64 block;
            std::memcpy(&block, bytes + i, 8);
            if ((block & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int trailing;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            trailing = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            trailing = 2;
            if (lead == 0xE0)
                low = 0xA0; // overlong
            else if (lead == 0xED)
                high = 0x9F; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trailing = 3;
            if (lead == 0xF0)
                low = 0x90; // overlong
            else if (lead == 0xF4)
                high = 0x8F; // beyond U+10FFFF
        } else {
            return false;
        }
        if (size - i <= trailing)
            return false;
        if (bytes[i + 1] < low || bytes[i + 1] > high)
            return false;
        for (int k = 2; k <= trailing; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += trailing + 1;
    }
    return true;
}

QString decodeWindows1252(const char *data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControlRange[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

DecodedText decode(const QByteArray &bytes)
{
    DecodedText result;
    qsizetype start = 0;
    if (startsWithByteOrderMark(bytes)) {
        result.hadByteOrderMark = true;
        start = 3;
    }
    const char *data = bytes.constData() + start;
    const qsizetype size = bytes.size() - start;
    if (isValidUtf8(data, size)) {
        result.encoding = TextEncoding::Utf8;
        result.text = QString::fromUtf8(data, size);
    } else {
        result.encoding = TextEncoding::Windows1252;
        result.text = decodeWindows1252(data, size);
    }
    return result;
}

std::optional<QByteArray> encode(const QString &text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return text.toUtf8();

    // A surrogate is never one of the 256, so each QChar stands for itself here.
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const int byte = windows1252Byte(c.unicode());
        if (byte < 0)
            return std::nullopt;
        *out++ = static_cast<char>(byte);
    }
    return bytes;
}

bool canEncode(const QString &text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return true;
    for (const QChar c : text) {
        if (windows1252Byte(c.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace TextCodec
