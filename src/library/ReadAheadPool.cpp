#include "library/ReadAheadPool.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr int kFirstThreads = 2;
// Longer than a read from a local disk's cache takes, shorter than a round trip to a share.
constexpr auto kSlowRead = std::chrono::milliseconds(1);

} // namespace

ReadAheadPool::ReadAheadPool(int maxThreads)
    : m_maxThreads(std::max(1, maxThreads)), m_wanted(std::min(kFirstThreads, m_maxThreads))
{
}

ReadAheadPool::~ReadAheadPool()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_jobsWaiting.notify_all();
    for (std::thread &thread : m_threads)
        thread.join();
}

void ReadAheadPool::submit(std::shared_ptr<Slot> slot, std::function<void()> job)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_jobs.emplace_back(std::move(slot), std::move(job));
    // Every job waiting beyond the idle threads is a read not yet under way.
    if (static_cast<int>(m_jobs.size()) > m_idle && static_cast<int>(m_threads.size()) < m_wanted) {
        m_threads.emplace_back([this] { work(); });
        return;
    }
    lock.unlock();
    m_jobsWaiting.notify_one();
}

void ReadAheadPool::grow(int threads)
{
    m_wanted = std::min(m_maxThreads, threads);
    int waiting = static_cast<int>(m_jobs.size()) - m_idle;
    while (waiting-- > 0 && static_cast<int>(m_threads.size()) < m_wanted)
        m_threads.emplace_back([this] { work(); });
}

bool ReadAheadPool::wait(const Slot &slot, const std::function<bool()> &cancelled)
{
    // A share that stops answering must not keep a closing window waiting for the next game:
    // the cancel is looked at while waiting too.
    constexpr auto askEvery = std::chrono::milliseconds(20);
    std::unique_lock<std::mutex> lock(m_mutex);
    if (slot.done)
        return true;
    m_awaited = &slot;
    const bool quick = m_slotDone.wait_for(lock, kSlowRead, [&] { return slot.done; });
    m_awaited = nullptr;
    if (quick)
        return true;
    if (m_wanted < m_maxThreads)
        grow(2 * m_wanted);
    while (!slot.done) {
        m_awaited = &slot;
        m_slotDone.wait_for(lock, askEvery, [&] { return slot.done; });
        m_awaited = nullptr;
        if (slot.done)
            break;
        lock.unlock();
        const bool stop = cancelled();
        lock.lock();
        if (stop && !slot.done)
            return false;
    }
    return true;
}

bool ReadAheadPool::isDone(const Slot &slot)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return slot.done;
}

void ReadAheadPool::work()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        ++m_idle;
        m_jobsWaiting.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        --m_idle;
        if (m_stopping)
            return;
        auto [slot, job] = std::move(m_jobs.front());
        m_jobs.pop_front();
        lock.unlock();
        job();
        job = nullptr; // what the job holds goes with it, outside the lock
        lock.lock();
        slot->done = true;
        if (m_awaited == slot.get())
            m_slotDone.notify_one();
    }
}
