#include "session/BackgroundScan.h"

#include "library/DataCache.h"
#include "library/LibraryScanner.h"

#include <QElapsedTimer>
#include <QThread>

#include <utility>

// Runs on the worker. A library of many games in one category folder would otherwise queue one
// event per game for a gauge that moves a pixel every few hundred of them.
class BackgroundScan::Reporter : public ScanObserver
{
public:
    explicit Reporter(BackgroundScan &scan) : m_scan(scan) { m_sinceReport.start(); }

    void categoriesStarted(int count) override
    {
        post([count](ScanObserver &observer) { observer.categoriesStarted(count); });
    }
    void categoryStarted(int index, int count, const QString &name) override
    {
        post([index, count, name](ScanObserver &observer) { observer.categoryStarted(index, count, name); });
    }
    void gamesStarted(int count) override
    {
        m_games = count;
        post([count](ScanObserver &observer) { observer.gamesStarted(count); });
    }
    void gameStarted(int index) override
    {
        constexpr qint64 reportEveryMs = 15;
        if (index == 0 || index == m_games - 1 || m_sinceReport.elapsed() >= reportEveryMs) {
            m_sinceReport.restart();
            post([index](ScanObserver &observer) { observer.gameStarted(index); });
        }
    }
    void failed(const Failure &failure) override
    {
        post([failure](ScanObserver &observer) { observer.failed(failure); });
    }
    bool cancelled() const override { return m_scan.m_cancel.load(std::memory_order_relaxed); }

private:
    // The observer lives on the owner's thread; a scan destroyed meanwhile drops what is queued.
    template <typename Call> void post(Call call)
    {
        ScanObserver &observer = m_scan.m_observer;
        QMetaObject::invokeMethod(
            &m_scan, [&observer, call] { call(observer); }, Qt::QueuedConnection);
    }

    BackgroundScan &m_scan;
    QElapsedTimer m_sinceReport;
    int m_games = 0;
};

BackgroundScan::BackgroundScan(ScanObserver &observer, QObject *parent) : QObject(parent), m_observer(observer) {}

BackgroundScan::~BackgroundScan()
{
    cancel();
    wait();
}

bool BackgroundScan::start(LibraryState start, const QString &root, const QStringList &fields)
{
    if (isRunning())
        return false;
    wait(); // a thread that ended but was not yet joined
    m_state = std::move(start);
    m_completed = false;
    m_cancel = false;
    const int generation = ++m_generation;
    m_thread.reset(QThread::create([this, root, fields] {
        Reporter reporter(*this);
        m_completed = ScanLibrary(m_state, root, fields, reporter);
        // The window keeps the table for the rest of the run; it gets it compact. The start-up
        // scan is spared the extra read, as the window waits for that one.
        if (m_completed && takeTablesFromWrittenCache(m_state) == CacheReadBack::Lost)
            m_completed = ScanLibrary(m_state, root, fields, reporter);
    }));
    m_thread->setObjectName(QStringLiteral("LibraryScan"));
    // QThread::finished comes from the worker; the context object brings it to our thread.
    connect(m_thread.get(), &QThread::finished, this, [this, generation] {
        if (generation == m_generation && m_thread)
            emit finished();
    });
    m_thread->start();
    return true;
}

bool BackgroundScan::isRunning() const
{
    return m_thread && !m_thread->isFinished();
}

void BackgroundScan::wait()
{
    if (m_thread)
        m_thread->wait();
}

void BackgroundScan::cancel()
{
    m_cancel = true;
}

bool BackgroundScan::completed() const
{
    return m_completed;
}

LibraryState BackgroundScan::takeResult()
{
    wait();
    // The thread is joined: its notice, should it still be queued, finds no scan to report.
    m_thread.reset();
    return std::exchange(m_state, LibraryState());
}
