#include "import/ImportXml.h"

#include "library/LibraryPaths.h"

#include <QFile>

#include <cstring>

namespace {

Result<QByteArray> readXmlBytes(const QString &path, qint64 limit = -1)
{
    if (!LibraryPaths::isRegularFile(path))
        return Failure(Failure::Kind::FileMissing, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(Failure::Kind::CouldNotOpen, path, file.errorString());
    const QByteArray bytes = limit < 0 ? file.readAll() : file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return Failure(Failure::Kind::CouldNotRead, path, file.errorString());
    return bytes;
}

QString xmlPlace(const QByteArray &bytes, qsizetype offset)
{
    offset = qBound<qsizetype>(0, offset, bytes.size());
    const QByteArray before = bytes.left(offset);
    return QStringLiteral("line %1, column %2").arg(before.count('\n') + 1).arg(offset - before.lastIndexOf('\n'));
}

} // namespace

namespace ImportXml {

Result<std::unique_ptr<pugi::xml_document>> load(const QString &path, const char *root, const QString &what)
{
    Result<QByteArray> bytes = readXmlBytes(path);
    if (!bytes)
        return std::move(bytes).error();
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result parsed =
        document->load_buffer(bytes->constData(), size_t(bytes->size()), pugi::parse_default, pugi::encoding_auto);
    if (!parsed) {
        return Failure(Failure::Kind::NotXml, path)
            .with(Failure::Fact::Words, QString::fromUtf8(parsed.description()))
            .with(Failure::Fact::Place, xmlPlace(*bytes, qsizetype(parsed.offset)));
    }
    const pugi::xml_node element = document->document_element();
    if (std::strcmp(element.name(), root) != 0)
        return Failure(Failure::Kind::ImportNotSource, path)
            .with(Failure::Fact::Element, QString::fromUtf8(element.name()))
            .with(Failure::Fact::Expected, what);
    return document;
}

QString rootElement(const QString &path)
{
    // The top-level element comes first; a few kilobytes hold it after any declaration and
    // comments, and a data file of many megabytes need not be read to know what it is.
    Result<QByteArray> bytes = readXmlBytes(path, 64 * 1024);
    if (!bytes)
        return QString();
    const QByteArray &head = *bytes;
    qsizetype at = 0;
    while ((at = head.indexOf('<', at)) >= 0 && at + 1 < head.size()) {
        const char next = head.at(at + 1);
        if (next == '?' || next == '!') {
            const QByteArray end = head.mid(at, 4) == "<!--" ? QByteArray("-->") : QByteArray(">");
            const qsizetype close = head.indexOf(end, at);
            if (close < 0)
                return QString();
            at = close + end.size();
            continue;
        }
        qsizetype stop = at + 1;
        while (stop < head.size() && !std::strchr(" \t\r\n/>", head.at(stop)))
            ++stop;
        return QString::fromUtf8(head.mid(at + 1, stop - at - 1));
    }
    return QString();
}

} // namespace ImportXml
