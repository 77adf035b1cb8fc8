#include "dosboxconf/DOSBoxConfFile.h"

#include "base/IniFile.h"
#include "base/IntegerText.h"
#include "base/TextCodec.h"
#include "dosboxconf/DOSBoxConfKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

const QByteArray kMarker = QByteArrayLiteral("[autoexec]");
const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// DOSBox's own priorities, for the pieces a file leaves out.
const QString kFocusedDefault = QStringLiteral("higher");
const QString kNonFocusedDefault = QStringLiteral("normal");

// Byte positions of one line of the file.
struct Line
{
    qsizetype start = 0;
    qsizetype contentEnd = 0;
    qsizetype next = 0;
};

struct Lines
{
    std::vector<Line> lines;
    QByteArray lineEnd = QByteArrayLiteral("\r\n"); // the first one of the file
    qsizetype byteOrderMark = 0;
    int firstMarker = -1; // the first "[autoexec]" line
    int marker = -1;      // the last one, which counts
    TextEncoding encoding = TextEncoding::Utf8;
};

Lines splitLines(const QByteArray &bytes)
{
    Lines result;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    if (bytes.startsWith(kByteOrderMark))
        result.byteOrderMark = kByteOrderMark.size();
    result.encoding = TextCodec::isValidUtf8(data + result.byteOrderMark, size - result.byteOrderMark)
                          ? TextEncoding::Utf8
                          : TextEncoding::Windows1252;
    bool lineEndSeen = false;
    qsizetype pos = result.byteOrderMark;
    while (pos < size) {
        Line line;
        line.start = pos;
        qsizetype end = pos;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        line.contentEnd = line.next = end;
        if (end < size) {
            line.next += (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ? 2 : 1;
            if (!lineEndSeen) {
                result.lineEnd = bytes.mid(end, line.next - end);
                lineEndSeen = true;
            }
        }
        if (QByteArrayView(data + line.start, line.contentEnd - line.start) == kMarker) {
            result.marker = int(result.lines.size());
            if (result.firstMarker < 0)
                result.firstMarker = result.marker;
        }
        result.lines.push_back(line);
        pos = line.next;
    }
    return result;
}

QString decodeLine(const QByteArray &bytes, const Line &line, TextEncoding encoding)
{
    const char *data = bytes.constData() + line.start;
    const qsizetype size = line.contentEnd - line.start;
    return encoding == TextEncoding::Utf8 ? QString::fromUtf8(data, size)
                                          : TextCodec::decodeWindows1252(data, size);
}

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// The file's bytes; a failure when it exists and cannot be read, told as one of reading or, for
// a save, of saving.
enum class Purpose { Load, Save };
Result<void> readExisting(const QString &fileName, QByteArray *bytes, bool *exists, Purpose purpose)
{
    const QFileInfo info(fileName);
    *exists = info.exists();
    if (!*exists)
        return {};
    const bool load = purpose == Purpose::Load;
    if (!info.isFile())
        return Failure(load ? Failure::Kind::ReadNonFile : Failure::Kind::SaveIntoNonFile, fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || (*bytes = file.readAll(), file.error() != QFileDevice::NoError))
        return Failure(load ? Failure::Kind::CannotRead : Failure::Kind::CannotSave, fileName, file.errorString());
    return {};
}

bool hasKey(const IniFile &ini, const QString &section, const QString &name)
{
    const QString none = QStringLiteral("\n"); // no value holds a line end
    return ini.readString(section, name, none) != none;
}

// The name Load reads the key by. DOSBox 0.74 reads only its own names, and files that earlier
// versions of the editor saved hold ours beside them: in a file that uses 0.74's names, its name
// wins, ours is read only where the file has nothing else. Empty for neither.
QString nameInFile(const IniFile &ini, const ConfKey &key, bool names074)
{
    if (names074 && !key.alias.isEmpty() && hasKey(ini, key.section, key.alias))
        return key.alias;
    if (hasKey(ini, key.section, key.key))
        return key.key;
    return QString();
}

bool uses074Names(const IniFile &ini)
{
    const std::vector<const ConfKey *> keys = DOSBoxConfKeys::keysWithAlias();
    return std::any_of(keys.cbegin(), keys.cend(),
                       [&](const ConfKey *key) { return hasKey(ini, key->section, key->alias); });
}

// The focused and non-focused priority a priority value shows as: a missing piece at DOSBox's
// own default.
QStringList priorityPair(const QString &value)
{
    const QStringList pieces = DOSBoxConfFile::Split(value, QLatin1Char(','));
    return {pieces.value(0, kFocusedDefault).trimmed(), pieces.value(1, kNonFocusedDefault).trimmed()};
}

bool sameFile(const QString &first, const QString &second)
{
    const QFileInfo a(first);
    const QFileInfo b(second);
    if (a.exists() && b.exists())
        return a.canonicalFilePath() == b.canonicalFilePath();
    return QDir::cleanPath(a.absoluteFilePath()) == QDir::cleanPath(b.absoluteFilePath());
}

// Whether Save leaves the file's priority line as it is: only the file Load read it from, while
// the line still says what Load found and the lists still show that. Any other file, new or not,
// gets the pair the lists show.
bool keepsPriorityLine(const IniFile &ini, const ConfKey &key, const QString &fileName, const DOSBoxConf &conf)
{
    const QString none = QStringLiteral("\n"); // no value holds a line end
    const QString line = ini.readString(key.section, key.key, none);
    const QStringList shown{conf.values.value(key.name),
                            conf.values.value(DOSBoxConfKeys::priorityNonFocused())};
    return line != none && !conf.loadedPriority.isEmpty() && sameFile(conf.loadedFrom, fileName) &&
           priorityPair(line) == conf.loadedPriority && shown == conf.loadedPriority;
}

// The name Save writes the key under, empty for none. A file that uses DOSBox 0.74's names gets
// them, and never a line that DOSBox 0.74 has no key for, whatever the file already holds: the
// lines of our names that earlier versions left there stay as they are, unread by that DOSBox.
QString nameToWrite(const IniFile &ini, bool names074, const ConfKey &key, const QString &fileName,
                    const DOSBoxConf &conf)
{
    if (key.kind == ConfKind::Priority && keepsPriorityLine(ini, key, fileName, conf))
        return QString();
    if (!names074)
        return key.key;
    if (!key.lineIn074)
        return QString(); // the first list of the pair writes the line they share
    return key.alias.isEmpty() ? key.key : key.alias;
}

// The keys follow the ini rules on the part before the marker, in memory, so that the user's
// file is replaced once and the autoexec part stays out of the rules' reach. A first comment
// line carries the file's line end and, where only the autoexec part betrays it, its
// Windows-1252 encoding, so that the lines the rules add match the rest of the file. A value
// that encoding cannot hold is added to `unfit`, named by its value's name for the editor to
// name it as it shows it.
QByteArray writeKeys(const QByteArray &head, const Lines &layout, const QString &fileName,
                     const DOSBoxConf &conf, std::vector<Failure> &unfit)
{
    const qsizetype mark = head.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    QByteArray hint = QByteArrayLiteral("#");
    if (layout.encoding == TextEncoding::Windows1252)
        hint += '\xFF';
    hint += layout.lineEnd;

    const IniFile present = IniFile::fromBytes(head);
    const bool names074 = uses074Names(present);
    std::vector<IniFile::Edit> edits; // an empty name is passed over
    const size_t unfitBefore = unfit.size();
    for (const ConfKey &key : DOSBoxConfKeys::all()) {
        edits.push_back({key.section, nameToWrite(present, names074, key, fileName, conf),
                         DOSBoxConfFile::valueToWrite(key, conf.values)});
        if (!edits.back().key.isEmpty() && !TextCodec::canEncode(edits.back().value, layout.encoding))
            unfit.push_back(Failure(Failure::Kind::UnfitField).with(Failure::Fact::Key, key.name));
    }
    const Result<QByteArray> written = IniFile::withValues(head.left(mark) + hint + head.mid(mark), edits);
    if (!written) {
        if (unfit.size() == unfitBefore)
            unfit.insert(unfit.end(), written.error().causes().begin(), written.error().causes().end());
        return QByteArray();
    }
    return written->left(mark) + written->mid(mark + hint.size());
}

// The lines after the marker: the k-th entry of the list takes the k-th line, further entries
// follow, and lines the list no longer fills stay as empty lines. A line whose text did not
// change keeps its bytes. A line the file's encoding cannot hold is added to `unfit`.
QByteArray autoexecLines(const QByteArray &bytes, const Lines &layout, const QStringList &entries,
                         std::vector<Failure> &unfit)
{
    const size_t first = size_t(layout.marker) + 1;
    const size_t oldCount = layout.lines.size() - first;
    const size_t count = std::max(oldCount, size_t(entries.size()));
    QByteArray tail;
    for (size_t k = 0; k < count; ++k) {
        QByteArray lineEnd = layout.lineEnd;
        QByteArray content;
        bool kept = false;
        if (k < oldCount) {
            const Line &old = layout.lines[first + k];
            if (old.next > old.contentEnd || k + 1 == count)
                lineEnd = bytes.mid(old.contentEnd, old.next - old.contentEnd);
            if (k < size_t(entries.size()) &&
                decodeLine(bytes, old, layout.encoding) == entries.at(qsizetype(k))) {
                content = bytes.mid(old.start, old.contentEnd - old.start);
                kept = true;
            }
        }
        if (!kept && k < size_t(entries.size())) {
            const QString entry = oneLine(entries.at(qsizetype(k)));
            const std::optional<QByteArray> encoded = TextCodec::encode(entry, layout.encoding);
            if (encoded)
                content = *encoded;
            else
                unfit.push_back(Failure(Failure::Kind::UnfitAutoexecLine).with(Failure::Fact::Line, entry));
        }
        tail += content + lineEnd;
    }
    return tail;
}

} // namespace

