// cRenderSurface: one level of a texture, or the back buffer, as a target or source of copies.
#pragma once

#include "platform/video/RenderTypes.h"

#include <cstdint>

class cRenderTexture;

// A view that does not own its pixels: a texture owns the surfaces of its levels and the device owns
// the back buffer's. It stays valid as long as its owner.
class cRenderSurface
{
public:
    cRenderSurface(cRenderTexture* owner, uint32_t levelIndex, uint32_t surfaceWidth, uint32_t surfaceHeight,
                   RenderFormat surfaceFormat)
        : texture(owner), level(levelIndex), width(surfaceWidth), height(surfaceHeight), format(surfaceFormat)
    {
    }
    virtual ~cRenderSurface() = default;

    // Null for the back buffer.
    cRenderTexture* GetTexture() const { return texture; }
    uint32_t GetLevel() const { return level; }
    uint32_t GetWidth() const { return width; }
    uint32_t GetHeight() const { return height; }
    RenderFormat GetFormat() const { return format; }
    bool IsBackBuffer() const { return texture == nullptr; }

    // The back buffer changes size on a device reset.
    void Resize(uint32_t newWidth, uint32_t newHeight)
    {
        width = newWidth;
        height = newHeight;
    }

private:
    cRenderTexture* texture;
    uint32_t level;
    uint32_t width;
    uint32_t height;
    RenderFormat format;
};
