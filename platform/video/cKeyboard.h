// cKeyboard: the keyboard polled once per tick: 256 DirectInput scan codes, 0x80 while pressed.
#pragma once

#include <cstdint>

class cKeyboard
{
public:
    static constexpr int kKeyCount = 256;
    static constexpr uint8_t kPressed = 0x80;

    virtual ~cKeyboard() = default;

    // Takes the device for reading; fails while its window does not hold the focus.
    virtual bool Acquire() = 0;
    virtual void Unacquire() = 0;
    // Fills state with the current keys. Fails, leaving state untouched, when the device is not
    // acquired or its window lost the focus (the device must then be acquired again).
    virtual bool ReadState(uint8_t (&state)[kKeyCount]) = 0;
};
