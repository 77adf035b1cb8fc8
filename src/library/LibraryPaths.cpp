#include "library/LibraryPaths.h"

#include "library/GameTable.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace {

QChar separatorChar()
{
    return QDir::separator();
}

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

// Among the entries of a folder, the one whose name equals the wanted one without regard to
// letter case and comes first in a listing sorted that way (ties go to the exact comparison).
QString findWithoutCase(const QString &folder, const QString &wanted)
{
    QString best;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        if (best.isNull() || LibraryPaths::listingLess(name, best))
            best = name;
    }
    return best;
}

} // namespace

namespace LibraryPaths {

QString separator()
{
    return QString(separatorChar());
}

QString withTrailingSeparator(const QString &path)
{
    if (path.isEmpty() || isSeparator(path.back()))
        return path;
    return path + separatorChar();
}

QString normalise(const QString &path)
{
    const QChar sep = separatorChar();
    QString result;
    result.reserve(path.size());
    qsizetype start = 0;
#ifdef Q_OS_WIN
    // A network path keeps the two separators it starts with.
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        result.append(sep).append(sep);
        start = 2;
    }
#endif
    for (qsizetype i = start; i < path.size(); ++i) {
        const QChar c = path[i];
        if (isSeparator(c)) {
            if (!result.isEmpty() && result.back() == sep)
                continue;
            result.append(sep);
        } else {
            result.append(c);
        }
    }
    return result;
}

QString join(const QString &left, const QString &right)
{
    if (left.isEmpty())
        return normalise(right);
    if (right.isEmpty())
        return normalise(left);
    return normalise(left + separatorChar() + right);
}

QString gamesFolder(const QString &libraryRoot)
{
    return normalise(withTrailingSeparator(libraryRoot) + QStringLiteral("Games") + separatorChar());
}

QString gameFolder(const QString &libraryRoot, const GameTable &table, int row)
{
    return normalise(gamesFolder(libraryRoot) + table.cell(QStringLiteral("Folder"), row) + separatorChar()
                     + table.cell(QStringLiteral("Subfolder"), row));
}

QString metadataFolder(const QString &libraryRoot, const GameTable &table, int row)
{
    const QChar sep = separatorChar();
    QString path = gamesFolder(libraryRoot) + table.cell(QStringLiteral("Folder"), row);
    const QString subfolder = table.cell(QStringLiteral("Subfolder"), row);
    if (!subfolder.isEmpty())
        path += sep + subfolder;
    path += sep + QStringLiteral("Pallox");
    return normalise(path);
}

QString gameIniFile(const QString &libraryRoot, const GameTable &table, int row)
{
    const QChar sep = separatorChar();
    return normalise(metadataFolder(libraryRoot, table, row) + sep + QStringLiteral("IniFile") + sep
                     + table.cell(QStringLiteral("IniFile"), row));
}

QString dataCacheFile(const QString &libraryRoot)
{
    return withTrailingSeparator(libraryRoot) + QStringLiteral("DataCache.txt");
}

QString fileBelow(const QString &folder, const QString &subfolder, const QString &name)
{
    return resolve(join(join(folder, subfolder), name));
}

QString resolve(const QString &path)
{
    // The common case is a path that is right as written: one look-up and nothing more.
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;

    const QString wanted = normalise(path);
    const QChar sep = separatorChar();
    const QStringList parts = wanted.split(sep);

    // `current` is the part resolved so far, ending with a separator unless it is empty
    // (a relative path, resolved against the working folder).
    QString current;
    qsizetype i = 0;
    if (wanted.startsWith(sep)) {
        current = sep;
        i = 1;
    }
#ifdef Q_OS_WIN
    else if (parts.front().endsWith(u':')) {
        current = parts.front() + sep;
        i = 1;
    }
#endif
    for (; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part.isEmpty())
            continue;
        QString next = current + part;
        if (part != QLatin1String(".") && part != QLatin1String("..") && !QFileInfo::exists(next)) {
            const QString found = findWithoutCase(current.isEmpty() ? QStringLiteral(".") : current, part);
            if (found.isNull())
                return path;
            next = current + found;
        }
        current = next + sep;
    }
    if (!wanted.endsWith(sep) && current.size() > 1)
        current.chop(1);
    return current;
}

bool isRegularFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool listingLess(const QString &a, const QString &b)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

void sortAsListing(QStringList &names)
{
    std::sort(names.begin(), names.end(), listingLess);
}

} // namespace LibraryPaths
