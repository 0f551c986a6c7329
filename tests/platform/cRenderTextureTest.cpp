// Tests of the memory side of device textures: levels, locking across threads, uploads marked on unlock.
#include "platform/video/cRenderTexture.h"

#include <gtest/gtest.h>

#include <thread>

TEST(RenderTexture, LevelsFollowTheUsage)
{
    struct Case
    {
        uint32_t levels;
        uint32_t usage;
        uint32_t expectedLevels;
    };
    const Case cases[] = {
        {1, 0, 1},                  // normal
        {0, 0, 7},                  // full chain of 64x32: 64, 32, 16, 8, 4, 2, 1
        {3, 0, 3},                  // chosen levels
        {0, UsageAutoGenMipmap, 1}, // the device derives the rest
        {4, UsageRenderTarget, 1},
    };
    for (const Case& entry : cases)
    {
        cRenderTexture texture(64, 32, entry.levels, entry.usage, RenderFormat::A8R8G8B8,
                               MemoryPool::Managed);
        EXPECT_EQ(texture.GetLevelCount(), entry.expectedLevels) << entry.levels << " " << entry.usage;
    }
    cRenderTexture chain(64, 32, 0, 0, RenderFormat::A8, MemoryPool::Managed);
    EXPECT_EQ(chain.GetWidth(6), 1u);
    EXPECT_EQ(chain.GetHeight(5), 1u);
    EXPECT_EQ(chain.LevelPitch(1), 32u);
    EXPECT_EQ(chain.GetSurfaceLevel(2)->GetWidth(), 16u);
    EXPECT_EQ(chain.GetSurfaceLevel(7), nullptr);
}

TEST(RenderTexture, LockRulesAndDirtyLevels)
{
    cRenderTexture texture(4, 4, 2, 0, RenderFormat::A8R8G8B8, MemoryPool::Managed);
    LockedRect locked;
    ASSERT_EQ(texture.LockRect(0, locked, 0), RenderResult::Ok);
    EXPECT_EQ(locked.pitch, 16);
    EXPECT_EQ(texture.LockRect(0, locked, 0), RenderResult::InvalidCall);
    static_cast<uint8_t*>(locked.bits)[0] = 0x7F;
    {
        auto guard = texture.LockPixels();
        // Still locked: nothing may be uploaded yet.
        EXPECT_EQ(texture.TakeDirtyLevels(), 0u);
    }
    EXPECT_EQ(texture.UnlockRect(0), RenderResult::Ok);
    EXPECT_EQ(texture.UnlockRect(0), RenderResult::InvalidCall);
    ASSERT_EQ(texture.LockRect(1, locked, LockReadOnly), RenderResult::Ok);
    EXPECT_EQ(texture.UnlockRect(1), RenderResult::Ok);
    {
        auto guard = texture.LockPixels();
        EXPECT_EQ(texture.TakeDirtyLevels(), 1u);
        EXPECT_EQ(texture.TakeDirtyLevels(), 0u);
        EXPECT_EQ(texture.LevelPixels(0)[0], 0x7F);
    }

    cRenderTexture target(4, 4, 1, UsageRenderTarget, RenderFormat::X8R8G8B8, MemoryPool::Default);
    EXPECT_EQ(target.LockRect(0, locked, 0), RenderResult::InvalidCall);
    EXPECT_EQ(texture.LockRect(5, locked, 0), RenderResult::InvalidCall);
}

TEST(RenderTexture, AnotherThreadFillsATextureWhileTheOwnerTakesUploads)
{
    cRenderTexture texture(16, 16, 1, 0, RenderFormat::X8R8G8B8, MemoryPool::Managed);
    std::thread filler(
        [&texture]
        {
            for (int round = 0; round < 200; ++round)
            {
                LockedRect locked;
                ASSERT_EQ(texture.LockRect(0, locked, 0), RenderResult::Ok);
                static_cast<uint8_t*>(locked.bits)[0] = uint8_t(round);
                texture.UnlockRect(0);
            }
        });
    uint32_t uploads = 0;
    for (int round = 0; round < 200; ++round)
    {
        auto guard = texture.LockPixels();
        uploads += texture.TakeDirtyLevels();
    }
    filler.join();
    auto guard = texture.LockPixels();
    uploads += texture.TakeDirtyLevels();
    EXPECT_GE(uploads, 1u);
    EXPECT_EQ(texture.LevelPixels(0)[0], 199);
}
