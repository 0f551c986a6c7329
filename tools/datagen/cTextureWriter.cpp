// cTextureWriter: writes a picture as a .qtx texture: texture width, height, image width, height (32-bit
// little-endian) and the pixels as blue, green, red, alpha bytes, first row first.
#include "tools/datagen/cTextureWriter.h"

#include "tools/datagen/cImage.h"
#include "tools/datagen/cOutputFolder.h"

namespace
{
void AppendInt32(std::string& bytes, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes += char((value >> shift) & 0xFF);
}
} // namespace

std::string cTextureWriter::Encode(const cImage& image)
{
    std::string bytes;
    bytes.reserve(16 + image.GetPixels().size() * 4);
    AppendInt32(bytes, uint32_t(image.GetWidth()));
    AppendInt32(bytes, uint32_t(image.GetHeight()));
    AppendInt32(bytes, uint32_t(image.imageWidth));
    AppendInt32(bytes, uint32_t(image.imageHeight));
    // A little-endian ARGB value is stored as blue, green, red, alpha.
    for (uint32_t argb : image.GetPixels())
        AppendInt32(bytes, argb);
    return bytes;
}

bool cTextureWriter::Write(cOutputFolder& output)
{
    if (!output.WriteFile(FileName(name), Encode(image)))
        return Fail(output.GetError());
    return true;
}
