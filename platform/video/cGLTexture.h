// cGLTexture: a texture of the OpenGL device: its memory copy plus the GL objects made from it.
#pragma once

#include "platform/video/cGLTextureRegistry.h"
#include "platform/video/cRenderTexture.h"

#include <cstdint>
#include <memory>

// GL objects are created lazily on the device's thread (Realise), so the texture itself can be made
// on any thread. A render target owns a framebuffer with its own depth buffer.
class cGLTexture : public cRenderTexture
{
public:
    cGLTexture(std::shared_ptr<cGLTextureRegistry> textureRegistry, uint32_t width, uint32_t height,
               uint32_t levelCount, uint32_t usageFlags, RenderFormat pixelFormat, MemoryPool memoryPool,
               bool smallDepth);
    ~cGLTexture() override;

    // Device thread only: creates the GL texture (and framebuffer) if needed and uploads the levels
    // unlocked since the last call. Leaves the texture bound to GL_TEXTURE_2D of the active unit.
    void Realise();
    uint32_t GetName() const { return name; }
    // Device thread only: the render target's framebuffer, realised on demand.
    uint32_t GetFramebuffer();
    // Device thread only: after the device wrote the memory copy (GetRenderTargetData), upload it
    // at the next bind.
    void MarkWritten(uint32_t level);

private:
    void Allocate();
    void Upload(uint32_t level);
    void CreateFramebuffer();

    std::shared_ptr<cGLTextureRegistry> registry;
    bool depth16;
    uint32_t name = 0;
    uint32_t framebuffer = 0;
    uint32_t depthBuffer = 0;
};
