// Tests of the tracking allocator: size classes, per-block records, statistics, threads, the fatal box hook.
#include "base/FatalMessage.h"
#include "base/TrackedAllocator.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

TEST(TrackedAllocator, SizeClassesAreThirtyTwoShiftedByTheIndex)
{
    EXPECT_EQ(TrackedClassIndex(0), 0);
    EXPECT_EQ(TrackedClassIndex(1), 0);
    EXPECT_EQ(TrackedClassIndex(32), 0);
    EXPECT_EQ(TrackedClassIndex(33), 1);
    EXPECT_EQ(TrackedClassIndex(64), 1);
    EXPECT_EQ(TrackedClassIndex(65), 2);
    EXPECT_EQ(TrackedClassIndex(size_t(64) << 20), 21);
    EXPECT_EQ(TrackedClassIndex(size_t(1) << 40), 21) << "oversized requests are counted in the last class";
}

TEST(TrackedAllocator, BlocksCarryTheirRequestAndSourcePosition)
{
    const TrackedClassStats before = GetTrackedClassStats(TrackedClassIndex(100));
    void* block = TrackedAlloc(100, "cTest", 17);
    EXPECT_EQ(TrackedBlockSize(block), 100u);
    EXPECT_STREQ(TrackedBlockFile(block), "cTest");
    EXPECT_EQ(TrackedBlockLine(block), 17);
    const TrackedClassStats during = GetTrackedClassStats(TrackedClassIndex(100));
    EXPECT_EQ(during.blockSize, 128);
    EXPECT_EQ(during.blocksInUse, before.blocksInUse + 1);
    EXPECT_EQ(during.bytesInUse, before.bytesInUse + 100);
    TrackedFree(block);
    const TrackedClassStats after = GetTrackedClassStats(TrackedClassIndex(100));
    EXPECT_EQ(after.blocksInUse, before.blocksInUse);
    EXPECT_EQ(after.bytesInUse, before.bytesInUse);
    TrackedFree(nullptr);
}

TEST(TrackedAllocator, ReallocStaysInPlaceWithinItsClassAndKeepsContents)
{
    char* block = static_cast<char*>(TrackedRealloc(nullptr, 41, "cTest", 1));
    std::memcpy(block, "hello", 6);
    char* same = static_cast<char*>(TrackedRealloc(block, 64, "cTest", 2));
    EXPECT_EQ(same, block);
    EXPECT_EQ(TrackedBlockSize(same), 64u);
    EXPECT_EQ(TrackedBlockLine(same), 2);
    char* moved = static_cast<char*>(TrackedRealloc(same, 65, "cTest", 3));
    EXPECT_STREQ(moved, "hello");
    EXPECT_EQ(TrackedBlockSize(moved), 65u);
    TrackedFree(moved);
}

TEST(TrackedAllocator, EveryNewPassesThroughIt)
{
    struct Probe
    {
        int value = 3;
    };
    Probe* tracked = QNEW Probe;
    EXPECT_EQ(TrackedBlockSize(tracked), sizeof(Probe));
    EXPECT_NE(std::string(TrackedBlockFile(tracked)).find("TrackedAllocatorTest"), std::string::npos);
    delete tracked;
    std::vector<int>* plain = new std::vector<int>(5);
    EXPECT_STREQ(TrackedBlockFile(plain), "<new>");
    EXPECT_EQ(TrackedBlockSize(plain->data()), 5 * sizeof(int));
    delete plain;
    struct alignas(64) Wide
    {
        char bytes[64];
    };
    Wide* wide = new Wide;
    EXPECT_EQ(reinterpret_cast<uintptr_t>(wide) % 64, 0u);
    delete wide;
}

TEST(TrackedAllocator, ThreadsAllocateConcurrently)
{
    const TrackedClassStats before = GetTrackedClassStats(TrackedClassIndex(48));
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
    {
        threads.emplace_back(
            []
            {
                for (int i = 0; i < 20000; ++i)
                {
                    void* block = TrackedAlloc(48, "cThread", i);
                    TrackedFree(block);
                }
            });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(GetTrackedClassStats(TrackedClassIndex(48)).blocksInUse, before.blocksInUse);
}

namespace
{
std::string lastCaption;
std::string lastText;
void Capture(const char* caption, const char* text)
{
    lastCaption = caption;
    lastText = text;
}
} // namespace

TEST(FatalMessage, GoesToTheMessageBoxWithItsCaption)
{
    const MessageBoxPresenter previous = SetMessageBoxPresenter(&Capture);
    FatalMessage("Write failed!");
    SetMessageBoxPresenter(previous);
    EXPECT_EQ(lastCaption, "Fatal Error!");
    EXPECT_EQ(lastText, "Write failed!");
}
