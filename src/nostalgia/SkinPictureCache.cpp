#include "nostalgia/SkinPictureCache.h"

#include "library/LibraryPaths.h"

#include <QFileInfo>
#include <QImageReader>

QImage SkinPictureCache::load(const QString &path, QString *error)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    const QDateTime modified = info.lastModified();
    const qint64 size = info.exists() ? info.size() : -1;
    auto found = m_entries.constFind(path);
    if (found == m_entries.constEnd() || found->modified != modified || found->size != size) {
        Entry entry;
        entry.modified = modified;
        entry.size = size;
        if (!LibraryPaths::isRegularFile(path)) {
            entry.error =
                QStringLiteral("Could not load the skin picture \"%1\": the file was not found.").arg(path);
        } else {
            QImageReader reader(path);
            reader.setAutoTransform(true);
            entry.image = reader.read();
            if (entry.image.isNull())
                entry.error = QStringLiteral("Could not load the skin picture \"%1\": %2")
                                  .arg(path, reader.errorString());
        }
        found = m_entries.insert(path, entry);
    }
    if (error)
        *error = found->error;
    return found->image;
}
