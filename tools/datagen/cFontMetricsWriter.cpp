// cFontMetricsWriter: writes a .qfm font metrics file: the advance of each of the 1024 glyphs.
#include "tools/datagen/cFontMetricsWriter.h"

#include "tools/datagen/cCharset.h"
#include "tools/datagen/cOutputFolder.h"

namespace
{
constexpr uint16_t kFullCell = 64;
}

std::string cFontMetricsWriter::Encode(const std::vector<uint16_t>& widths)
{
    std::string bytes;
    for (int glyph = 0; glyph < cCharset::kGlyphCount; ++glyph)
    {
        const uint16_t width = size_t(glyph) < widths.size() ? widths[size_t(glyph)] : kFullCell;
        bytes += char(width & 0xFF);
        bytes += char(width >> 8);
    }
    return bytes;
}

bool cFontMetricsWriter::Write(cOutputFolder& output)
{
    if (!output.WriteFile(FileName(name), Encode(widths)))
        return Fail(output.GetError());
    return true;
}
