// cFontBaker: draws the charset's glyphs of one font face with FreeType into a sheet of square cells.
#pragma once

#include "tools/datagen/cCharset.h"
#include "tools/datagen/cImage.h"

#include <cstdint>
#include <string>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

// The glyphs are white with their coverage in alpha; each glyph's advance is measured as well.
class cFontBaker
{
public:
    // How a sheet is laid out: glyph g sits in column g mod columns, row g div columns.
    struct Layout
    {
        int columns;
        int cellSize;    // pixels of a square cell
        double emSize;   // the face's em in cells
        double stretchX; // horizontal scale of the glyphs, for cells drawn wider or narrower than high
    };

    cFontBaker() = default;
    cFontBaker(const cFontBaker&) = delete;
    cFontBaker& operator=(const cFontBaker&) = delete;
    ~cFontBaker();

    bool Open(const std::string& facePath);
    // Draws every entry whose glyph has a cell on the sheet, its advance centred in the cell, and
    // fills widths (1024, in 1/64 cells; 64 for glyphs the charset leaves unused).
    bool Bake(const cCharset& charset, const Layout& layout, cImage& sheet, std::vector<uint16_t>& widths);

    const std::string& GetError() const { return error; }

    // A transparent white pixel with the given coverage as alpha.
    static uint32_t CoveragePixel(uint8_t coverage) { return (uint32_t(coverage) << 24) | 0x00FFFFFF; }

private:
    bool BakeGlyph(const cCharset::Entry& entry, const Layout& layout, int baseline, cImage& sheet,
                   std::vector<uint16_t>& widths);
    bool Fail(const std::string& message);

    FT_LibraryRec_* library = nullptr;
    FT_FaceRec_* face = nullptr;
    std::string path;
    std::string error;
};
