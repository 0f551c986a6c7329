// cSoundData: the decoded samples, grown in doubling steps while a file is decoded.
#include "sound/cSoundData.h"

#include "base/TrackedAllocator.h"

#include <cstring>

cSoundData::~cSoundData()
{
    TrackedFree(data);
}

void cSoundData::Append(const int16_t* samples, uint32_t frames)
{
    const uint32_t bytes = frames * uint32_t(sizeof(int16_t));
    if (length + bytes > capacity)
    {
        uint32_t grown = capacity ? capacity : 64 * 1024;
        while (grown < length + bytes)
            grown *= 2;
        data = static_cast<int16_t*>(TrackedRealloc(data, grown, __FILE__, __LINE__));
        capacity = grown;
    }
    std::memcpy(reinterpret_cast<uint8_t*>(data) + length, samples, bytes);
    length += bytes;
}
