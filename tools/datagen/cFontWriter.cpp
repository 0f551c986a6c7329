// cFontWriter: bakes one proportional font and writes its three sheets with their metrics.
#include "tools/datagen/cFontWriter.h"

#include "tools/datagen/cCharset.h"
#include "tools/datagen/cFontBaker.h"
#include "tools/datagen/cFontMetricsWriter.h"
#include "tools/datagen/cImage.h"
#include "tools/datagen/cTextureWriter.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace
{
constexpr int kColumns = 32;
constexpr int kLowSheet = 1024;
constexpr int kHighSheet = 2048;
} // namespace

bool cFontWriter::Write(cOutputFolder& output)
{
    // The plain name serves only as the interface's fallback, so it takes the sheet every renderer holds.
    return WriteSheets(output, kLowSheet, {"", "_lowres_cn"}) && WriteSheets(output, kHighSheet, {"_cn"});
}

bool cFontWriter::WriteSheets(cOutputFolder& output, int sheetSize,
                              std::initializer_list<const char*> suffixes)
{
    cFontBaker baker;
    if (!baker.Open(facePath))
        return Fail(baker.GetError());
    cImage sheet(sheetSize, sheetSize, cFontBaker::CoveragePixel(0));
    std::vector<uint16_t> widths;
    const cFontBaker::Layout layout{kColumns, sheetSize / kColumns, kEmSize, 1.0};
    if (!baker.Bake(charset, layout, sheet, widths))
        return Fail(baker.GetError());
    for (const char* suffix : suffixes)
    {
        cTextureWriter texture("Fonts/" + name + suffix, sheet);
        if (!texture.Write(output))
            return Fail(texture.GetError());
        cFontMetricsWriter metrics(name + suffix, widths);
        if (!metrics.Write(output))
            return Fail(metrics.GetError());
    }
    return true;
}
