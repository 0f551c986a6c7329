// cGLTextureRegistry: the link between an OpenGL device and its textures, which may outlive it.
#include "platform/video/cGLTextureRegistry.h"

void cGLTextureRegistry::Retire(uint32_t texture, uint32_t framebuffer, uint32_t depthBuffer)
{
    std::lock_guard<std::mutex> guard(mutex);
    if (!deviceAlive)
    {
        return;
    }
    if (texture)
    {
        textures.push_back(texture);
    }
    if (framebuffer)
    {
        framebuffers.push_back(framebuffer);
    }
    if (depthBuffer)
    {
        depthBuffers.push_back(depthBuffer);
    }
}

void cGLTextureRegistry::TakeRetired(std::vector<uint32_t>& retiredTextures,
                                     std::vector<uint32_t>& retiredFramebuffers,
                                     std::vector<uint32_t>& retiredDepthBuffers)
{
    std::lock_guard<std::mutex> guard(mutex);
    retiredTextures.swap(textures);
    retiredFramebuffers.swap(framebuffers);
    retiredDepthBuffers.swap(depthBuffers);
    textures.clear();
    framebuffers.clear();
    depthBuffers.clear();
}

void cGLTextureRegistry::DetachDevice()
{
    std::lock_guard<std::mutex> guard(mutex);
    deviceAlive = false;
    textures.clear();
    framebuffers.clear();
    depthBuffers.clear();
}

bool cGLTextureRegistry::HasDevice() const
{
    std::lock_guard<std::mutex> guard(mutex);
    return deviceAlive;
}
