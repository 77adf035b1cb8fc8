#include "export/LaunchBoxDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <pugixml.hpp>

#include <cstring>
#include <string>

namespace {

// Everything the file holds is kept: comments, processing instructions, the document type, and
// whitespace, also inside elements. Line ends stay as written, so that a file with CR LF keeps them.
constexpr unsigned kParseOptions = (pugi::parse_full | pugi::parse_ws_pcdata) & ~pugi::parse_eol;

bool isWhitespace(const char *text)
{
    for (; *text; ++text) {
        if (*text != ' ' && *text != '\t' && *text != '\n' && *text != '\r')
            return false;
    }
    return true;
}

bool isXmlCharacter(char16_t c)
{
    return c >= 0x20 ? c != 0xFFFE && c != 0xFFFF : c == u'\t' || c == u'\n' || c == u'\r';
}

// XML 1.0 cannot hold most control characters, not even as references, and LaunchBox refuses
// a whole file that holds one; a stray one from a game record is left out.
QByteArray xmlText(const QString &text)
{
    for (const QChar c : text) {
        if (!isXmlCharacter(c.unicode())) {
            QString clean;
            clean.reserve(text.size());
            for (const QChar k : text) {
                if (isXmlCharacter(k.unicode()))
                    clean.append(k);
            }
            return clean.toUtf8();
        }
    }
    return text.toUtf8();
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// "line 3, column 14" for a byte offset into the file.
QString placeOf(const QByteArray &bytes, qsizetype offset)
{
    offset = qBound<qsizetype>(0, offset, bytes.size());
    const QByteArray before = bytes.left(offset);
    const qsizetype lastLineEnd = before.lastIndexOf('\n');
    return QStringLiteral("line %1, column %2").arg(before.count('\n') + 1).arg(offset - lastLineEnd);
}

class SaveFileWriter : public pugi::xml_writer
{
  public:
    explicit SaveFileWriter(QSaveFile &file) : m_file(file) {}
    void write(const void *data, size_t size) override
    {
        if (!m_failed && m_file.write(static_cast<const char *>(data), static_cast<qint64>(size)) !=
                             static_cast<qint64>(size))
            m_failed = true;
    }
    bool failed() const { return m_failed; }

  private:
    QSaveFile &m_file;
    bool m_failed = false;
};

} // namespace

struct LaunchBoxDocument::Data
{
    QByteArray buffer; // parsed in place, so it lives as long as the document
    pugi::xml_document document;
    pugi::xml_node root;
    // The whitespace before </LaunchBox>; new elements go in front of it.
    pugi::xml_node tail;
    std::string newline = "\n";
    std::string elementIndent;
    std::string childIndent;
    bool byteOrderMark = false;

    void declareUtf8();
    void keepLineBreaksBetweenTopLevelNodes();
};

void LaunchBoxDocument::Data::declareUtf8()
{
    pugi::xml_node declaration = document.first_child();
    if (declaration.type() != pugi::node_declaration) {
        declaration = document.prepend_child(pugi::node_declaration);
        declaration.append_attribute("version").set_value("1.0");
    }
    if (pugi::xml_attribute encoding = declaration.attribute("encoding")) {
        encoding.set_value("utf-8");
        return;
    }
    pugi::xml_attribute version = declaration.attribute("version");
    if (!version) {
        version = declaration.prepend_attribute("version");
        version.set_value("1.0");
    }
    // The encoding has to come before "standalone", which LaunchBox writes.
    declaration.insert_attribute_after("encoding", version).set_value("utf-8");
}

void LaunchBoxDocument::Data::keepLineBreaksBetweenTopLevelNodes()
{
    // The XML library does not keep whitespace outside the top-level element; without this the
    // declaration, comments and the element would run together on one line.
    for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_pcdata) {
            node = document.insert_child_after(pugi::node_pcdata, node);
            node.set_value(newline.c_str());
        }
    }
}

LaunchBoxDocument::LaunchBoxDocument() : d(std::make_unique<Data>()) {}

LaunchBoxDocument::~LaunchBoxDocument() = default;

QString LaunchBoxDocument::load(const QString &path)
{
    // A pipe or a device chosen by mistake would never end.
    if (!QFileInfo(path).isFile())
        return QStringLiteral("The file \"%1\" does not exist.").arg(native(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Could not open \"%1\": %2").arg(native(path), file.errorString());
    d->buffer = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Could not read \"%1\": %2").arg(native(path), file.errorString());
    file.close();

    d->byteOrderMark = d->buffer.startsWith("\xEF\xBB\xBF");
    d->newline = d->buffer.left(64 * 1024).contains("\r\n") ? "\r\n" : "\n";
    d->elementIndent = d->newline + "  ";
    d->childIndent = d->newline + "    ";

    const pugi::xml_parse_result result = d->document.load_buffer_inplace(
        d->buffer.data(), static_cast<size_t>(d->buffer.size()), kParseOptions, pugi::encoding_auto);
    if (!result) {
        // The buffer was changed while parsing; the place is counted in the file as it is.
        file.open(QIODevice::ReadOnly);
        const QString place = placeOf(file.readAll(), static_cast<qsizetype>(result.offset));
        return QStringLiteral("\"%1\" is not an XML file: %2 (%3).")
            .arg(native(path), QString::fromUtf8(result.description()), place);
    }

    int topLevelElements = 0;
    for (pugi::xml_node node = d->document.first_child(); node; node = node.next_sibling())
        topLevelElements += node.type() == pugi::node_element ? 1 : 0;
    d->root = d->document.document_element();
    if (topLevelElements != 1 || std::strcmp(d->root.name(), "LaunchBox") != 0) {
        return QStringLiteral("\"%1\" is not a LaunchBox data file: its top-level element is \"%2\", not "
                              "\"LaunchBox\". Nothing was exported.")
            .arg(native(path), topLevelElements == 1 ? QString::fromUtf8(d->root.name())
                                                     : QStringLiteral("more than one element"));
    }

    const pugi::xml_node last = d->root.last_child();
    if (last.type() == pugi::node_pcdata && isWhitespace(last.value()))
        d->tail = last;
    d->declareUtf8();
    d->keepLineBreaksBetweenTopLevelNodes();
    return QString();
}

void LaunchBoxDocument::append(const char *name, const std::vector<Child> &children)
{
    if (!d->tail) {
        d->tail = d->root.append_child(pugi::node_pcdata);
        d->tail.set_value(d->newline.c_str());
    }
    d->root.insert_child_before(pugi::node_pcdata, d->tail).set_value(d->elementIndent.c_str());
    pugi::xml_node element = d->root.insert_child_before(name, d->tail);
    for (const Child &child : children) {
        element.append_child(pugi::node_pcdata).set_value(d->childIndent.c_str());
        pugi::xml_node added = element.append_child(child.name);
        if (!child.text.isEmpty())
            added.append_child(pugi::node_pcdata).set_value(xmlText(child.text).constData());
    }
    element.append_child(pugi::node_pcdata).set_value(d->elementIndent.c_str());
}

QString LaunchBoxDocument::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Could not save \"%1\": %2").arg(native(path), file.errorString());
    SaveFileWriter writer(file);
    const unsigned flags = pugi::format_raw | (d->byteOrderMark ? pugi::format_write_bom : 0u);
    d->document.save(writer, "", flags, pugi::encoding_utf8);
    if (writer.failed() || !file.commit())
        return QStringLiteral("Could not save \"%1\": %2").arg(native(path), file.errorString());
    return QString();
}
