#pragma once

#include "platform/FileOps.h"

// Moves and deletes game folders on the real file system. None of these ever replaces or
// merges into something that is already there.
class QtFileOps : public FileOps
{
public:
    Result<void> moveFolderInto(const QString &folder, const QString &destinationFolder) override;
    Result<void> moveToTrash(const QString &folder) override;
    Result<void> copyFileNoOverwrite(const QString &source, const QString &destination) override;
};
