#include "export/LaunchBoxText.h"

#include "base/TextCodec.h"
#include "library/LibraryPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cstdlib>

namespace LaunchBoxText {

QString gameId()
{
    return QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
}

QString imageFolderName(const QString &name, const QString &id)
{
    QString folder = name + QLatin1Char('.') + id;
    for (QChar &c : folder) {
        if (c == u':' || c == u'\'' || c == u'"' || c == u'?' || c == u'/' || c == u'\\')
            c = u'_';
    }
    return folder;
}

QString timestamp(const QDateTime &moment)
{
    const QString date = moment.date().toString(QStringLiteral("yyyy-MM-dd"));
    const QTime time = moment.time();
    if (time == QTime(0, 0))
        return date;
    const int offset = moment.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    const auto twoDigits = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    return date + QLatin1Char('T') + time.toString(QStringLiteral("HH:mm:ss.zzz")) + QStringLiteral("0000") +
           QLatin1Char(offset < 0 ? '-' : '+') + twoDigits(minutes / 60) + QLatin1Char(':') +
           twoDigits(minutes % 60);
}

QString genre(const QString &genre, const QString &subGenre, const QString &subGenre2)
{
    QString text = genre;
    if (!subGenre.isEmpty())
        text += QLatin1Char(';') + subGenre;
    if (!subGenre2.isEmpty())
        text += QLatin1Char(';') + subGenre2;
    return text;
}

QString notesFromLines(const QStringList &lines)
{
    QString notes;
    bool afterText = false; // the line before was not empty
    for (const QString &line : lines) {
        if (line.isEmpty()) {
            notes += QStringLiteral("\r\n\r\n");
            afterText = false;
            continue;
        }
        // The line break between two lines of a paragraph stood between two words.
        if (afterText && !notes.back().isSpace() && !line.front().isSpace())
            notes += QLatin1Char(' ');
        notes += line;
        afterText = true;
    }
    return notes;
}

std::optional<QString> readNotes(const QString &path)
{
    if (!LibraryPaths::isRegularFile(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QString text = TextCodec::decode(bytes).text;
    if (text.isEmpty())
        return QString();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    // A line end closes the last line; it does not open another.
    if (text.endsWith(u'\n'))
        text.chop(1);
    return notesFromLines(text.split(u'\n'));
}

QString backupFileName(const QString &dataFile)
{
    const QFileInfo info(dataFile);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    return info.dir().filePath(stem + QStringLiteral(" (PALLOX Backup)") + suffix);
}

QString fileNamePart(const QString &name)
{
    const qsizetype slash = qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    const QString last = name.mid(slash + 1);
    if (last == QLatin1String(".") || last == QLatin1String(".."))
        return QString();
    return last;
}

} // namespace LaunchBoxText
