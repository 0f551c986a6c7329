// cRenderTexture: a device texture with its pixels kept in memory, lockable level by level from any thread.
#pragma once

#include "platform/video/RenderTypes.h"
#include "platform/video/cRenderSurface.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// Every texture keeps a copy of its pixels in memory (except render targets, whose pixels live on the
// device): locking hands out that copy, unlocking marks the level for upload. A device uploads the
// marked levels on its own thread when it binds the texture, so the job thread may create, lock and fill
// textures while the main thread draws.
//
// Rows are stored top row first; 32-bit texels are the bytes blue, green, red, alpha.
class cRenderTexture
{
public:
    // levels 0 asks for the full chain down to 1x1. With UsageAutoGenMipmap only the top level is
    // visible and the device derives the others.
    cRenderTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage, RenderFormat format,
                   MemoryPool pool);
    virtual ~cRenderTexture();
    cRenderTexture(const cRenderTexture&) = delete;
    cRenderTexture& operator=(const cRenderTexture&) = delete;

    uint32_t GetWidth(uint32_t level = 0) const;
    uint32_t GetHeight(uint32_t level = 0) const;
    uint32_t GetLevelCount() const { return uint32_t(levels.size()); }
    uint32_t GetUsage() const { return usage; }
    RenderFormat GetFormat() const { return format; }
    MemoryPool GetPool() const { return pool; }
    bool IsRenderTarget() const { return (usage & UsageRenderTarget) != 0; }
    bool IsDynamic() const { return (usage & UsageDynamic) != 0; }
    bool GeneratesMipmaps() const { return (usage & UsageAutoGenMipmap) != 0; }
    // Textures of the default pool are lost with the device and must be released before a reset.
    bool IsVideoMemoryOnly() const { return pool == MemoryPool::Default; }

    // Locks one level for the calling thread. Render targets cannot be locked (copy them into a
    // system-memory texture with the device's GetRenderTargetData); a level is locked at most once.
    virtual RenderResult LockRect(uint32_t level, LockedRect& locked, uint32_t flags);
    virtual RenderResult UnlockRect(uint32_t level);
    bool IsLocked(uint32_t level) const;

    // The surface of a level; null for a level that does not exist.
    cRenderSurface* GetSurfaceLevel(uint32_t level);

    // For devices: the memory copy of a level, valid while the caller holds the lock from LockPixels.
    uint8_t* LevelPixels(uint32_t level);
    uint32_t LevelPitch(uint32_t level) const;
    std::unique_lock<std::mutex> LockPixels() const { return std::unique_lock<std::mutex>(mutex); }
    // Under LockPixels: levels unlocked since the last call, as a bit mask, cleared by the call.
    // Levels still locked are held back until they are unlocked.
    uint32_t TakeDirtyLevels();
    // Under LockPixels: marks levels as changed, for devices that write the memory copy themselves.
    void MarkDirtyLevels(uint32_t mask) { dirtyLevels |= mask; }

private:
    struct Level
    {
        uint32_t width = 0;
        uint32_t height = 0;
        uint32_t pitch = 0;
        std::vector<uint8_t> pixels;
        bool locked = false;
        bool readOnly = false;
        std::unique_ptr<cRenderSurface> surface;
    };

    uint32_t usage;
    RenderFormat format;
    MemoryPool pool;
    std::vector<Level> levels;
    mutable std::mutex mutex;
    uint32_t dirtyLevels = 0;
};
