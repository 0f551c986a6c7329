// CommandArgument: the two numeric readings of a token.
#include "script/CommandArgument.h"

#include <cerrno>
#include <cstdlib>

void CommandArgument::Set(const char* token, int length)
{
    text.Assign(token, length);
    value = ReadDecimal(text.Text());
    bits = ReadHexadecimal(text.Text());
}

float CommandArgument::ReadDecimal(const char* text)
{
    return float(std::strtod(text, nullptr));
}

// A 32-bit unsigned long saturates at FFFFFFFF and negates a leading minus modulo 2^32.
uint32_t CommandArgument::ReadHexadecimal(const char* text)
{
    const char* start = text;
    while (*start == ' ' || (*start >= '\t' && *start <= '\r'))
        ++start;
    const bool negative = *start == '-';
    errno = 0;
    const unsigned long long magnitude = std::strtoull(negative || *start == '+' ? start + 1 : start, nullptr, 16);
    if (errno == ERANGE || magnitude > 0xFFFFFFFFull)
        return 0xFFFFFFFFu;
    return negative ? uint32_t(0u - uint32_t(magnitude)) : uint32_t(magnitude);
}
