#include "export/LaunchBoxDocument.h"

#include "base/TextCodec.h"
#include "export/XmlLayout.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <pugixml.hpp>

#include <array>
#include <cstring>
#include <optional>

namespace {

const char kRoot[] = "LaunchBox";

// The encodings new elements are written in. Each keeps ASCII as ASCII, so that the file's markup
// is found byte by byte whichever of them it is in.
enum class Encoding { Utf8, Windows1252, Latin1, Ascii };

std::optional<Encoding> encodingNamed(const QByteArray &declared)
{
    const QByteArray name = declared.trimmed().toLower();
    if (name.isEmpty() || name == "utf-8" || name == "utf8")
        return Encoding::Utf8;
    if (name == "windows-1252" || name == "cp1252")
        return Encoding::Windows1252;
    if (name == "iso-8859-1" || name == "iso_8859-1" || name == "iso8859-1" || name == "latin1" ||
        name == "latin-1" || name == "l1")
        return Encoding::Latin1;
    if (name == "us-ascii" || name == "ascii")
        return Encoding::Ascii;
    return std::nullopt;
}

// Files whose markup is not ASCII byte for byte, found the way XML readers find them: by the
// byte-order mark, or by how "<?" begins the file.
const char *wideEncoding(const QByteArray &bytes)
{
    const auto starts = [&bytes](std::initializer_list<unsigned char> prefix) {
        return bytes.size() >= qsizetype(prefix.size()) &&
               std::equal(prefix.begin(), prefix.end(), bytes.constData(),
                          [](unsigned char a, char b) { return a == static_cast<unsigned char>(b); });
    };
    if (starts({0x00, 0x00, 0xFE, 0xFF}) || starts({0xFF, 0xFE, 0x00, 0x00}) ||
        starts({0x00, 0x00, 0x00, 0x3C}) || starts({0x3C, 0x00, 0x00, 0x00}))
        return "UTF-32";
    if (starts({0xFE, 0xFF}) || starts({0xFF, 0xFE}) || starts({0x00, 0x3C, 0x00, 0x3F}) ||
        starts({0x3C, 0x00, 0x3F, 0x00}))
        return "UTF-16";
    return nullptr;
}

// The byte Windows-1252 gives a character, or -1 when it has none.
int windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    static const std::array<char16_t, 32> high = [] {
        std::array<char16_t, 32> characters{};
        for (int byte = 0x80; byte <= 0x9F; ++byte) {
            const char single = char(byte);
            characters[size_t(byte - 0x80)] = TextCodec::decodeWindows1252(&single, 1).at(0).unicode();
        }
        return characters;
    }();
    for (size_t i = 0; i < high.size(); ++i) {
        // The five bytes Windows leaves unassigned decode to the control character of their
        // own number, which other readers of the file refuse; such a character gets a reference.
        if (high[i] == c && (c < 0x80 || c > 0x9F))
            return int(0x80 + i);
    }
    return -1;
}

bool isXmlCharacter(char32_t c)
{
    return c >= 0x20 ? (c < 0xD800 || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF))
                     : c == u'\t' || c == u'\n' || c == u'\r';
}

void appendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x800) {
        out.append(char(0xC0 | (c >> 6)));
    } else if (c < 0x10000) {
        out.append(char(0xE0 | (c >> 12)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
    } else {
        out.append(char(0xF0 | (c >> 18)));
        out.append(char(0x80 | ((c >> 12) & 0x3F)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
    }
    out.append(char(0x80 | (c & 0x3F)));
}

// Element text in the file's encoding. A CR is written as a reference, since every XML reader
// turns a raw one into a line feed; a line feed follows the file's own line ends, which readers
// turn back into one. A character the encoding cannot hold becomes a character reference.
// XML 1.0 cannot hold most control characters, not even as references, and LaunchBox refuses
// a whole file that holds one; a stray one from a game record is left out.
void appendText(QByteArray &out, const QString &text, Encoding encoding, const QByteArray &newline)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < size && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text.at(++i).unicode());
        switch (c) {
        case u'&':
            out.append("&amp;");
            continue;
        case u'<':
            out.append("&lt;");
            continue;
        case u'>':
            out.append("&gt;");
            continue;
        case u'\r':
            out.append("&#xD;");
            continue;
        case u'\n':
            out.append(newline);
            continue;
        default:
            break;
        }
        if (!isXmlCharacter(c))
            continue;
        if (c < 0x80) {
            out.append(char(c));
            continue;
        }
        int byte = -1;
        switch (encoding) {
        case Encoding::Utf8:
            appendUtf8(out, c);
            continue;
        case Encoding::Windows1252:
            byte = windows1252Byte(c);
            break;
        case Encoding::Latin1:
            byte = c <= 0xFF ? int(c) : -1;
            break;
        case Encoding::Ascii:
            break;
        }
        if (byte >= 0)
            out.append(char(byte));
        else
            out.append("&#x" + QByteArray::number(uint(c), 16).toUpper() + ';');
    }
}

