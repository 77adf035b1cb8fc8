#include "nostalgia/SkinPictureCache.h"

#include "library/LibraryPaths.h"

#include <QFileInfo>
#include <QImageReader>

Result<QImage> SkinPictureCache::load(const QString &path)
{
    if (path.isEmpty())
        return QImage();
    const QFileInfo info(path);
    const QDateTime modified = info.lastModified();
    const qint64 size = info.exists() ? info.size() : -1;
    auto found = m_entries.constFind(path);
    if (found == m_entries.constEnd() || found->modified != modified || found->size != size) {
        Entry entry;
        entry.modified = modified;
        entry.size = size;
        if (!LibraryPaths::isRegularFile(path)) {
            entry.picture = Failure(Failure::Kind::SkinPictureMissing, path);
        } else {
            QImageReader reader(path);
            reader.setAutoTransform(true);
            QImage image = reader.read();
            if (image.isNull())
                entry.picture = Failure(Failure::Kind::SkinPictureUndecodable, path, reader.errorString());
            else
                entry.picture = std::move(image);
        }
        found = m_entries.insert(path, std::move(entry));
    }
    return found->picture;
}
