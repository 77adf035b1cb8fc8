#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

// Threads that run jobs ahead of the one thread that waits for their results, in the order the
// jobs were given, at most `maxThreads` at once. On a share every read waits for a round trip;
// with many of them under way at once, the share's throughput bounds a scan instead of its
// latency. A local disk answers before the waiting thread needs the next result, and there more
// threads would only cost more switching: so the pool starts with two and doubles them each
// time the waiting thread has to wait for a result longer than a local read takes.
//
// Destroying the pool drops the jobs not yet begun and waits for those under way.
class ReadAheadPool
{
public:
    // What a job fills in. The waiting thread reads it only after wait() said it is done, so the
    // job's writes are visible to it.
    struct Slot
    {
        virtual ~Slot() = default;
        bool done = false; // guarded by the pool's lock
    };

    explicit ReadAheadPool(int maxThreads);
    ~ReadAheadPool();
    ReadAheadPool(const ReadAheadPool &) = delete;
    ReadAheadPool &operator=(const ReadAheadPool &) = delete;

    void submit(std::shared_ptr<Slot> slot, std::function<void()> job);
    // Blocks until the slot's job has run. `cancelled` is asked now and then while waiting;
    // false when it said so before the job was done.
    bool wait(const Slot &slot, const std::function<bool()> &cancelled);
    bool isDone(const Slot &slot);

private:
    void work();
    // With the lock held.
    void grow(int threads);

    std::mutex m_mutex;
    std::condition_variable m_jobsWaiting;
    std::condition_variable m_slotDone;
    std::deque<std::pair<std::shared_ptr<Slot>, std::function<void()>>> m_jobs;
    std::vector<std::thread> m_threads;
    const Slot *m_awaited = nullptr;
    int m_maxThreads;
    int m_wanted;
    int m_idle = 0;
    bool m_stopping = false;
};
