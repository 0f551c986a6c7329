// cJobHandler: the one background thread that runs queued jobs first in, first out.
#pragma once

#include "base/cArray.h"
#include "base/cString.h"
#include "script/cJob.h"
#include "script/cWorker.h"

#include "platform/cThread.h"

#include <atomic>
#include <cstdint>
#include <mutex>

class cJobHandler
{
public:
    // Starts the thread below normal priority and prints "JobHandler: Initialized.". When the
    // system gives no thread, a "Fatal Error!" box says so and every job runs at once, on the
    // thread that queues it, so that nothing waits for a queue that never drains.
    cJobHandler();
    // Stops the thread between jobs and discards what is still queued.
    ~cJobHandler();
    cJobHandler(const cJobHandler&) = delete;
    cJobHandler& operator=(const cJobHandler&) = delete;

    // Parses text into a job for the worker and appends it to the queue.
    void Queue(cWorker* worker, int id, const cString& text);
    bool HasPendingJobs() const { return queuedJobs.load() > 0; }
    // Sleeps the yield interval while jobs are queued, so that the job thread gets its turn.
    void YieldIfBusy() const;
    // Polls every interval until the queue is empty.
    void WaitUntilIdle(uint32_t pollMilliseconds = 100) const;
    bool IsJobThread() const { return thread.IsCurrent(); }

    uint32_t idleSleep = 10;
    uint32_t yieldSleep = 10;

private:
    void Run();
    void RunAtOnce(cJob* job);

    std::atomic<bool> stopRequested{false};
    cArray<cJob*> queue;
    std::atomic<int> queuedJobs{0};
    cThread thread;
    mutable std::mutex lock;
};
