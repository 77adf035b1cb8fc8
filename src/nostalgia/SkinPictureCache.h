#pragma once

#include "base/Result.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QString>

// The decoded pictures of the skins folder. Every selection asks for the skin's pictures again;
// a background of a full window costs tens of milliseconds to decode, which browsing with the
// arrow keys would feel. A picture is decoded again when its file changed.
class SkinPictureCache
{
public:
    // Null for an empty path. A picture that is missing or cannot be decoded is a failure.
    Result<QImage> load(const QString &path);

private:
    struct Entry
    {
        QDateTime modified;
        qint64 size = -1;
        Result<QImage> picture;
    };
    QHash<QString, Entry> m_entries;
};
