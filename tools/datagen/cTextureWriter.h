// cTextureWriter: writes a picture as a .qtx texture.
#pragma once

#include "tools/datagen/cDataWriter.h"

#include <string>

class cImage;

// The file holds texture width, height, image width, height (32-bit little-endian), then the pixels as
// blue, green, red, alpha bytes, first row first.
class cTextureWriter : public cDataWriter
{
public:
    // The texture name as the engine asks for it ("Fonts/system_cn"); the file is Textures/<name>.qtx.
    cTextureWriter(const std::string& textureName, const cImage& picture) : name(textureName), image(picture)
    {
    }

    std::string Describe() const override { return "texture '" + name + "'"; }
    bool Write(cOutputFolder& output) override;

    static std::string Encode(const cImage& image);
    static std::string FileName(const std::string& textureName) { return "Textures/" + textureName + ".qtx"; }

private:
    std::string name;
    const cImage& image;
};