// "line 3, column 14" for a byte offset into the file.
QString placeOf(const QByteArray &bytes, qsizetype offset)
{
    offset = qBound<qsizetype>(0, offset, bytes.size());
    const QByteArray before = bytes.left(offset);
    const qsizetype lastLineEnd = before.lastIndexOf('\n');
    return QStringLiteral("line %1, column %2").arg(before.count('\n') + 1).arg(offset - lastLineEnd);
}

// The first line end the file has; one without any gets LF.
QByteArray lineEndOf(const QByteArray &bytes)
{
    const qsizetype lineFeed = bytes.indexOf('\n');
    if (lineFeed > 0 && bytes.at(lineFeed - 1) == '\r')
        return "\r\n";
    return lineFeed < 0 && bytes.contains('\r') ? "\r" : "\n";
}

} // namespace

struct LaunchBoxDocument::Data
{
    // Where the new elements go into the file.
    enum class Insertion {
        AtLineStart,  // at the start of the line that the closing tag is on
        BeforeEndTag, // right before the closing tag, which shares its line with other content
        IntoEmptyTag, // "<LaunchBox/>" becomes a start tag, the new elements, and an end tag
    };

    QByteArray bytes; // the file as it was read
    Encoding encoding = Encoding::Utf8;
    Insertion insertion = Insertion::AtLineStart;
    qsizetype insertAt = 0;
    qsizetype resumeAt = 0; // where the file's own bytes go on after the new elements
    QByteArray newline = "\n";
    QByteArray rootIndent, elementIndent, childIndent;
    XmlLayout::EmptyElement emptyElement = XmlLayout::EmptyElement::Spaced;
    // Each new element with the line end and indentation in front of it.
    QByteArray added;

    void followLayout(const XmlLayout &layout);
};

void LaunchBoxDocument::Data::followLayout(const XmlLayout &layout)
{
    newline = lineEndOf(bytes);
    rootIndent = layout.rootIndent.value_or(QByteArray());
    elementIndent = layout.childIndent.value_or(rootIndent + "  ");
    const QByteArray step = elementIndent.startsWith(rootIndent) && elementIndent.size() > rootIndent.size()
                                ? elementIndent.mid(rootIndent.size())
                                : QByteArray("  ");
    childIndent = layout.grandchildIndent.value_or(elementIndent + step);
    // A file that shows none is written as LaunchBox writes its own.
    if (layout.emptyElement != XmlLayout::EmptyElement::Unknown)
        emptyElement = layout.emptyElement;

    if (layout.rootSelfClosing) {
        insertion = Insertion::IntoEmptyTag;
        insertAt = layout.rootEnd;
        // "<LaunchBox />" becomes "<LaunchBox>", not "<LaunchBox >".
        while (insertAt > layout.rootStart && std::strchr(" \t\r\n", bytes.at(insertAt - 1)))
            --insertAt;
        resumeAt = layout.rootEnd + 2;
        return;
    }
    qsizetype lineStart = layout.rootEnd;
    while (lineStart > 0 && (bytes.at(lineStart - 1) == ' ' || bytes.at(lineStart - 1) == '\t'))
        --lineStart;
    const bool ownLine =
        lineStart > 0 && (bytes.at(lineStart - 1) == '\n' || bytes.at(lineStart - 1) == '\r');
    insertion = ownLine ? Insertion::AtLineStart : Insertion::BeforeEndTag;
    insertAt = resumeAt = ownLine ? lineStart : layout.rootEnd;
}

LaunchBoxDocument::LaunchBoxDocument() : d(std::make_unique<Data>()) {}

LaunchBoxDocument::~LaunchBoxDocument() = default;

