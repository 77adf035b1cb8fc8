#pragma once

#include "library/LibraryState.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class QThread;
class ScanObserver;

// Reads the library on a thread of its own, into tables of its own. The window keeps painting
// through the scan of a large library, and nobody ever sees a half-read table: the owner takes
// the finished tables over on its own thread once finished() arrives. Progress and failures reach
// the owner's observer on the owner's thread, queued like everything else here.
class BackgroundScan : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundScan(ScanObserver &observer, QObject *parent = nullptr);
    // Cancels a running scan and waits for its thread: whatever the worker holds is ours.
    ~BackgroundScan() override;

    // `start` carries the library root in memory, the category folders and the flags; `root`
    // and `fields` come from the settings file, which only the owner's thread may read. False,
    // and nothing started, while a scan runs.
    bool start(LibraryState start, const QString &root, const QStringList &fields);
    bool isRunning() const;
    // Blocks until the worker has ended; returns at once when none runs.
    void wait();
    // The worker stops at the next game folder and writes no cache.
    void cancel();
    // Whether the last scan went to its end (not cancelled). Valid once the worker has ended.
    bool completed() const;
    // The tables and the root of the last scan; waits for the worker first.
    LibraryState takeResult();

signals:
    // The worker has ended, cancelled or not. Not emitted for a scan whose end was already
    // waited for and taken, should its late notice still be on its way.
    void finished();

private:
    class Reporter;

    ScanObserver &m_observer;
    std::unique_ptr<QThread> m_thread;
    LibraryState m_state;
    bool m_completed = false;
    std::atomic<bool> m_cancel{false};
    int m_generation = 0;
};