QStringList DOSBoxConfFile::Split(const QString &text, QChar separator)
{
    return text.split(separator, Qt::SkipEmptyParts);
}

int DOSBoxConfFile::clampSensitivity(int value)
{
    return std::clamp(value, 1, 100);
}

bool DOSBoxConfFile::percentShown(const QString &cyclesDown, bool shownNow)
{
    const QString text = cyclesDown.trimmed();
    int number = 0;
    if (IntegerText::parse(text, &number))
        return number <= 100;
    const bool onlyDigits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    return onlyDigits ? false : shownNow; // too many digits for a number is still far above 100
}

QString DOSBoxConfFile::valueToWrite(const ConfKey &key, const QHash<QString, QString> &values)
{
    switch (key.kind) {
    case ConfKind::Switch:
        return values.value(key.name) == QLatin1String("true") ? QStringLiteral("true")
                                                                  : QStringLiteral("false");
    case ConfKind::Sensitivity: {
        int number = 100;
        IniFile::parseInteger(values.value(key.name), &number);
        return QString::number(clampSensitivity(number));
    }
    case ConfKind::Priority:
        return values.value(key.name) + QLatin1Char(',') +
               values.value(DOSBoxConfKeys::priorityNonFocused());
    case ConfKind::Text:
    case ConfKind::Digits:
        break;
    }
    return values.value(key.name);
}

