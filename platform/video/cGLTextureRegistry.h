// cGLTextureRegistry: the link between an OpenGL device and its textures, which may outlive it.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

// GL objects may only be deleted on the device's thread with its context current. A texture destroyed
// elsewhere (the job thread clearing a world) hands its names to the registry; the device deletes them
// at its next frame. Once the device is gone, the names died with its context and are dropped.
class cGLTextureRegistry
{
public:
    void Retire(uint32_t texture, uint32_t framebuffer, uint32_t depthBuffer);
    // The device takes the retired names to delete them.
    void TakeRetired(std::vector<uint32_t>& textures, std::vector<uint32_t>& framebuffers,
                     std::vector<uint32_t>& depthBuffers);
    void DetachDevice();
    bool HasDevice() const;

private:
    mutable std::mutex mutex;
    bool deviceAlive = true;
    std::vector<uint32_t> textures;
    std::vector<uint32_t> framebuffers;
    std::vector<uint32_t> depthBuffers;
};
