#include "session/BackgroundScan.h"

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

    void categoriesStarted(int count) override { emit m_scan.categoriesStarted(count); }
    void categoryStarted(int index, int count, const QString &name) override
    {
        emit m_scan.categoryStarted(index, count, name);
    }
    void gamesStarted(int count) override
    {
        m_games = count;
        emit m_scan.gamesStarted(count);
    }
    void gameStarted(int index) override
    {
        constexpr qint64 reportEveryMs = 15;
        if (index == 0 || index == m_games - 1 || m_sinceReport.elapsed() >= reportEveryMs) {
            m_sinceReport.restart();
            emit m_scan.gameStarted(index);
        }
    }
    void failed(const Failure &failure) override { emit m_scan.message(failure.message()); }
    bool cancelled() const override { return m_scan.m_cancel.load(std::memory_order_relaxed); }

private:
    BackgroundScan &m_scan;
    QElapsedTimer m_sinceReport;
    int m_games = 0;
};

BackgroundScan::BackgroundScan(QObject *parent) : QObject(parent) {}

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
