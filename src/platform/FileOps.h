#pragma once

#include <QString>

// Folder and file operations that must never lose or overwrite the user's files.
class FileOps
{
public:
    virtual ~FileOps() = default;

    // Each returns an empty text on success and the reason otherwise.
    virtual QString moveFolderInto(const QString &folder, const QString &destinationFolder) = 0;
    virtual QString moveToTrash(const QString &folder) = 0;
    virtual QString copyFileNoOverwrite(const QString &source, const QString &destination) = 0;
};
