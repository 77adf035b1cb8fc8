#pragma once

#include "platform/FileOps.h"
#include "platform/QtFileOps.h"

#include <QDir>
#include <QHash>
#include <QString>

#include <vector>

// Records every request. By default nothing on disk changes; with `applyToDisk` the moves
// and copies really happen, and a "trashed" folder is removed for good rather than filling
// the trash of the machine the tests run on.
class FakeFileOps : public FileOps
{
public:
    struct Move
    {
        QString folder;
        QString destinationFolder;
    };
    struct Copy
    {
        QString source;
        QString destination;
    };

    Result<void> moveFolderInto(const QString &folder, const QString &destinationFolder) override
    {
        moves.push_back(Move{folder, destinationFolder});
        if (failures.contains(folder))
            return Failure(Failure::Kind::CannotMove, folder, failures.value(folder));
        return applyToDisk ? m_real.moveFolderInto(folder, destinationFolder) : Result<void>();
    }

    Result<void> moveToTrash(const QString &folder) override
    {
        trashed.append(folder);
        if (failures.contains(folder))
            return Failure(Failure::Kind::CannotTrash, folder, failures.value(folder));
        if (applyToDisk && !QDir(folder).removeRecursively())
            return Failure(Failure::Kind::CannotDelete, folder);
        return {};
    }

    Result<void> copyFileNoOverwrite(const QString &source, const QString &destination) override
    {
        copies.push_back(Copy{source, destination});
        if (failures.contains(source))
            return Failure(Failure::Kind::CannotCopy, source, failures.value(source))
                .with(Failure::Fact::Destination, destination);
        return applyToDisk ? m_real.copyFileNoOverwrite(source, destination) : Result<void>();
    }

    bool applyToDisk = false;
    // Keyed by the folder (or copy source) whose operation should fail, with the reason.
    QHash<QString, QString> failures;

    std::vector<Move> moves;
    QStringList trashed;
    std::vector<Copy> copies;

private:
    QtFileOps m_real;
};
