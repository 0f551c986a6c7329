// cUtf8: decodes the UTF-8 of the hand-written text sources into code points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class cUtf8
{
public:
    // Decodes the whole text; false at the first malformed sequence, with its byte offset in errorAt.
    static bool Decode(const std::string& text, std::vector<uint32_t>& codes, size_t& errorAt);
    static std::string Encode(uint32_t code);
};
