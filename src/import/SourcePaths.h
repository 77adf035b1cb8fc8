#pragma once

#include "base/CaseFold.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Paths that another front-end wrote, often on Windows: "\" or "/" between the parts, a drive
// letter, any letter case, a disk that was mounted elsewhere. They are found below a base folder
// (the LaunchBox folder, a system's ROM folder) the way library paths are: as written when that
// exists, otherwise part by part without regard to letter case, the first match in listing order
// winning. Every folder looked into is listed once and kept, so that thousands of paths into the
// same folders cost a listing per folder, not one per path.
class SourcePaths
{
public:
    explicit SourcePaths(QString base = QString());

    const QString &base() const { return m_base; }

    // The path as it exists on disk; empty when nothing can be found. A relative path counts from
    // the base folder. An absolute one that does not exist (a drive letter, another machine's
    // folders) is looked for below the base folder and the folder above it, by its last parts.
    QString find(const QString &written);
    // The entry of the folder whose name equals `name` without regard to letter case, as a full
    // path; empty when there is none.
    QString child(const QString &folder, const QString &name);
    // The names in the folder, in listing order; empty for a missing folder.
    const QStringList &entries(const QString &folder);

private:
    struct Listing
    {
        QStringList names;
        QHash<CaseFoldedKey, QString> byName;
    };
    const Listing &listing(const QString &folder);
    QString findParts(const QString &start, const QStringList &parts, qsizetype from);

    QString m_base;
    QHash<QString, Listing> m_listings;
};
