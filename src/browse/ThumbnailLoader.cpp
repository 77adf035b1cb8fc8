#include "browse/ThumbnailLoader.h"

#include "browse/ImageSheet.h"

namespace {

// Enough pictures per task that handing them back costs little, few enough that the first
// thumbnails show at once.
constexpr int BatchSize = 8;

} // namespace

ThumbnailLoader::ThumbnailLoader(QObject *parent) : QObject(parent)
{
    m_pool.setObjectName(QStringLiteral("ThumbnailLoader"));
}

ThumbnailLoader::~ThumbnailLoader()
{
    cancel();
    m_pool.waitForDone();
}

void ThumbnailLoader::cancel()
{
    ++*m_generation;
    m_pool.clear();
    m_remaining = 0;
}

void ThumbnailLoader::start(const QVector<Job> &jobs)
{
    cancel();
    const quint64 generation = *m_generation;
    m_remaining = static_cast<int>(jobs.size());
    if (jobs.isEmpty()) {
        emit finished();
        return;
    }
    const std::shared_ptr<std::atomic<quint64>> current = m_generation;
    for (int first = 0; first < jobs.size(); first += BatchSize) {
        const QVector<Job> batch = jobs.mid(first, BatchSize);
        m_pool.start([this, current, generation, first, batch] {
            QVector<Decoded> decoded;
            decoded.reserve(batch.size());
            for (int i = 0; i < batch.size(); ++i) {
                // A newer build or the end of the window makes the rest of this batch pointless.
                if (*current != generation)
                    return;
                decoded.append(
                    Decoded{first + i, ImageSheet::decodeThumbnail(batch[i].path, batch[i].box, &m_budget)});
            }
            // One hand-over per batch: the sheet then adds its thumbnails and repaints once, not
            // once per picture. The destructor waits for the pool, so the loader outlives this
            // call; the queued call itself is dropped when the loader goes first.
            QMetaObject::invokeMethod(
                this, [this, generation, decoded] { deliver(generation, decoded); }, Qt::QueuedConnection);
        });
    }
}

void ThumbnailLoader::deliver(quint64 generation, const QVector<Decoded> &decoded)
{
    for (const Decoded &one : decoded) {
        if (generation != *m_generation || m_remaining <= 0)
            return;
        --m_remaining;
        emit thumbnailReady(one.job, one.picture);
    }
    // A receiver may have started a new build meanwhile; that one finishes on its own.
    if (generation == *m_generation && m_remaining == 0) {
        // A sheet on show holds no unpacking memory.
        m_budget.trim();
        emit finished();
    }
}
