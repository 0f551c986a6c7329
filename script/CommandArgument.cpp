// CommandArgument: the two numeric readings of a token.
#include "script/CommandArgument.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>

void CommandArgument::Set(const char* token, int length)
{
    text.Assign(token, length);
    value = ReadDecimal(text.Text());
    bits = ReadHexadecimal(text.Text());
}

int32_t CommandArgument::IntegerValue() const
{
    if (!(value == value))
        return 0;
    if (value >= 2147483648.0f)
        return INT32_MAX;
    if (value <= -2147483648.0f)
        return INT32_MIN;
    return int32_t(value);
}

namespace
{
// Powers of ten that a double holds exactly.
const double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Plain "[-]digits[.digits]" of at most 15 digits: the mantissa and the power of ten are exact
// doubles, so one division rounds exactly as the C library does. False for anything else.
bool ReadPlainDecimal(const char* text, double& result)
{
    const char* at = text;
    const bool negative = *at == '-';
    if (negative || *at == '+')
        ++at;
    uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (; *at; ++at)
    {
        if (*at == '.' && !point)
        {
            point = true;
            continue;
        }
        if (*at < '0' || *at > '9' || ++digits > 15)
            return false;
        mantissa = mantissa * 10 + uint64_t(*at - '0');
        decimals += point;
    }
    if (digits == 0)
        return false;
    const double magnitude = double(mantissa) / kExactPowersOfTen[decimals];
    result = negative ? -magnitude : magnitude;
    return true;
}
} // namespace

float CommandArgument::ReadDecimal(const char* text)
{
    double plain = 0.0;
    if (ReadPlainDecimal(text, plain))
        return float(plain);
    // The library reads nothing from a word that cannot start a number (blanks, a sign, digits,
    // a point, "inf" or "nan"), so such words need no call.
    const char* first = text + (*text == '-' || *text == '+');
    const char c = *first;
    const bool maybeNumber = (c >= '0' && c <= '9') || c == '.' || c == 'i' || c == 'I' || c == 'n' || c == 'N' ||
                             c == ' ' || (c >= '\t' && c <= '\r') || first != text;
    if (!maybeNumber)
        return 0.0f;
    return float(std::strtod(text, nullptr));
}

// A 32-bit unsigned long saturates at FFFFFFFF and negates a leading minus modulo 2^32.
uint32_t CommandArgument::ReadHexadecimal(const char* text)
{
    // A run of up to eight hexadecimal digits at the start reads without a library call; the
    // library would stop at the same character (unless it is the x of a 0x prefix).
    uint32_t plain = 0;
    int digits = 0;
    const char* at = text;
    for (; digits <= 8; ++at, ++digits)
    {
        const char c = *at;
        const int nibble = c >= '0' && c <= '9' ? c - '0'
                           : c >= 'a' && c <= 'f' ? c - 'a' + 10
                           : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                  : -1;
        if (nibble < 0)
            break;
        plain = plain << 4 | uint32_t(nibble);
    }
    const bool prefix = digits == 1 && text[0] == '0' && (*at == 'x' || *at == 'X');
    if (digits >= 1 && digits <= 8 && !prefix)
        return plain;
    const char* start = text;
    while (*start == ' ' || (*start >= '\t' && *start <= '\r'))
        ++start;
    const char c = *start;
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == '-' || c == '+'))
        return 0;
    const bool negative = *start == '-';
    errno = 0;
    const unsigned long long magnitude = std::strtoull(negative || *start == '+' ? start + 1 : start, nullptr, 16);
    if (errno == ERANGE || magnitude > 0xFFFFFFFFull)
        return 0xFFFFFFFFu;
    return negative ? uint32_t(0u - uint32_t(magnitude)) : uint32_t(magnitude);
}
