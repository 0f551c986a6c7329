// cNullAudioDevice: output of the elapsed time mixed into a scratch piece and dropped.
#include "platform/audio/cNullAudioDevice.h"

#include <algorithm>

void cNullAudioDevice::Service(float seconds)
{
    if (!followsTime || isLost || seconds <= 0.0f)
        return;
    pendingFrames += double(seconds) * mixer.GetOutputRate();
    int16_t scratch[1024 * 2];
    while (pendingFrames >= 1.0)
    {
        const int frames = int(std::min(pendingFrames, 1024.0));
        mixer.Mix(scratch, frames);
        pendingFrames -= frames;
    }
}
