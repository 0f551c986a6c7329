// cAudioMixer: float sums of the playing buffers in short pieces, clipped to 16 bits.
#include "platform/audio/cAudioMixer.h"

#include "platform/audio/cSoundBuffer.h"

#include <algorithm>
#include <cmath>

cAudioMixer::cAudioMixer(int rate) : outputRate(rate > 0 ? rate : kDefaultOutputRate)
{
    // The audio thread never allocates: room for every buffer the manager can make.
    buffers.reserve(64);
}

void cAudioMixer::SetOutputRate(int rate)
{
    if (rate <= 0)
        return;
    std::lock_guard<std::mutex> guard(lock);
    outputRate = rate;
}

int cAudioMixer::GetOutputRate() const
{
    std::lock_guard<std::mutex> guard(lock);
    return outputRate;
}

void cAudioMixer::Mix(int16_t* stereo, int frames)
{
    while (frames > 0)
    {
        const int piece = std::min(frames, kPieceFrames);
        MixPiece(stereo, piece);
        stereo += piece * 2;
        frames -= piece;
    }
}

void cAudioMixer::MixPiece(int16_t* stereo, int frames)
{
    float sum[kPieceFrames * 2] = {};
    {
        std::lock_guard<std::mutex> guard(lock);
        for (cSoundBuffer* buffer : buffers)
            buffer->MixLocked(sum, frames, outputRate);
    }
    for (int i = 0; i < frames * 2; ++i)
    {
        const float clipped = std::clamp(sum[i], -32768.0f, 32767.0f);
        stereo[i] = int16_t(std::lrint(clipped));
    }
}

void cAudioMixer::Attach(cSoundBuffer* buffer)
{
    std::lock_guard<std::mutex> guard(lock);
    buffers.push_back(buffer);
}

void cAudioMixer::Detach(cSoundBuffer* buffer)
{
    std::lock_guard<std::mutex> guard(lock);
    buffers.erase(std::remove(buffers.begin(), buffers.end(), buffer), buffers.end());
}

int cAudioMixer::BufferCount() const
{
    std::lock_guard<std::mutex> guard(lock);
    return int(buffers.size());
}
