// cCharset: the characters the game's fonts draw and the glyph each one has.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The one table behind the language table, the character map and the font sheets.
class cCharset
{
public:
    // A font sheet holds 32 x 32 glyphs; glyphs from 256 on are written as three bytes.
    static constexpr int kGlyphCount = 1024;
    static constexpr int kFirstExtendedGlyph = 256;
    static constexpr uint8_t kExtendedLead = 0xFF;

    struct Entry
    {
        uint32_t code;
        int glyph;
    };

    // Reads the table: one code ("00E9") or range ("0100-017F") of hexadecimal UTF-16 codes a line,
    // "#" starting a comment. Codes below 256 keep their value as glyph; the others take glyphs
    // from 256 up in the order listed.
    bool Load(const std::string& path);
    bool Parse(const std::string& text);

    // The glyph of a code, or -1 when the fonts cannot draw it.
    int GlyphOf(uint32_t code) const;
    // The entries in the order listed.
    const std::vector<Entry>& GetEntries() const { return entries; }
    const std::string& GetError() const { return error; }

    // Appends a glyph in the game's text encoding: one byte below 255, else 0xFF and two bytes
    // of seven bits each with the top bit set.
    static void AppendGlyph(int glyph, std::string& bytes);

private:
    bool ParseLine(const std::string& line, int lineNumber);
    bool Add(uint32_t code, int lineNumber);
    bool Fail(int lineNumber, const std::string& message);

    std::vector<Entry> entries;
    std::map<uint32_t, int> glyphOfCode;
    int nextExtendedGlyph = kFirstExtendedGlyph;
    std::string error;
};
