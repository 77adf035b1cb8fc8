// An ini file of any bytes takes a write of one key: reading it back gives the value written,
// and every line but the one written (and a header or line end the write had to add) keeps its
// bytes.

#include "FuzzSupport.h"

#include "base/IniFile.h"

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
    const Result<QByteArray> rewritten = IniFile::withValues(file, {{section, key, value}});
    FUZZ_CHECK(rewritten.has_value());
    const QByteArray &written = *rewritten;
    const IniFile reread = IniFile::fromBytes(written);
    FUZZ_CHECK(reread.readString(section, key, QStringLiteral("\x01missing")) == value);

    // Byte for byte: what the write took out of the file lies within one line, and what it put
    // in holds at most three line ends (a header, the key line, and a line end for a last line
    // that had none).
    qsizetype prefix = 0;
    while (prefix < file.size() && prefix < written.size() && file[prefix] == written[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < file.size() - prefix && suffix < written.size() - prefix
           && file[file.size() - 1 - suffix] == written[written.size() - 1 - suffix])
        ++suffix;
    const QByteArray removed = file.mid(prefix, file.size() - prefix - suffix);
    const QByteArray inserted = written.mid(prefix, written.size() - prefix - suffix);
    FUZZ_CHECK(!removed.contains('\n') && !removed.contains('\r'));
    FUZZ_CHECK(inserted.count('\n') + inserted.count('\r') <= 6);
    return 0;
}
