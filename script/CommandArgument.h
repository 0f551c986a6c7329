// CommandArgument: one token of a script line with its decimal and hexadecimal readings.
#pragma once

#include "base/cString.h"

#include <cstdint>

class CommandArgument
{
public:
    CommandArgument() = default;
    explicit CommandArgument(const cString& token) { Set(token.Text(), token.Length()); }

    // Takes the text and reads it both ways at once.
    void Set(const char* token, int length);
    void SetNumber(float newValue, uint32_t newBits)
    {
        value = newValue;
        bits = newBits;
    }

    // The text as the C library's decimal conversion reads it: 0 when it is no number.
    static float ReadDecimal(const char* text);
    // The text as the C library's base-16 conversion reads it into 32 bits: FFFFFFFF is 4294967295.
    static uint32_t ReadHexadecimal(const char* text);

    cString text;
    float value = 0.0f;
    uint32_t bits = 0;
};
