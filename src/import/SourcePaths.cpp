#include "import/SourcePaths.h"

#include "library/LibraryPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <utility>

SourcePaths::SourcePaths(QString base) : m_base(QDir::cleanPath(std::move(base))) {}

const SourcePaths::Listing &SourcePaths::listing(const QString &folder)
{
    const auto found = m_listings.constFind(folder);
    if (found != m_listings.constEnd())
        return *found;
    Listing made;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        made.names.append(it.fileName());
    }
    LibraryPaths::sortAsListing(made.names);
    for (const QString &name : std::as_const(made.names)) {
        // Sorted, so the first of the names that fold alike is the one a listing shows first.
        const CaseFoldedKey key{name};
        if (!made.byName.contains(key))
            made.byName.insert(key, name);
    }
    return *m_listings.insert(folder, std::move(made));
}

const QStringList &SourcePaths::entries(const QString &folder)
{
    return listing(QDir::cleanPath(folder)).names;
}

QString SourcePaths::child(const QString &folder, const QString &name)
{
    const QString clean = QDir::cleanPath(folder);
    const QString found = listing(clean).byName.value(CaseFoldedKey{name});
    if (found.isEmpty())
        return QString();
    if (clean.endsWith(QLatin1Char('/')))
        return clean + found;
    return clean + QLatin1Char('/') + found;
}

QString SourcePaths::findParts(const QString &start, const QStringList &parts, qsizetype from)
{
    QString current = start;
    QString exact = start;
    for (qsizetype i = from; i < parts.size(); ++i)
        exact += QLatin1Char('/') + parts[i];
    exact = QDir::cleanPath(exact);
    // Nearly every path is right as written: one look-up and no listing.
    if (QFileInfo::exists(exact))
        return exact;
    for (qsizetype i = from; i < parts.size(); ++i) {
        const QString &part = parts[i];
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            current = QFileInfo(current).path();
            continue;
        }
        current = child(current, part);
        if (current.isEmpty())
            return QString();
    }
    return current;
}

QString SourcePaths::find(const QString &written)
{
    QString text = written.trimmed();
    if (text.isEmpty())
        return QString();
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool drive = text.size() >= 2 && text.at(1) == u':' && text.at(0).isLetter();
    if (drive)
        text = text.mid(2);
    const QStringList parts = text.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QString();

    if (!drive && !text.startsWith(QLatin1Char('/')))
        return m_base.isEmpty() ? QString() : findParts(m_base, parts, 0);
    if (!drive) {
        if (QString found = findParts(QStringLiteral("/"), parts, 0); !found.isEmpty())
            return found;
    }
    if (m_base.isEmpty())
        return QString();
    // Another machine's path: the part below the folder it shares with ours. A lone file name
    // would match whatever happens to lie there, so at least a folder and a name are asked for.
    const qsizetype shortest = parts.size() >= 2 ? 2 : 1;
    for (const QString &start : {m_base, QFileInfo(m_base).path()}) {
        for (qsizetype from = 0; parts.size() - from >= shortest; ++from) {
            if (QString found = findParts(start, parts, from); !found.isEmpty())
                return found;
        }
    }
    return QString();
}
