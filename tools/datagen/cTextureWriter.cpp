// cTextureWriter: writes a picture as a .qtx texture.
#include "tools/datagen/cTextureWriter.h"

#include "tools/datagen/cImage.h"
#include "tools/datagen/cOutputFolder.h"

#include <cstdint>
#include <vector>

namespace
{
void PutUint32(char* bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
}
} // namespace

std::string cTextureWriter::Encode(const cImage& image)
{
    const std::vector<uint32_t>& pixels = image.GetPixels();
    std::string bytes(16 + pixels.size() * 4, '\0');
    char* at = bytes.data();
    PutUint32(at, uint32_t(image.GetWidth()));
    PutUint32(at + 4, uint32_t(image.GetHeight()));
    PutUint32(at + 8, uint32_t(image.imageWidth));
    PutUint32(at + 12, uint32_t(image.imageHeight));
    at += 16;
    // A little-endian ARGB value is stored as blue, green, red, alpha.
    for (uint32_t argb : pixels)
    {
        PutUint32(at, argb);
        at += 4;
    }
    return bytes;
}

bool cTextureWriter::Write(cOutputFolder& output)
{
    if (!output.WriteFile(FileName(name), Encode(image)))
        return Fail(output.GetError());
    return true;
}
