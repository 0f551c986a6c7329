// cThread: a thread of the operating system whose start can fail and say so, rather than throw.
#pragma once

#include <functional>
#include <pthread.h>

class cThread
{
public:
    cThread() = default;
    ~cThread() { Join(); }
    cThread(const cThread&) = delete;
    cThread& operator=(const cThread&) = delete;

    // Starts body on a new thread. False when the system would not create one; nothing runs then.
    bool Start(std::function<void()> body);
    // Waits for the thread to end; nothing happens when none was started.
    void Join();
    bool IsRunning() const { return started; }
    // Whether the caller is this thread.
    bool IsCurrent() const;

    // Tests: the next Start fails as if the system had no thread left to give.
    static void FailNextStart() { failNextStart = true; }

private:
    static void* Enter(void* self);

    std::function<void()> body;
    pthread_t handle{};
    bool started = false;
    static inline bool failNextStart = false;
};
