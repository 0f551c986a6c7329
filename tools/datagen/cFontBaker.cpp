// cFontBaker: draws the charset's glyphs of one font face with FreeType into a sheet of square cells.
#include "tools/datagen/cFontBaker.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
constexpr uint16_t kFullCell = 64;

std::string CodeName(uint32_t code)
{
    char name[32];
    std::snprintf(name, sizeof name, "U+%04X", unsigned(code));
    return name;
}
} // namespace

cFontBaker::~cFontBaker()
{
    if (face)
        FT_Done_Face(face);
    if (library)
        FT_Done_FreeType(library);
}

bool cFontBaker::Open(const std::string& facePath)
{
    path = facePath;
    if (!library && FT_Init_FreeType(&library) != 0)
        return Fail("FreeType cannot start.");
    if (face)
    {
        FT_Done_Face(face);
        face = nullptr;
    }
    if (FT_New_Face(library, facePath.c_str(), 0, &face) != 0)
        return Fail("Cannot open the font face '" + facePath + "'.");
    return true;
}

bool cFontBaker::Bake(const cCharset& charset, const Layout& layout, cImage& sheet,
                      std::vector<uint16_t>& widths)
{
    if (!face)
        return Fail("No font face is open.");
    const double emPixels = layout.emSize * layout.cellSize;
    const FT_F26Dot6 height = FT_F26Dot6(std::lround(emPixels * 64.0));
    const FT_F26Dot6 width = FT_F26Dot6(std::lround(emPixels * layout.stretchX * 64.0));
    if (FT_Set_Char_Size(face, width, height, 72, 72) != 0)
        return Fail("The face '" + path + "' cannot be set to " + std::to_string(emPixels) + " pixels.");
    // The band from the highest ascender to the lowest descender sits in the middle of the cell.
    const double ascender = double(face->size->metrics.ascender) / 64.0;
    const double descender = double(face->size->metrics.descender) / 64.0;
    const int baseline = int(std::lround((layout.cellSize - (ascender - descender)) / 2.0 + ascender));

    widths.assign(size_t(cCharset::kGlyphCount), kFullCell);
    for (const cCharset::Entry& entry : charset.GetEntries())
    {
        if (entry.glyph >= layout.columns * layout.columns)
            continue;
        if (!BakeGlyph(entry, layout, baseline, sheet, widths))
            return false;
    }
    return true;
}

bool cFontBaker::BakeGlyph(const cCharset::Entry& entry, const Layout& layout, int baseline, cImage& sheet,
                           std::vector<uint16_t>& widths)
{
    const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(entry.code));
    if (index == 0)
        return Fail("The face '" + path + "' has no glyph for " + CodeName(entry.code) + ".");
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0)
        return Fail("The face '" + path + "' cannot draw " + CodeName(entry.code) + ".");
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.rows > 0 && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
        return Fail("The face '" + path + "' drew " + CodeName(entry.code) + " without grey levels.");

    const int cell = layout.cellSize;
    const double advance = double(slot->advance.x) / 64.0;
    const int cellLeft = (entry.glyph % layout.columns) * cell;
    const int cellTop = (entry.glyph / layout.columns) * cell;
    const int originX = int(std::lround((cell - advance) / 2.0));
    const int left = originX + slot->bitmap_left;
    const int top = baseline - slot->bitmap_top;
    for (int row = 0; row < int(bitmap.rows); ++row)
    {
        const int y = top + row;
        if (y < 0 || y >= cell)
            continue;
        const unsigned char* source = bitmap.buffer + row * bitmap.pitch;
        for (int column = 0; column < int(bitmap.width); ++column)
        {
            const int x = left + column;
            if (x < 0 || x >= cell || source[column] == 0)
                continue;
            sheet.SetPixel(cellLeft + x, cellTop + y, CoveragePixel(source[column]));
        }
    }
    const long width = std::lround(advance / cell * kFullCell);
    widths[size_t(entry.glyph)] = uint16_t(std::clamp(width, 0L, long(kFullCell)));
    return true;
}

bool cFontBaker::Fail(const std::string& message)
{
    error = message;
    return false;
}
