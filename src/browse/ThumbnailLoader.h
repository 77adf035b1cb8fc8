#pragma once

#include "base/Result.h"
#include "browse/PngThumbnail.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <QVector>

#include <atomic>
#include <memory>

// Decodes a list of pictures at thumbnail size on worker threads and hands each image back on
// the thread that owns the loader, so that a sheet of thousands fills while the window stays
// responsive. Only small images ever cross back; a whole picture lives only inside a worker,
// and all workers together unpack within one budget of memory.
class ThumbnailLoader : public QObject
{
    Q_OBJECT
  public:
    struct Job
    {
        QString path;
        QSize box;
    };

    explicit ThumbnailLoader(QObject *parent = nullptr);
    // Waits for the pictures being decoded; nothing is delivered after this.
    ~ThumbnailLoader() override;

    // Drops what an earlier start still had to deliver and begins with these jobs.
    void start(const QVector<Job> &jobs);
    void cancel();
    bool isRunning() const { return m_remaining > 0; }
    // The memory the workers unpack pictures in; what is kept for reuse is freed when a build
    // has delivered its last picture.
    PngThumbnail::UnpackBudget &budget() { return m_budget; }

  signals:
    // The job's image: null when the file is missing, a failure when it could not be decoded.
    void thumbnailReady(int job, const Result<QImage> &picture);
    // Every job of the last start has been delivered.
    void finished();

  private:
    struct Decoded
    {
        int job;
        Result<QImage> picture;
    };
    void deliver(quint64 generation, const QVector<Decoded> &decoded);

    PngThumbnail::UnpackBudget m_budget;
    QThreadPool m_pool;
    std::shared_ptr<std::atomic<quint64>> m_generation = std::make_shared<std::atomic<quint64>>(0);
    int m_remaining = 0;
};
