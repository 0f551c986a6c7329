// cNullKeyboard: a keyboard with scripted keys that fails like the real one while its window has no focus.
#pragma once

#include "platform/video/cKeyboard.h"

class cNullWindowSystem;
class cWindow;

class cNullKeyboard : public cKeyboard
{
public:
    // The keys come from the system's scripted states; window decides the focus.
    cNullKeyboard(const cNullWindowSystem& system, const cWindow* window);

    bool Acquire() override;
    void Unacquire() override { acquired = false; }
    bool ReadState(uint8_t (&state)[kKeyCount]) override;

    bool IsAcquired() const { return acquired; }

private:
    bool WindowHasFocus() const;

    const cNullWindowSystem& system;
    const cWindow* window;
    bool acquired = false;
};
