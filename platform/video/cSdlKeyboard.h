// cSdlKeyboard: the keyboard read from SDL's key states, readable only while its window holds the focus.
#pragma once

#include "platform/video/cKeyboard.h"

class cSdlKeyboard : public cKeyboard
{
public:
    // windowId is the SDL id of the window whose focus the device follows.
    explicit cSdlKeyboard(uint32_t focusWindowId) : windowId(focusWindowId) {}

    bool Acquire() override;
    void Unacquire() override { acquired = false; }
    bool ReadState(uint8_t (&state)[kKeyCount]) override;

private:
    bool WindowHasFocus() const;

    uint32_t windowId;
    bool acquired = false;
};
