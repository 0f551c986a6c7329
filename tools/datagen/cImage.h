// cImage: a texture-sized picture in memory as 32-bit ARGB pixels, row after row from the top.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class cImage
{
public:
    // A texture of width x height filled with one colour; the picture covers all of it.
    cImage(int textureWidth, int textureHeight, uint32_t fill);

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    uint32_t GetPixel(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    void SetPixel(int x, int y, uint32_t argb) { pixels[size_t(y) * size_t(width) + size_t(x)] = argb; }
    const std::vector<uint32_t>& GetPixels() const { return pixels; }

    // The part of the texture the picture covers.
    int imageWidth;
    int imageHeight;

private:
    int width;
    int height;
    std::vector<uint32_t> pixels;
};
