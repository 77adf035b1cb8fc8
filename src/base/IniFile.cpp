#include "base/IniFile.h"

#include "base/IntegerText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace {

const QByteArray kDefaultLineEnd = QByteArrayLiteral("\r\n");

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

inline bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Values are single lines: a line break inside one would cut the file in two.
QString withoutLineBreaks(const QString &text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            result.append(QLatin1Char(' '));
        } else {
            result.append(c);
        }
    }
    return result;
}

QStringView withoutOuterBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

QString trimmedBlanks(const QString &text)
{
    const QStringView trimmed = withoutOuterBlanks(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

// The text of every line kept, in UTF-8; a byte-order mark stays in front.
QByteArray inUtf8(const QByteArray &windows1252)
{
    const qsizetype mark = windows1252.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    return windows1252.left(mark) +
           TextCodec::decodeWindows1252(windows1252.constData() + mark, windows1252.size() - mark).toUtf8();
}

Failure unfitKeys(const QString &fileName, const QStringList &keys)
{
    Failure failure(Failure::Kind::TextUnfitForCodePage, fileName);
    for (const QString &key : keys)
        failure.withCause(Failure(Failure::Kind::UnfitKey).with(Failure::Fact::Key, key));
    return failure;
}

} // namespace

IniFile::IniFile(const QString &fileName, UnfitText unfitText) : m_fileName(fileName), m_unfitText(unfitText) {}

IniFile IniFile::fromBytes(const QByteArray &bytes)
{
    IniFile ini;
    ini.parse(bytes);
    return ini;
}

Result<QByteArray> IniFile::withValues(const QByteArray &bytes, const std::vector<Edit> &edits)
{
    IniFile ini = fromBytes(bytes);
    QStringList unfit;
    for (const Edit &edit : edits) {
        const QString key = trimmedBlanks(withoutLineBreaks(edit.key));
        if (key.isEmpty())
            continue;
        std::optional<QByteArray> updated =
            ini.withValue(trimmedBlanks(withoutLineBreaks(edit.section)), key, withoutLineBreaks(edit.value));
        if (updated)
            ini.parse(*updated);
        else
            unfit.append(key);
    }
    if (!unfit.isEmpty())
        return unfitKeys(QString(), unfit);
    return ini.m_raw;
}

IniFile IniFile::inMemory(const QByteArray &bytes)
{
    IniFile ini = fromBytes(bytes);
    ini.m_inMemory = true;
    return ini;
}

bool IniFile::parseInteger(const QString &text, int *value)
{
    // Hand-edited files put blanks around a number; colour texts allow none, so the shared
    // rule leaves them to us.
    return IntegerText::parse(withoutOuterBlanks(text), value);
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    reloadIfChanged();
    const Entry *entry = findEntry(section, key);
    return entry ? entry->value : defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    reloadIfChanged();
    const Entry *entry = findEntry(section, key);
    int value;
    return entry && parseInteger(entry->value, &value) ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList IniFile::readSection(const QString &section) const
{
    reloadIfChanged();
    QStringList keys;
    const int index = m_sectionIndex.value(CaseFoldedKey{section}, -1);
    if (index < 0)
        return keys;
    const Section &found = m_sections[size_t(index)];
    keys.reserve(found.endEntry - found.firstEntry);
    for (int i = found.firstEntry; i < found.endEntry; ++i)
        keys.append(m_entries[size_t(i)].key);
    return keys;
}

bool IniFile::sectionExists(const QString &section) const
{
    reloadIfChanged();
    return m_sectionIndex.contains(CaseFoldedKey{section});
}

const IniFile::Entry *IniFile::findEntry(const QString &section, const QString &key) const
{
    const int sectionIndex = m_sectionIndex.value(CaseFoldedKey{section}, -1);
    if (sectionIndex < 0)
        return nullptr;
    const int entryIndex = m_keyIndex.value(KeyName{sectionIndex, CaseFoldedKey{key}}, -1);
    return entryIndex < 0 ? nullptr : &m_entries[size_t(entryIndex)];
}

void IniFile::forget() const
{
    parse(QByteArray());
    m_stamp = FileStamp();
}

IniFile::FileStamp IniFile::stampOf(const QString &fileName)
{
    FileStamp stamp;
#if defined(Q_OS_UNIX)
    struct stat st;
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return stamp;
#if defined(Q_OS_DARWIN)
    const timespec &modified = st.st_mtimespec;
#else
    const timespec &modified = st.st_mtim;
#endif
    stamp.size = qint64(st.st_size);
    stamp.modified = qint64(modified.tv_sec) * 1000000000 + qint64(modified.tv_nsec);
    stamp.inode = quint64(st.st_ino);
    stamp.device = quint64(st.st_dev);
#else
    const QFileInfo info(fileName);
    if (!info.isFile())
        return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch() * 1000000;
#endif
    return stamp;
}

void IniFile::reloadIfChanged() const
{
    if (m_fileName.isEmpty()) {
        if (!m_loaded)
            parse(QByteArray());
        return;
    }
    const FileStamp stamp = stampOf(m_fileName);
    if (stamp.size < 0) {
        if (!m_loaded || m_stamp.size != -1)
            forget();
        return;
    }
    if (m_loaded && stamp == m_stamp)
        return;

    // A file that cannot be read reads as a missing one; the next read tries again.
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        forget();
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        forget();
        return;
    }
    parse(bytes);
    m_stamp = stamp;
}

void IniFile::parse(const QByteArray &bytes) const
{
    m_raw = bytes;
    m_entries.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    m_keyIndex.clear();
    m_lineEnd = kDefaultLineEnd;
    m_loaded = true;

    const char *data = m_raw.constData();
    const qsizetype size = m_raw.size();
    qsizetype pos = 0;
    if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
        pos = 3;
    m_encoding = TextCodec::isValidUtf8(data + pos, size - pos) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
    const bool utf8 = m_encoding == TextEncoding::Utf8;
    auto decode = [data, utf8](qsizetype begin, qsizetype end) {
        while (begin < end && isBlank(data[begin]))
            ++begin;
        while (end > begin && isBlank(data[end - 1]))
            --end;
        return utf8 ? QString::fromUtf8(data + begin, end - begin)
                    : TextCodec::decodeWindows1252(data + begin, end - begin);
    };

    bool lineEndSeen = false;
    int current = -1; // the section that takes key lines; -1 before any header and in repeats
    while (pos < size) {
        Span line;
        line.start = pos;
        qsizetype end = pos;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        line.contentEnd = end;
        line.next = end;
        if (end < size) {
            line.next += (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ? 2 : 1;
            if (!lineEndSeen) {
                m_lineEnd = QByteArray(data + end, line.next - end);
                lineEndSeen = true;
            }
        }
        pos = line.next;

        qsizetype first = line.start;
        while (first < end && isBlank(data[first]))
            ++first;
        if (first == end || data[first] == ';')
            continue;

        if (data[first] == '[') {
            const char *close = static_cast<const char *>(std::memchr(data + first + 1, ']', size_t(end - first - 1)));
            const qsizetype nameEnd = close ? close - data : end;
            CaseFoldedKey name{decode(first + 1, nameEnd)};
            if (m_sectionIndex.contains(name)) {
                current = -1; // the first section of a name wins; a repeat is not read
                continue;
            }
            current = int(m_sections.size());
            m_sectionIndex.insert(name, current);
            Section section;
            section.anchor = line;
            section.firstEntry = section.endEntry = int(m_entries.size());
            m_sections.push_back(section);
            continue;
        }

        if (current < 0)
            continue;
        // A line without '=' is a key with an empty value: hand-written name lists need no '='.
        const char *equals = static_cast<const char *>(std::memchr(data + first, '=', size_t(end - first)));
        const qsizetype keyEnd = equals ? equals - data : end;
        QString key = decode(first, keyEnd);
        if (key.isEmpty())
            continue;
        Section &section = m_sections[size_t(current)];
        section.anchor = line;
        KeyName name{current, CaseFoldedKey{key}};
        if (m_keyIndex.contains(name))
            continue; // the first key of a name wins
        Entry entry;
        entry.key = std::move(key);
        if (equals)
            entry.value = decode(keyEnd + 1, end);
        entry.line = line;
        m_keyIndex.insert(name, int(m_entries.size()));
        m_entries.push_back(std::move(entry));
        section.endEntry = int(m_entries.size());
    }
}

Result<void> IniFile::loadForWrite()
{
    // Read afresh, so that a write never undoes what another program has just changed.
    const QFileInfo info(m_fileName);
    if (!info.exists()) {
        forget();
        return {};
    }
    if (info.isDir())
        return Failure(Failure::Kind::SaveIntoFolder, m_fileName);
    if (!info.isFile())
        return Failure(Failure::Kind::SaveIntoNonRegular, m_fileName);
    const FileStamp stamp = stampOf(m_fileName);
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(Failure::Kind::SaveUnreadable, m_fileName, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure(Failure::Kind::SaveUnreadable, m_fileName, file.errorString());
    if (!m_loaded || bytes != m_raw)
        parse(bytes);
    m_stamp = stamp;
    return {};
}

std::optional<QByteArray> IniFile::withValue(const QString &section, const QString &key,
                                             const QString &value) const
{
    const int sectionIndex = m_sectionIndex.value(CaseFoldedKey{section}, -1);

    if (sectionIndex >= 0) {
        const int entryIndex = m_keyIndex.value(KeyName{sectionIndex, CaseFoldedKey{key}}, -1);
        if (entryIndex >= 0) {
            const Entry &entry = m_entries[size_t(entryIndex)];
            const std::optional<QByteArray> line = TextCodec::encode(entry.key + QLatin1Char('=') + value, m_encoding);
            if (!line)
                return std::nullopt;
            return m_raw.left(entry.line.start) + *line + m_raw.mid(entry.line.contentEnd);
        }
        const std::optional<QByteArray> keyLine = TextCodec::encode(key + QLatin1Char('=') + value, m_encoding);
        if (!keyLine)
            return std::nullopt;
        const Span &anchor = m_sections[size_t(sectionIndex)].anchor;
        QByteArray updated = m_raw.left(anchor.next);
        if (anchor.next == anchor.contentEnd)
            updated += m_lineEnd; // the anchor was the last line and had no line end
        return updated + *keyLine + m_lineEnd + m_raw.mid(anchor.next);
    }

    const std::optional<QByteArray> lines = TextCodec::encode(
        QLatin1Char('[') + section + QLatin1Char(']') + QString::fromLatin1(m_lineEnd) + key + QLatin1Char('=') + value,
        m_encoding);
    if (!lines)
        return std::nullopt;
    QByteArray updated = m_raw;
    const bool onlyByteOrderMark = updated == QByteArrayLiteral("\xEF\xBB\xBF");
    if (!updated.isEmpty() && !onlyByteOrderMark && !updated.endsWith('\n') && !updated.endsWith('\r'))
        updated += m_lineEnd;
    return updated + *lines + m_lineEnd;
}

Result<void> IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    if (m_fileName.isEmpty() && !m_inMemory)
        return Failure(Failure::Kind::SaveWithoutFile);
    const QString cleanSection = trimmedBlanks(withoutLineBreaks(section));
    const QString cleanKey = trimmedBlanks(withoutLineBreaks(key));
    if (cleanKey.isEmpty())
        return Failure(Failure::Kind::SaveEmptyKey, m_fileName);

    if (!m_inMemory) {
        if (Result<void> loaded = loadForWrite(); !loaded)
            return loaded;
    }
    const bool existed = m_stamp.size >= 0;
    const QString cleanValue = withoutLineBreaks(value);
    const QByteArray &original = m_raw;
    std::optional<QByteArray> written = withValue(cleanSection, cleanKey, cleanValue);
    if (!written && m_unfitText == UnfitText::SwitchToUtf8 && m_encoding == TextEncoding::Windows1252)
        written = fromBytes(inUtf8(original)).withValue(cleanSection, cleanKey, cleanValue);
    if (!written)
        return unfitKeys(m_fileName, {cleanKey});
    if (m_inMemory) {
        parse(*written);
        return {};
    }
    const QByteArray &updated = *written;
    if (existed && updated == original)
        return {};

    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(Failure::Kind::CannotSave, m_fileName, file.errorString());
    if (file.write(updated) != updated.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure(Failure::Kind::CannotSave, m_fileName, reason);
    }
    if (!file.commit())
        return Failure(Failure::Kind::CannotSave, m_fileName, file.errorString());

    parse(updated);
    m_stamp = stampOf(m_fileName);
    return {};
}

Result<void> IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

Result<void> IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
