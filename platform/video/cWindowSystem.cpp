// cWindowSystem: the message queue with its late quit message and the cursor display count.
#include "platform/video/cWindowSystem.h"

bool cWindowSystem::PeekMessage(WindowMessage& message)
{
    PumpEvents();
    if (!waiting.empty())
    {
        message = std::move(waiting.front());
        waiting.pop_front();
        return true;
    }
    if (!quitPosted)
        return false;
    quitPosted = false;
    message = WindowMessage();
    message.type = eWindowMessage::Quit;
    message.wParam = uint64_t(int64_t(quitCode));
    return true;
}

void cWindowSystem::PostMessage(const WindowMessage& message)
{
    waiting.push_back(message);
}

void cWindowSystem::PostQuitMessage(int exitCode)
{
    quitPosted = true;
    quitCode = exitCode;
}

int cWindowSystem::ShowCursor(bool show)
{
    const bool wasVisible = cursorCount >= 0;
    cursorCount += show ? 1 : -1;
    const bool visible = cursorCount >= 0;
    if (visible != wasVisible)
        SetCursorVisible(visible);
    return cursorCount;
}
