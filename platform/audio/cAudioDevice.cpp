// cAudioDevice: buffer creation on the device's mixer.
#include "platform/audio/cAudioDevice.h"

#include "platform/audio/cSoundBuffer.h"

cSoundBuffer* cAudioDevice::CreateBuffer(int channels, uint32_t bytes)
{
    if (channels != 1 && channels != 2)
        return nullptr;
    if (bytes < uint32_t(channels) * 2)
        return nullptr;
    return new cSoundBuffer(mixer, channels, bytes);
}
