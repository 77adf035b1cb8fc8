#include "export/XmlLayout.h"

#include <QByteArrayView>

#include <cstring>

namespace {

class Scanner
{
  public:
    explicit Scanner(const QByteArray &bytes)
        : m_bytes(bytes), m_data(bytes.constData()), m_size(bytes.size())
    {
    }

    bool at(qsizetype pos, const char *text) const
    {
        return QByteArrayView(m_data + pos, m_size - pos).startsWith(QByteArrayView(text));
    }

    // The position just past `terminator`, searched from `from`; -1 when it never comes.
    qsizetype past(const char *terminator, qsizetype from) const
    {
        const qsizetype found = m_bytes.indexOf(terminator, from);
        return found < 0 ? -1 : found + qsizetype(std::strlen(terminator));
    }

    // The '>' that ends a tag begun before `from`. Attribute values may hold '>' and '/'.
    qsizetype tagEnd(qsizetype from) const
    {
        for (qsizetype i = from; i < m_size; ++i) {
            const char c = m_data[i];
            if (c == '"' || c == '\'') {
                i = m_bytes.indexOf(c, i + 1);
                if (i < 0)
                    return -1;
            } else if (c == '>') {
                return i;
            }
        }
        return -1;
    }

    // The '>' that ends a markup declaration such as the document type, whose internal subset
    // in brackets holds declarations, comments and quoted texts of its own.
    qsizetype declarationEnd(qsizetype from) const
    {
        int brackets = 0;
        for (qsizetype i = from; i < m_size; ++i) {
            const char c = m_data[i];
            qsizetype next = i;
            if (c == '"' || c == '\'')
                next = m_bytes.indexOf(c, i + 1);
            else if (brackets > 0 && at(i, "<!--"))
                next = past("-->", i + 4) - 1;
            else if (brackets > 0 && at(i, "<?"))
                next = past("?>", i + 2) - 1;
            else if (c == '[')
                ++brackets;
            else if (c == ']')
                --brackets;
            else if (c == '>' && brackets == 0)
                return i;
            if (next < 0)
                return -1;
            i = next;
        }
        return -1;
    }

    // The spaces and tabs before `pos` when they begin a line; nothing when other text comes first.
    std::optional<QByteArray> indentBefore(qsizetype pos) const
    {
        qsizetype start = pos;
        while (start > 0 && (m_data[start - 1] == ' ' || m_data[start - 1] == '\t'))
            --start;
        if (start > 0 && m_data[start - 1] != '\n' && m_data[start - 1] != '\r')
            return std::nullopt;
        return QByteArray(m_data + start, pos - start);
    }

    const char *data() const { return m_data; }
    qsizetype size() const { return m_size; }

  private:
    const QByteArray &m_bytes;
    const char *m_data;
    qsizetype m_size;
};

} // namespace

std::optional<XmlLayout> XmlLayout::scan(const QByteArray &bytes)
{
    const Scanner scanner(bytes);
    const char *const data = scanner.data();
    const qsizetype size = scanner.size();
    XmlLayout layout;
    std::optional<QByteArray> *const indents[] = {&layout.rootIndent, &layout.childIndent,
                                                  &layout.grandchildIndent};
    int depth = 0;
    qsizetype lastStartTagEnd = -1; // an end tag right there closes an empty element
    qsizetype pos = 0;
    while (pos < size) {
        const void *const found = std::memchr(data + pos, '<', size_t(size - pos));
        if (!found)
            break;
        const qsizetype tag = static_cast<const char *>(found) - data;
        if (scanner.at(tag, "<!--")) {
            pos = scanner.past("-->", tag + 4);
        } else if (scanner.at(tag, "<![CDATA[")) {
            pos = scanner.past("]]>", tag + 9);
        } else if (scanner.at(tag, "<?")) {
            pos = scanner.past("?>", tag + 2);
        } else if (scanner.at(tag, "<!")) {
            const qsizetype end = scanner.declarationEnd(tag + 2);
            pos = end < 0 ? -1 : end + 1;
        } else {
            const qsizetype end = scanner.tagEnd(tag + 1);
            if (end < 0)
                break;
            pos = end + 1;
            if (data[tag + 1] == '/') {
                if (depth > 1 && layout.emptyElement == EmptyElement::Unknown && lastStartTagEnd == tag)
                    layout.emptyElement = EmptyElement::Pair;
                if (--depth == 0) {
                    layout.rootEnd = tag;
                    return layout;
                }
                if (depth < 0)
                    break;
                continue;
            }
            if (depth < 3 && !indents[depth]->has_value())
                *indents[depth] = scanner.indentBefore(tag);
            const bool selfClosing = data[end - 1] == '/';
            if (depth == 0)
                layout.rootStart = tag;
            if (!selfClosing) {
                ++depth;
                lastStartTagEnd = pos;
            } else if (depth == 0) {
                layout.rootSelfClosing = true;
                layout.rootEnd = end - 1;
                return layout;
            } else if (layout.emptyElement == EmptyElement::Unknown) {
                const char before = data[end - 2];
                const bool spaced = before == ' ' || before == '\t' || before == '\r' || before == '\n';
                layout.emptyElement = spaced ? EmptyElement::Spaced : EmptyElement::Tight;
            }
        }
        if (pos < 0)
            break;
    }
    return std::nullopt;
}
