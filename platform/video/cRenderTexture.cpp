// cRenderTexture: a device texture with its pixels kept in memory, lockable level by level from any thread.
#include "platform/video/cRenderTexture.h"

#include <algorithm>

namespace
{
uint32_t FullChainLength(uint32_t width, uint32_t height)
{
    uint32_t count = 1;
    while (width > 1 || height > 1)
    {
        width = std::max(1u, width / 2);
        height = std::max(1u, height / 2);
        ++count;
    }
    return count;
}
} // namespace

cRenderTexture::cRenderTexture(uint32_t width, uint32_t height, uint32_t levelCount, uint32_t usageFlags,
                               RenderFormat pixelFormat, MemoryPool memoryPool)
    : usage(usageFlags), format(pixelFormat), pool(memoryPool)
{
    if (GeneratesMipmaps() || IsRenderTarget())
    {
        levelCount = 1;
    }
    if (levelCount == 0)
    {
        levelCount = FullChainLength(width, height);
    }
    levelCount = std::min(levelCount, FullChainLength(width, height));
    levels.resize(levelCount);
    const uint32_t bytesPerPixel = BytesPerPixel(format);
    for (uint32_t index = 0; index < levelCount; ++index)
    {
        Level& level = levels[index];
        level.width = std::max(1u, width >> index);
        level.height = std::max(1u, height >> index);
        level.pitch = level.width * bytesPerPixel;
        if (!IsRenderTarget())
        {
            level.pixels.assign(size_t(level.pitch) * level.height, 0);
        }
        level.surface = std::make_unique<cRenderSurface>(this, index, level.width, level.height, format);
    }
}

cRenderTexture::~cRenderTexture() = default;

uint32_t cRenderTexture::GetWidth(uint32_t level) const
{
    return level < levels.size() ? levels[level].width : 0;
}

uint32_t cRenderTexture::GetHeight(uint32_t level) const
{
    return level < levels.size() ? levels[level].height : 0;
}

RenderResult cRenderTexture::LockRect(uint32_t level, LockedRect& locked, uint32_t flags)
{
    std::lock_guard<std::mutex> guard(mutex);
    if (level >= levels.size() || IsRenderTarget() || levels[level].locked)
    {
        return RenderResult::InvalidCall;
    }
    Level& entry = levels[level];
    entry.locked = true;
    // A read-only lock changes nothing, so it leaves nothing to upload.
    entry.readOnly = (flags & LockReadOnly) != 0;
    locked.pitch = int32_t(entry.pitch);
    locked.bits = entry.pixels.data();
    return RenderResult::Ok;
}

RenderResult cRenderTexture::UnlockRect(uint32_t level)
{
    std::lock_guard<std::mutex> guard(mutex);
    if (level >= levels.size() || !levels[level].locked)
    {
        return RenderResult::InvalidCall;
    }
    levels[level].locked = false;
    if (!levels[level].readOnly)
    {
        dirtyLevels |= 1u << level;
    }
    return RenderResult::Ok;
}

bool cRenderTexture::IsLocked(uint32_t level) const
{
    std::lock_guard<std::mutex> guard(mutex);
    return level < levels.size() && levels[level].locked;
}

cRenderSurface* cRenderTexture::GetSurfaceLevel(uint32_t level)
{
    return level < levels.size() ? levels[level].surface.get() : nullptr;
}

uint8_t* cRenderTexture::LevelPixels(uint32_t level)
{
    return level < levels.size() ? levels[level].pixels.data() : nullptr;
}

uint32_t cRenderTexture::LevelPitch(uint32_t level) const
{
    return level < levels.size() ? levels[level].pitch : 0;
}

uint32_t cRenderTexture::TakeDirtyLevels()
{
    uint32_t lockedMask = 0;
    for (uint32_t index = 0; index < levels.size(); ++index)
    {
        if (levels[index].locked)
        {
            lockedMask |= 1u << index;
        }
    }
    const uint32_t ready = dirtyLevels & ~lockedMask;
    dirtyLevels &= lockedMask;
    return ready;
}
