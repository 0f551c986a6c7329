// cAudioDevice: the sound output the engine plays through; makes sound buffers and owns their mixer.
#pragma once

#include "platform/audio/cAudioMixer.h"

#include <cstdint>

class cSoundBuffer;

class cAudioDevice
{
public:
    cAudioDevice() = default;
    virtual ~cAudioDevice() = default;
    cAudioDevice(const cAudioDevice&) = delete;
    cAudioDevice& operator=(const cAudioDevice&) = delete;

    // A new silent buffer of 16-bit samples in channels (1 or 2); the caller deletes it before the
    // device. Null for a size that holds no frame.
    cSoundBuffer* CreateBuffer(int channels, uint32_t bytes);

    cAudioMixer& GetMixer() { return mixer; }

    // Called once per frame from the main thread with the elapsed seconds.
    virtual void Service(float seconds) {}
    // Whether the output has gone away (unplugged, server gone); buffers keep their state meanwhile.
    virtual bool IsLost() const { return false; }

protected:
    cAudioMixer mixer;
};
