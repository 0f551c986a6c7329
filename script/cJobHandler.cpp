// cJobHandler: the job thread's loop and the queue under its lock.
#include "script/cJobHandler.h"

#include "base/FatalMessage.h"
#include "base/TrackedAllocator.h"
#include "base/cConsole.h"
#include "platform/cClock.h"

cJobHandler::cJobHandler()
{
    if (!thread.Start([this] { Run(); }))
    {
        FatalMessage("JobHandler: Unable to create the JobHandler thread.");
        return;
    }
    ConsolePrint("JobHandler: Initialized.");
}

cJobHandler::~cJobHandler()
{
    stopRequested = true;
    thread.Join();
    std::lock_guard<std::mutex> guard(lock);
    for (cJob* job : queue)
    {
        if (job->worker)
            job->worker->pendingJobs -= 1;
        delete job;
    }
    queue.Clear();
    queuedJobs = 0;
}

void cJobHandler::Queue(cWorker* worker, int id, const cString& text)
{
    cJob* job = QNEW cJob;
    job->worker = worker;
    job->id = id;
    job->Parse(text);
    if (!thread.IsRunning())
    {
        RunAtOnce(job);
        return;
    }
    std::lock_guard<std::mutex> guard(lock);
    if (worker)
        worker->pendingJobs += 1;
    queue.Add(job);
    queuedJobs += 1;
}

void cJobHandler::RunAtOnce(cJob* job)
{
    if (job->worker)
    {
        job->worker->pendingJobs += 1;
        job->worker->DoJob(*job);
        job->worker->pendingJobs -= 1;
    }
    delete job;
}

void cJobHandler::YieldIfBusy() const
{
    if (HasPendingJobs())
        SleepMilliseconds(yieldSleep);
}

void cJobHandler::WaitUntilIdle(uint32_t pollMilliseconds) const
{
    while (HasPendingJobs())
        SleepMilliseconds(pollMilliseconds);
}

void cJobHandler::Run()
{
    LowerCurrentThreadPriority();
    while (!stopRequested)
    {
        cJob* job = nullptr;
        {
            std::lock_guard<std::mutex> guard(lock);
            if (queue.Count() > 0)
                job = queue[0];
        }
        if (!job)
        {
            SleepMilliseconds(idleSleep);
            continue;
        }
        if (job->worker)
            job->worker->DoJob(*job);
        std::lock_guard<std::mutex> guard(lock);
        if (job->worker)
            job->worker->pendingJobs -= 1;
        queue.Remove(0);
        queuedJobs -= 1;
        delete job;
    }
}
