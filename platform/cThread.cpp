// cThread: POSIX threads started without exceptions.
#include "platform/cThread.h"

#include <utility>

bool cThread::Start(std::function<void()> threadBody)
{
    if (started)
        return false;
    if (failNextStart)
    {
        failNextStart = false;
        return false;
    }
    body = std::move(threadBody);
    started = pthread_create(&handle, nullptr, &cThread::Enter, this) == 0;
    if (!started)
        body = nullptr;
    return started;
}

void cThread::Join()
{
    if (!started)
        return;
    pthread_join(handle, nullptr);
    started = false;
    body = nullptr;
}

bool cThread::IsCurrent() const
{
    return started && pthread_equal(handle, pthread_self()) != 0;
}

void* cThread::Enter(void* self)
{
    static_cast<cThread*>(self)->body();
    return nullptr;
}
