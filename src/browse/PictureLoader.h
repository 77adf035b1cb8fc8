#pragma once

#include "base/Result.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

// Reads the pictures of the selected game on worker threads and hands each decoded image back
// on the thread that owns the loader, so that a selection never waits on a slow disk or share.
// Only the last load delivers: what an earlier one still had to read is dropped, and its files
// not yet begun are never opened, so a run of arrow keys queues no more than one game's worth.
class PictureLoader : public QObject
{
    Q_OBJECT
public:
    // Reads one file; null when there is no picture, a failure when the file is there but cannot
    // be decoded.
    using Reader = std::function<Result<QImage>(const QString &path)>;

    explicit PictureLoader(QObject *parent = nullptr);
    PictureLoader(Reader reader, QObject *parent);
    // Waits for the files being read; nothing is delivered after this.
    ~PictureLoader() override;

    // Drops what an earlier load still had to deliver and reads these files. An empty path is
    // not read and delivers nothing.
    void load(const QStringList &paths);
    void cancel();
    // Files of the last load not delivered yet.
    int pending() const { return m_pending; }

    // The file is found as on disk, in any letter case. Null when it is missing or not a regular
    // file. A file that is there but cannot be decoded (empty, or not a picture Qt can read) is a
    // failure, under the name found.
    static Result<QImage> read(const QString &path);

signals:
    // The picture at `index` of the last load's paths.
    void pictureReady(int index, const Result<QImage> &picture);

private:
    void deliver(quint64 generation, int index, const Result<QImage> &picture);

    Reader m_reader;
    QThreadPool m_pool;
    std::shared_ptr<std::atomic<quint64>> m_generation = std::make_shared<std::atomic<quint64>>(0);
    int m_pending = 0;
};