Result<DOSBoxConf> DOSBoxConfFile::load(const QString &fileName)
{
    QByteArray bytes;
    bool exists = false;
    if (Result<void> read = readExisting(fileName, &bytes, &exists, Purpose::Load); !read)
        return std::move(read).error();

    const IniFile ini = IniFile::fromBytes(bytes);
    const Lines layout = splitLines(bytes);
    // Any other file read as one would fill the editor with empty values, and a Save would then
    // write DOSBox's sections into it. Empty files start a new configuration, as missing ones do.
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    const QStringList sections = DOSBoxConfKeys::sections();
    if (layout.marker < 0 && !std::all_of(bytes.cbegin(), bytes.cend(), isBlank)
        && std::none_of(sections.cbegin(), sections.cend(),
                        [&](const QString &section) { return ini.sectionExists(section); })) {
        return Failure(Failure::Kind::NotDOSBoxConf, fileName);
    }
    Result<DOSBoxConf> result;
    DOSBoxConf &conf = *result;
    QHash<QString, QString> &values = conf.values;
    conf.uses074Names = uses074Names(ini);
    for (const ConfKey *key : DOSBoxConfKeys::loadOrder()) {
        const QString name = nameInFile(ini, *key, conf.uses074Names);
        const QString value =
            name.isEmpty() ? key->loadDefault : ini.readString(key->section, name, key->loadDefault);
        switch (key->kind) {
        case ConfKind::Switch:
            values.insert(key->name,
                          value == QLatin1String("true") ? QStringLiteral("true") : QStringLiteral("false"));
            break;
        case ConfKind::Sensitivity:
            values.insert(key->name,
                          QString::number(clampSensitivity(ini.readInteger(key->section, key->key, 100))));
            break;
        case ConfKind::Priority: {
            // A value of one piece or none still loads, the missing piece at DOSBox's default, and
            // the later keys and the autoexec lines still come from this file. DOSBox itself
            // drops a value of one piece whole, so Save leaves such a line alone (loadedPriority).
            const QStringList pair = priorityPair(value);
            values.insert(key->name, pair.at(0));
            values.insert(DOSBoxConfKeys::priorityNonFocused(), pair.at(1));
            if (!name.isEmpty()) {
                conf.loadedPriority = pair;
                conf.loadedFrom = fileName;
            }
            break;
        }
        case ConfKind::Text:
        case ConfKind::Digits:
            values.insert(key->name, value);
            break;
        }
    }

    if (layout.marker >= 0) {
        for (size_t i = size_t(layout.marker) + 1; i < layout.lines.size(); ++i)
            conf.autoexec.append(decodeLine(bytes, layout.lines[i], layout.encoding));
    }
    return result;
}

