// cWorker: the mix-in of modules that receive background jobs, with the count of their jobs still to run.
#pragma once

#include <atomic>
#include <cstdint>

class cJob;

class cWorker
{
public:
    virtual ~cWorker() = default;
    // Runs a job on the job thread.
    virtual void DoJob(cJob& job) {}

    std::atomic<int32_t> pendingJobs{0};
};
