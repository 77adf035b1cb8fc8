#include "browse/PictureLoader.h"

#include "library/LibraryPaths.h"

#include <QImageReader>

namespace {

// A few files in flight hide the share's delay for a game's handful of pictures; more would
// only compete with the scan and the list for the same share.
constexpr int PictureReadsInFlight = 3;

} // namespace

PictureLoader::PictureLoader(QObject *parent) : PictureLoader(&PictureLoader::read, parent) {}

PictureLoader::PictureLoader(Reader reader, QObject *parent) : QObject(parent), m_reader(std::move(reader))
{
    m_pool.setObjectName(QStringLiteral("PictureLoader"));
    m_pool.setMaxThreadCount(PictureReadsInFlight);
}

PictureLoader::~PictureLoader()
{
    cancel();
    m_pool.waitForDone();
}

void PictureLoader::cancel()
{
    ++*m_generation;
    m_pool.clear();
    m_pending = 0;
}

void PictureLoader::load(const QStringList &paths)
{
    cancel();
    const quint64 generation = *m_generation;
    const std::shared_ptr<std::atomic<quint64>> current = m_generation;
    for (int index = 0; index < paths.size(); ++index) {
        const QString path = paths.at(index);
        if (path.isEmpty())
            continue;
        ++m_pending;
        m_pool.start([this, current, generation, index, path] {
            // Another selection or the end of the window came first.
            if (*current != generation)
                return;
            Result<QImage> picture = m_reader(path);
            // The destructor waits for the pool, so the loader outlives this call; the queued
            // call itself is dropped when the loader goes first.
            QMetaObject::invokeMethod(
                this,
                [this, generation, index, picture = std::move(picture)] { deliver(generation, index, picture); },
                Qt::QueuedConnection);
        });
    }
}

void PictureLoader::deliver(quint64 generation, int index, const Result<QImage> &picture)
{
    if (generation != *m_generation)
        return;
    --m_pending;
    emit pictureReady(index, picture);
}

Result<QImage> PictureLoader::read(const QString &named)
{
    const QString path = LibraryPaths::resolve(named);
    if (!LibraryPaths::isRegularFile(path))
        return QImage();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return Failure(Failure::Kind::PictureUndecodable, path, reader.errorString());
    return image;
}
