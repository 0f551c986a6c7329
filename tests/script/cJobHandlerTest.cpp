// Tests of the job handler when the system gives it no thread.
#include "script/cJobHandler.h"
#include "platform/MessageBox.h"
#include "platform/cThread.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> boxes;

void RecordBox(const char* caption, const char* text)
{
    boxes.push_back(std::string(caption) + ": " + text);
}

class cRecordingWorker : public cWorker
{
public:
    void DoJob(cJob& job) override
    {
        ran.push_back(job.word.Text());
        pendingWhileRunning.push_back(pendingJobs);
    }

    std::vector<std::string> ran;
    std::vector<int> pendingWhileRunning;
};
} // namespace

TEST(cJobHandlerTest, WithoutAThreadTheFailureIsShownAndJobsRunAtOnce)
{
    boxes.clear();
    const MessageBoxPresenter previous = SetMessageBoxPresenter(&RecordBox);
    cThread::FailNextStart();
    {
        cJobHandler jobs;
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], "Fatal Error!: JobHandler: Unable to create the JobHandler thread.");

        cRecordingWorker worker;
        jobs.Queue(&worker, 0, "LoadWorld meadow");
        jobs.Queue(&worker, 0, "LoadWorldSave slot");
        EXPECT_EQ(worker.ran, (std::vector<std::string>{"LoadWorld", "LoadWorldSave"}));
        EXPECT_EQ(worker.pendingWhileRunning, (std::vector<int>{1, 1}));
        EXPECT_EQ(worker.pendingJobs, 0);
        EXPECT_FALSE(jobs.HasPendingJobs());
        jobs.WaitUntilIdle(1);
    }
    SetMessageBoxPresenter(previous);
}
