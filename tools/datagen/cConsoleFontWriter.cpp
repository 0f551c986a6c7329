// cConsoleFontWriter: bakes the console's own font sheet: the 256 byte codes in a 16 x 16 grid.
#include "tools/datagen/cConsoleFontWriter.h"

#include "tools/datagen/cFontBaker.h"
#include "tools/datagen/cImage.h"
#include "tools/datagen/cTextureWriter.h"

#include <cstdint>
#include <vector>

namespace
{
// A square cell is drawn 1.5 times as high as wide, so the glyphs are drawn 1.5 times as wide to
// look right; at an em of 0.75 cells a monospaced advance (0.6 em) stays inside the 0.7-cell step.
constexpr double kEmSize = 0.75;
constexpr double kStretchX = 1.5;
} // namespace

bool cConsoleFontWriter::Write(cOutputFolder& output)
{
    cFontBaker baker;
    if (!baker.Open(facePath))
        return Fail(baker.GetError());
    const int sheetSize = kColumns * kCellSize;
    cImage sheet(sheetSize, sheetSize, cFontBaker::CoveragePixel(0));
    std::vector<uint16_t> widths;
    const cFontBaker::Layout layout{kColumns, kCellSize, kEmSize, kStretchX};
    if (!baker.Bake(charset, layout, sheet, widths))
        return Fail(baker.GetError());
    cTextureWriter texture(name, sheet);
    if (!texture.Write(output))
        return Fail(texture.GetError());
    return true;
}
