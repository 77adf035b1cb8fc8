#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

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
// The text in the encoding; nothing when the encoding cannot hold one of its characters, so
// that no writer can put a stand-in such as '?' where the user's text was. UTF-8 holds every
// character; Windows-1252 only its own 256.
std::optional<QByteArray> encode(const QString &text, TextEncoding encoding);
bool canEncode(const QString &text, TextEncoding encoding);

} // namespace TextCodec
