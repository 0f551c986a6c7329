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

    // The decimal value truncated to an integer; values beyond the 32-bit range stop at its ends and
    // a value that is no number (nan) gives 0, so that no script can make the conversion undefined.
    int32_t IntegerValue() const;

    // The text as the C library's decimal conversion reads it: 0 when it is no number.
    static float ReadDecimal(const char* text);
    // The text as the C library's base-16 conversion reads it into 32 bits: FFFFFFFF is 4294967295.
    static uint32_t ReadHexadecimal(const char* text);

    cString text;
    float value = 0.0f;
    uint32_t bits = 0;
};
