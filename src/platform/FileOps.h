#pragma once

#include "base/Result.h"

#include <QString>

// Folder and file operations that must never lose or overwrite the user's files.
class FileOps
{
public:
    virtual ~FileOps() = default;

    virtual Result<void> moveFolderInto(const QString &folder, const QString &destinationFolder) = 0;
    virtual Result<void> moveToTrash(const QString &folder) = 0;
    virtual Result<void> copyFileNoOverwrite(const QString &source, const QString &destination) = 0;
};
