// cFontMetricsWriter: writes a .qfm font metrics file: the advance of each of the 1024 glyphs.
#pragma once

#include "tools/datagen/cDataWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// Each advance is an unsigned 16-bit little-endian count of 1/64 cells.
class cFontMetricsWriter : public cDataWriter
{
public:
    // The font name as the engine asks for it ("system_cn"); the file is FontMetrics/<name>.qfm.
    cFontMetricsWriter(const std::string& fontName, const std::vector<uint16_t>& glyphWidths)
        : name(fontName), widths(glyphWidths)
    {
    }

    std::string Describe() const override { return "font metrics '" + name + "'"; }
    bool Write(cOutputFolder& output) override;

    // Exactly 1024 widths; glyphs beyond the given ones are one cell wide.
    static std::string Encode(const std::vector<uint16_t>& widths);
    static std::string FileName(const std::string& fontName) { return "FontMetrics/" + fontName + ".qfm"; }

private:
    std::string name;
    const std::vector<uint16_t>& widths;
};
