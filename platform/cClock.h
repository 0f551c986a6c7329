// cClock: the performance counter, the millisecond tick count and sleeping; the system clock and a manual one for tests.
#pragma once

#include <cstdint>

class cClock
{
public:
    virtual ~cClock() = default;
    virtual int64_t Counter() = 0;
    virtual int64_t CounterFrequency() = 0;
    // Milliseconds, wrapping at 32 bits.
    virtual uint32_t TickCount() = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

// The monotonic clock of the system, in nanoseconds.
class cSystemClock : public cClock
{
public:
    int64_t Counter() override;
    int64_t CounterFrequency() override { return 1000000000; }
    uint32_t TickCount() override;
    void Sleep(uint32_t milliseconds) override;
};

// Time moves only when told; sleeping advances it.
class cManualClock : public cClock
{
public:
    int64_t Counter() override { return counter; }
    int64_t CounterFrequency() override { return 1000000; }
    uint32_t TickCount() override { return tickCount; }
    void Sleep(uint32_t milliseconds) override { Advance(milliseconds / 1000.0); }

    // Moves both readings forward by seconds (backward for negative seconds).
    void Advance(double seconds)
    {
        counter += int64_t(seconds * 1000000.0);
        tickCount += uint32_t(int64_t(seconds * 1000.0));
    }
    // Moves the performance counter alone, as a faulty counter would.
    void StepCounter(int64_t microseconds) { counter += microseconds; }
    void StepTickCount(uint32_t milliseconds) { tickCount += milliseconds; }

private:
    int64_t counter = 1000000;
    uint32_t tickCount = 1000;
};

// Sleeps the calling thread on the system clock.
void SleepMilliseconds(uint32_t milliseconds);
// Lowers the calling thread's scheduling priority a step below normal where the system allows.
void LowerCurrentThreadPriority();