Result<void> LaunchBoxDocument::load(const QString &path)
{
    // A pipe or a device chosen by mistake would never end.
    if (!QFileInfo(path).isFile())
        return Failure(Failure::Kind::FileMissing, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(Failure::Kind::CouldNotOpen, path, file.errorString());
    d->bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure(Failure::Kind::CouldNotRead, path, file.errorString());
    file.close();

    // Only checked: the document is not kept, since the file is never written from it.
    pugi::xml_document document;
    const pugi::xml_parse_result result =
        document.load_buffer(d->bytes.constData(), size_t(d->bytes.size()),
                             pugi::parse_minimal | pugi::parse_declaration, pugi::encoding_auto);
    if (!result) {
        return Failure(Failure::Kind::NotXml, path)
            .with(Failure::Fact::Words, QString::fromUtf8(result.description()))
            .with(Failure::Fact::Place, placeOf(d->bytes, qsizetype(result.offset)));
    }

    int topLevelElements = 0;
    for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling())
        topLevelElements += node.type() == pugi::node_element ? 1 : 0;
    const pugi::xml_node root = document.document_element();
    if (topLevelElements != 1)
        return Failure(Failure::Kind::NotLaunchBoxSeveralElements, path);
    if (std::strcmp(root.name(), kRoot) != 0)
        return Failure(Failure::Kind::NotLaunchBox, path)
            .with(Failure::Fact::Element, QString::fromUtf8(root.name()));

    if (const char *wide = wideEncoding(d->bytes))
        return Failure(Failure::Kind::WideEncoding, path).with(Failure::Fact::Encoding, QLatin1String(wide));
    const pugi::xml_node declaration = document.first_child();
    const QByteArray declared = declaration.type() == pugi::node_declaration
                                    ? QByteArray(declaration.attribute("encoding").value())
                                    : QByteArray();
    // Readers differ on which of the two wins, so whatever we wrote would be read wrongly by
    // some: the user has to settle it.
    const std::optional<Encoding> named = encodingNamed(declared);
    if (d->bytes.startsWith("\xEF\xBB\xBF") && named != Encoding::Utf8)
        return Failure(Failure::Kind::MarkContradictsEncoding, path)
            .with(Failure::Fact::Encoding, QString::fromLatin1(declared));
    const std::optional<Encoding> encoding = named;
    if (!encoding)
        return Failure(Failure::Kind::UnwritableEncoding, path)
            .with(Failure::Fact::Encoding, QString::fromLatin1(declared));
    d->encoding = *encoding;

    const std::optional<XmlLayout> layout = XmlLayout::scan(d->bytes);
    if (!layout)
        return Failure(Failure::Kind::XmlEndMissing, path);
    d->followLayout(*layout);
    return {};
}

void LaunchBoxDocument::append(const char *name, const std::vector<Child> &children)
{
    QByteArray &out = d->added;
    out += d->newline + d->elementIndent + '<' + name + '>';
    for (const Child &child : children) {
        out += d->newline + d->childIndent;
        const qsizetype start = out.size();
        out += '<' + QByteArray(child.name) + '>';
        const qsizetype textStart = out.size();
        appendText(out, child.text, d->encoding, d->newline);
        if (out.size() > textStart) {
            out += "</" + QByteArray(child.name) + '>';
            continue;
        }
        out.truncate(start);
        switch (d->emptyElement) {
        case XmlLayout::EmptyElement::Pair:
            out += '<' + QByteArray(child.name) + "></" + child.name + '>';
            break;
        case XmlLayout::EmptyElement::Tight:
            out += '<' + QByteArray(child.name) + "/>";
            break;
        default:
            out += '<' + QByteArray(child.name) + " />";
            break;
        }
    }
    out += d->newline + d->elementIndent + "</" + name + '>';
}

Result<void> LaunchBoxDocument::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(Failure::Kind::CouldNotSave, path, file.errorString());
    const QByteArray &bytes = d->bytes;
    const QByteArray &added = d->added;
    bool written = true;
    const auto write = [&file, &written](const char *data, qsizetype size) {
        written = written && file.write(data, size) == size;
    };
    if (added.isEmpty()) {
        write(bytes.constData(), bytes.size());
    } else {
        write(bytes.constData(), d->insertAt);
        if (d->insertion == Data::Insertion::IntoEmptyTag)
            write(">", 1);
        if (d->insertion == Data::Insertion::AtLineStart) {
            // The line break in front of the first element is the one the file already has.
            write(added.constData() + d->newline.size(), added.size() - d->newline.size());
            write(d->newline.constData(), d->newline.size());
        } else {
            write(added.constData(), added.size());
            const QByteArray closing = d->newline + d->rootIndent;
            write(closing.constData(), closing.size());
        }
        if (d->insertion == Data::Insertion::IntoEmptyTag) {
            const QByteArray endTag = QByteArray("</") + kRoot + '>';
            write(endTag.constData(), endTag.size());
        }
        write(bytes.constData() + d->resumeAt, bytes.size() - d->resumeAt);
    }
    if (!written || !file.commit())
        return Failure(Failure::Kind::CouldNotSave, path, file.errorString());
    return {};
}
