// cUtf8: decodes the UTF-8 of the hand-written text sources into code points.
#include "tools/datagen/cUtf8.h"

namespace
{
// The number of bytes a sequence with this lead byte takes, or 0 for a byte that cannot lead.
int SequenceLength(uint8_t lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

uint32_t SmallestCode(int length)
{
    static const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return smallest[length];
}
} // namespace

bool cUtf8::Decode(const std::string& text, std::vector<uint32_t>& codes, size_t& errorAt)
{
    codes.clear();
    size_t at = 0;
    while (at < text.size())
    {
        const uint8_t lead = uint8_t(text[at]);
        const int length = SequenceLength(lead);
        errorAt = at;
        if (length == 0 || at + size_t(length) > text.size())
            return false;
        uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int i = 1; i < length; ++i)
        {
            const uint8_t next = uint8_t(text[at + size_t(i)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and codes beyond Unicode are not text.
        if (code < SmallestCode(length) || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        codes.push_back(code);
        at += size_t(length);
    }
    return true;
}

std::string cUtf8::Encode(uint32_t code)
{
    std::string bytes;
    if (code < 0x80)
    {
        bytes += char(code);
        return bytes;
    }
    if (code < 0x800)
    {
        bytes += char(0xC0 | (code >> 6));
        bytes += char(0x80 | (code & 0x3F));
        return bytes;
    }
    if (code < 0x10000)
    {
        bytes += char(0xE0 | (code >> 12));
        bytes += char(0x80 | ((code >> 6) & 0x3F));
        bytes += char(0x80 | (code & 0x3F));
        return bytes;
    }
    bytes += char(0xF0 | (code >> 18));
    bytes += char(0x80 | ((code >> 12) & 0x3F));
    bytes += char(0x80 | ((code >> 6) & 0x3F));
    bytes += char(0x80 | (code & 0x3F));
    return bytes;
}
