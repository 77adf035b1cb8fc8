#pragma once

#include <QDir>
#include <QString>

// A path as the user's system writes it, for messages that name a file or folder.
inline QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
