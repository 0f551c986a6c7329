// cInputSink: the receiver of the window's mouse and character input; the interface layer implements it.
#pragma once

#include <cstdint>

class cInputSink
{
public:
    virtual ~cInputSink() = default;

    // The pointer moved to (x, y) in back-buffer pixels; the receiver also notes that it moved.
    virtual void SetPointerPosition(int16_t x, int16_t y) = 0;
    // Buttons: 0 left, 1 middle, 2 right.
    virtual void MouseDown(int button) = 0;
    virtual void MouseUp(int button) = 0;
    // The wheel turn as the window reports it, 120 per notch; the receiver reads the sign.
    virtual void MouseWheel(uint16_t delta) = 0;
    // One UTF-16 code unit of typed text, or 8, 13, 27 for backspace, return and escape.
    virtual void CharacterInput(uint16_t character) = 0;
    // Takes the keyboard device again after the window was activated.
    virtual void AcquireKeyboard() = 0;
};
