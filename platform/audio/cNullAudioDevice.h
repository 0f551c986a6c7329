// cNullAudioDevice: a sound device without hardware; the mixer runs when pulled, or along with the frames.
#pragma once

#include "platform/audio/cAudioDevice.h"

#include <cstdint>

class cNullAudioDevice : public cAudioDevice
{
public:
    // Mixes frames of stereo output into stereo (2 × frames samples).
    void Pull(int16_t* stereo, int frames) { mixer.Mix(stereo, frames); }

    // When on, every Service mixes and discards the output of the elapsed time, so buffers play
    // out as they would on hardware (the headless console). Off by default: tests pull by hand.
    void SetFollowsTime(bool follow) { followsTime = follow; }
    void Service(float seconds) override;

    // Lets tests act out a device that goes away and comes back.
    void SetLost(bool lost) { isLost = lost; }
    bool IsLost() const override { return isLost; }

private:
    bool followsTime = false;
    bool isLost = false;
    double pendingFrames = 0.0;
};
