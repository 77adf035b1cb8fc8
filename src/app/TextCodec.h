#pragma once

#include <QByteArray>
#include <QString>

// The two encodings a library made on Windows may use: UTF-8 or Windows-1252.
enum class TextEncoding { Utf8, Windows1252 };

struct DecodedText
{
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
    bool hadByteOrderMark = false;
};

namespace TextCodec {

// UTF-8 when the bytes are valid UTF-8 (a byte-order mark is skipped), otherwise Windows-1252.
DecodedText decode(const QByteArray &bytes);
bool isValidUtf8(const char *data, qsizetype size);
QString decodeWindows1252(const char *data, qsizetype size);
// Characters Windows-1252 cannot hold become '?'.
QByteArray encode(const QString &text, TextEncoding encoding);

} // namespace TextCodec
