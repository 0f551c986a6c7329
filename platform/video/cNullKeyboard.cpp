// cNullKeyboard: scripted key states behind the focus rule of a foreground keyboard device.
#include "platform/video/cNullKeyboard.h"

#include "platform/video/cNullWindowSystem.h"

#include <cstring>

cNullKeyboard::cNullKeyboard(const cNullWindowSystem& newSystem, const cWindow* newWindow)
    : system(newSystem), window(newWindow)
{
}

bool cNullKeyboard::WindowHasFocus() const
{
    // A destroyed window has no focus to give.
    return system.IsAlive(window) && window->IsInFront() && !window->IsMinimised();
}

bool cNullKeyboard::Acquire()
{
    acquired = WindowHasFocus();
    return acquired;
}

bool cNullKeyboard::ReadState(uint8_t (&state)[kKeyCount])
{
    if (!WindowHasFocus())
        acquired = false;
    if (!acquired)
        return false;
    std::memcpy(state, system.GetKeys(), kKeyCount);
    return true;
}
