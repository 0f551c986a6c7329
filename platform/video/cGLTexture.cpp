// cGLTexture: a texture of the OpenGL device: its memory copy plus the GL objects made from it.
#include "platform/video/cGLTexture.h"

#include <epoxy/gl.h>

namespace
{
struct GLFormat
{
    GLint internalFormat;
    GLenum format;
};

// 32-bit texels are stored B, G, R, A in memory; 8-bit alpha textures read as (0, 0, 0, a).
GLFormat FormatOf(RenderFormat format)
{
    switch (format)
    {
    case RenderFormat::A8:
        return {GL_R8, GL_RED};
    case RenderFormat::X8R8G8B8:
        return {GL_RGB8, GL_BGRA};
    default:
        return {GL_RGBA8, GL_BGRA};
    }
}
} // namespace

cGLTexture::cGLTexture(std::shared_ptr<cGLTextureRegistry> textureRegistry, uint32_t width, uint32_t height,
                       uint32_t levelCount, uint32_t usageFlags, RenderFormat pixelFormat,
                       MemoryPool memoryPool, bool smallDepth)
    : cRenderTexture(width, height, levelCount, usageFlags, pixelFormat, memoryPool),
      registry(std::move(textureRegistry)), depth16(smallDepth)
{
}

cGLTexture::~cGLTexture()
{
    registry->Retire(name, framebuffer, depthBuffer);
}

void cGLTexture::Allocate()
{
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    const GLFormat layout = FormatOf(GetFormat());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (uint32_t level = 0; level < GetLevelCount(); ++level)
    {
        glTexImage2D(GL_TEXTURE_2D, GLint(level), layout.internalFormat, GLsizei(GetWidth(level)),
                     GLsizei(GetHeight(level)), 0, layout.format, GL_UNSIGNED_BYTE, nullptr);
    }
    if (GetFormat() == RenderFormat::A8)
    {
        const GLint swizzle[4] = {GL_ZERO, GL_ZERO, GL_ZERO, GL_RED};
        glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, swizzle);
    }
    else if (GetFormat() == RenderFormat::X8R8G8B8)
    {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_A, GL_ONE);
    }
    if (GeneratesMipmaps())
    {
        // The chain is derived from level 0 after every upload.
        glGenerateMipmap(GL_TEXTURE_2D);
    }
    else
    {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(GetLevelCount() - 1));
    }
    if (!IsRenderTarget())
    {
        auto guard = LockPixels();
        MarkDirtyLevels((1u << GetLevelCount()) - 1);
    }
}

void cGLTexture::Upload(uint32_t level)
{
    const GLFormat layout = FormatOf(GetFormat());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexSubImage2D(GL_TEXTURE_2D, GLint(level), 0, 0, GLsizei(GetWidth(level)), GLsizei(GetHeight(level)),
                    layout.format, GL_UNSIGNED_BYTE, LevelPixels(level));
}

void cGLTexture::Realise()
{
    if (!name)
    {
        Allocate();
    }
    glBindTexture(GL_TEXTURE_2D, name);
    if (IsRenderTarget())
    {
        return;
    }
    auto guard = LockPixels();
    const uint32_t dirty = TakeDirtyLevels();
    if (!dirty)
    {
        return;
    }
    for (uint32_t level = 0; level < GetLevelCount(); ++level)
    {
        if (dirty & (1u << level))
        {
            Upload(level);
        }
    }
    if (GeneratesMipmaps())
    {
        glGenerateMipmap(GL_TEXTURE_2D);
    }
}

void cGLTexture::CreateFramebuffer()
{
    Realise();
    glGenRenderbuffers(1, &depthBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, depth16 ? GL_DEPTH_COMPONENT16 : GL_DEPTH_COMPONENT24,
                          GLsizei(GetWidth()), GLsizei(GetHeight()));
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, name, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
}

uint32_t cGLTexture::GetFramebuffer()
{
    if (IsRenderTarget() && !framebuffer)
    {
        CreateFramebuffer();
    }
    return framebuffer;
}

void cGLTexture::MarkWritten(uint32_t level)
{
    auto guard = LockPixels();
    MarkDirtyLevels(1u << level);
}
