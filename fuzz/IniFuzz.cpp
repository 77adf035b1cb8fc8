// An ini file of any bytes takes a write of one key: reading it back gives the value written,
// and every line but the one written (and a header or line end the write had to add) keeps its
// bytes.

#include "FuzzSupport.h"

#include "app/IniFile.h"

#include <QList>

#include <cstring>

namespace {

// Names and values the program writes: one line, no blanks around them, no "=" in a key and
// no "]" in a section name; letters beyond ASCII that every encoding of an ini file holds.
QString nameOrValue(const QByteArray &bytes, const char *forbidden)
{
    QString out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        QChar ch = b < 0x80 ? QChar(char16_t(0x20 + b % 0x5F)) : QChar(char16_t(0xA0 + b % 0x60));
        if (std::strchr(forbidden, ch.toLatin1()) && ch.unicode() < 0x80)
            ch = QLatin1Char('_');
        out.append(ch);
    }
    while (!out.isEmpty() && out.front() == QLatin1Char(' '))
        out.remove(0, 1);
    while (!out.isEmpty() && out.back() == QLatin1Char(' '))
        out.chop(1);
    return out;
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            lines.append(bytes.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QString section = nameOrValue(input.piece(24), "]");
    const QString key = nameOrValue(input.piece(24), "=;[");
    const QString value = nameOrValue(input.piece(64), "");
    const QByteArray file = input.rest();
    if (key.isEmpty())
        return 0;
    const QByteArray written = IniFile::withValues(file, {{section, key, value}});
    const IniFile reread = IniFile::fromBytes(written);
    FUZZ_CHECK(reread.readString(section, key, QStringLiteral("\x01missing")) == value);

    const QList<QByteArray> before = linesOf(file);
    const QList<QByteArray> after = linesOf(written);
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < after.size() - head
           && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const qsizetype removed = before.size() - head - tail;
    const qsizetype added = after.size() - head - tail;
    // One line replaced, or up to a header and a key line added (after a blank-free line end
    // for a last line that had none).
    FUZZ_CHECK(removed <= 1);
    FUZZ_CHECK(added <= 3);
    if (removed == 1) {
        const QByteArray &old = before[head];
        const bool lastWithoutEnd = head == before.size() - 1 && !old.endsWith('\n') && !old.endsWith('\r');
        // Either the key's own line took the new value, or a last line without a line end got one.
        const bool keyLineReplaced = old.contains('=') && head < after.size()
            && (after[head].contains(value.toUtf8()) || after[head].contains(value.toLatin1()));
        FUZZ_CHECK(keyLineReplaced || (lastWithoutEnd && after[head].startsWith(old)));
    }
    return 0;
}
