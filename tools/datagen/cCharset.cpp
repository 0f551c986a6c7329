// cCharset: the characters the game's fonts draw and the glyph each one has.
#include "tools/datagen/cCharset.h"

#include "tools/datagen/cSourceFile.h"

#include <cstdio>

namespace
{
std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Exactly four hexadecimal digits.
bool ParseCode(const std::string& text, uint32_t& code)
{
    if (text.size() != 4)
        return false;
    code = 0;
    for (char digit : text)
    {
        code <<= 4;
        if (digit >= '0' && digit <= '9')
            code |= uint32_t(digit - '0');
        else if (digit >= 'A' && digit <= 'F')
            code |= uint32_t(digit - 'A' + 10);
        else if (digit >= 'a' && digit <= 'f')
            code |= uint32_t(digit - 'a' + 10);
        else
            return false;
    }
    return true;
}

std::string Hex(uint32_t code)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04X", unsigned(code));
    return digits;
}
} // namespace

bool cCharset::Load(const std::string& path)
{
    std::string text;
    if (!cSourceFile::Read(path, text))
    {
        error = "Cannot read '" + path + "'.";
        return false;
    }
    if (Parse(text))
        return true;
    error = path + ":" + error;
    return false;
}

bool cCharset::Parse(const std::string& text)
{
    entries.clear();
    glyphOfCode.clear();
    nextExtendedGlyph = kFirstExtendedGlyph;
    const std::vector<std::string> lines = cSourceFile::SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i)
    {
        if (!ParseLine(lines[i], int(i) + 1))
            return false;
    }
    return true;
}

bool cCharset::ParseLine(const std::string& line, int lineNumber)
{
    const std::string content = Trim(line.substr(0, line.find('#')));
    if (content.empty())
        return true;
    const size_t dash = content.find('-');
    uint32_t first = 0;
    uint32_t last = 0;
    const bool isRange = dash != std::string::npos;
    if (!ParseCode(Trim(content.substr(0, dash)), first) ||
        (isRange && !ParseCode(Trim(content.substr(dash + 1)), last)))
        return Fail(lineNumber, "'" + content + "' is not a code (0041) or a range of codes (0041-005A).");
    if (!isRange)
        last = first;
    if (last < first)
        return Fail(lineNumber, "The range '" + content + "' runs backwards.");
    for (uint32_t code = first; code <= last; ++code)
    {
        if (!Add(code, lineNumber))
            return false;
    }
    return true;
}

bool cCharset::Add(uint32_t code, int lineNumber)
{
    // Control characters have no picture; surrogates are halves of characters the map cannot hold.
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F) || (code >= 0xD800 && code <= 0xDFFF))
        return Fail(lineNumber, "The code " + Hex(code) + " is not a drawable character.");
    if (glyphOfCode.count(code))
        return Fail(lineNumber, "The code " + Hex(code) + " is listed twice.");
    int glyph = int(code);
    if (code >= uint32_t(kFirstExtendedGlyph))
    {
        if (nextExtendedGlyph >= kGlyphCount)
            return Fail(lineNumber, "More characters than the " + std::to_string(kGlyphCount) +
                                        " glyphs a font sheet holds.");
        glyph = nextExtendedGlyph++;
    }
    glyphOfCode[code] = glyph;
    entries.push_back(Entry{code, glyph});
    return true;
}

int cCharset::GlyphOf(uint32_t code) const
{
    const auto found = glyphOfCode.find(code);
    return found == glyphOfCode.end() ? -1 : found->second;
}

void cCharset::AppendGlyph(int glyph, std::string& bytes)
{
    if (glyph < kExtendedLead)
    {
        bytes += char(glyph);
        return;
    }
    bytes += char(kExtendedLead);
    bytes += char((glyph >> 7) + 128);
    bytes += char(128 | (glyph & 127));
}

bool cCharset::Fail(int lineNumber, const std::string& message)
{
    error = std::to_string(lineNumber) + ": " + message;
    return false;
}