Result<void> DOSBoxConfFile::save(const QString &fileName, const DOSBoxConf &conf)
{
    QByteArray bytes;
    bool exists = false;
    if (Result<void> read = readExisting(fileName, &bytes, &exists, Purpose::Save); !read)
        return read;

    const Lines layout = splitLines(bytes);
    QByteArray head = layout.marker >= 0 ? bytes.left(layout.lines[size_t(layout.marker)].start) : bytes;
    if (layout.marker >= 0) {
        // A section the file lacks goes in front of the autoexec part: at the end of the file
        // it would land among the autoexec lines. In front of the first marker, so that lines
        // between two markers stay together with those after the last.
        const IniFile present = IniFile::fromBytes(head);
        QByteArray missing;
        for (const QString &section : DOSBoxConfKeys::sections()) {
            if (!present.sectionExists(section))
                missing += '[' + section.toLatin1() + ']' + layout.lineEnd + layout.lineEnd; // our names, ASCII
        }
        head.insert(layout.lines[size_t(layout.firstMarker)].start, missing);
    }

    std::vector<Failure> unfit;
    QByteArray updated = writeKeys(head, layout, fileName, conf, unfit);
    if (layout.marker >= 0) {
        const Line &marker = layout.lines[size_t(layout.marker)];
        const QByteArray tail = autoexecLines(bytes, layout, conf.autoexec, unfit);
        updated += bytes.mid(marker.start, marker.next - marker.start);
        if (marker.next == marker.contentEnd && !tail.isEmpty())
            updated += layout.lineEnd;
        updated += tail;
    }
    // A question mark in place of the user's text would be found only when DOSBox fails on it.
    if (!unfit.empty()) {
        Failure refused(Failure::Kind::TextUnfitForCodePage, fileName);
        for (Failure &clause : unfit)
            refused.withCause(std::move(clause));
        return refused;
    }
    if (exists && updated == bytes)
        return {};

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(Failure::Kind::CannotSave, fileName, file.errorString());
    if (file.write(updated) != updated.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure(Failure::Kind::CannotSave, fileName, reason);
    }
    if (!file.commit())
        return Failure(Failure::Kind::CannotSave, fileName, file.errorString());
    return {};
}
