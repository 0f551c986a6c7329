// cSoundData: one decoded sound effect, kept in the sound manager's cache under the name it was asked for.
#pragma once

#include "base/cSearchable.h"

#include <cstdint>

class cSoundData : public cSearchable
{
public:
    explicit cSoundData(const cString& effectName) : cSearchable(effectName) {}
    ~cSoundData() override;
    cSoundData(const cSoundData&) = delete;
    cSoundData& operator=(const cSoundData&) = delete;

    // Appends frames of mono 16-bit samples.
    void Append(const int16_t* samples, uint32_t frames);

    // Decoded bytes: mono signed 16-bit samples. Zero for a file that could not be read.
    uint32_t length = 0;
    int16_t* data = nullptr;
    // Samples per second of the file; the channel plays at this rate times its pitch.
    uint32_t sampleRate = 44100;

private:
    uint32_t capacity = 0;
};
