// cImage: a texture-sized picture in memory as 32-bit ARGB pixels, row after row from the top.
#include "tools/datagen/cImage.h"

cImage::cImage(int textureWidth, int textureHeight, uint32_t fill)
    : imageWidth(textureWidth), imageHeight(textureHeight), width(textureWidth), height(textureHeight),
      pixels(size_t(textureWidth) * size_t(textureHeight), fill)
{
}
