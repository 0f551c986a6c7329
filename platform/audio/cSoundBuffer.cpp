// cSoundBuffer: writes through a staging copy, playback state shared with the mixer, and linear resampling.
#include "platform/audio/cSoundBuffer.h"

#include "platform/audio/cAudioMixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
constexpr uint64_t kOneFrame = uint64_t(1) << 32;
constexpr uint64_t kFractionMask = kOneFrame - 1;
constexpr float kFractionScale = 1.0f / 4294967296.0f;
// Written bytes reach the mixer in pieces this large so the audio thread never waits long.
constexpr uint32_t kUnlockPieceBytes = 16 * 1024;
} // namespace

cSoundBuffer::cSoundBuffer(cAudioMixer& owner, int channels, uint32_t bytes)
    : mixer(owner), channelCount(channels == 2 ? 2 : 1)
{
    samples.assign(bytes / FrameBytes() * size_t(channelCount), 0);
    mixer.Attach(this);
}

cSoundBuffer::~cSoundBuffer()
{
    mixer.Detach(this);
}

// ---- Writing ----

void* cSoundBuffer::Lock(uint32_t offset, uint32_t bytes)
{
    const uint32_t frameBytes = FrameBytes();
    if (staging || bytes == 0 || offset % frameBytes != 0 || bytes % frameBytes != 0)
        return nullptr;
    if (uint64_t(offset) + bytes > Size())
        return nullptr;
    // Only this thread writes the samples, so reading them here needs no lock.
    staging.reset(new uint8_t[bytes]);
    std::memcpy(staging.get(), reinterpret_cast<const uint8_t*>(samples.data()) + offset, bytes);
    stagingOffset = offset;
    stagingBytes = bytes;
    return staging.get();
}

void cSoundBuffer::Unlock()
{
    if (!staging)
        return;
    uint8_t* target = reinterpret_cast<uint8_t*>(samples.data()) + stagingOffset;
    for (uint32_t done = 0; done < stagingBytes; done += kUnlockPieceBytes)
    {
        const uint32_t piece = std::min(kUnlockPieceBytes, stagingBytes - done);
        std::lock_guard<std::mutex> guard(mixer.Lock());
        std::memcpy(target + done, staging.get() + done, piece);
    }
    staging.reset();
    stagingBytes = 0;
}

// ---- Playback state ----

void cSoundBuffer::Play(bool loop)
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    position = 0;
    looping = loop;
    playing = true;
}

void cSoundBuffer::Stop()
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    playing = false;
}

bool cSoundBuffer::IsPlaying() const
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    return playing;
}

bool cSoundBuffer::IsLooping() const
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    return looping;
}

uint32_t cSoundBuffer::GetPlayCursor() const
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    return uint32_t(position >> 32) * FrameBytes();
}

void cSoundBuffer::SetVolume(int32_t hundredthsOfDb)
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    volume = std::clamp(hundredthsOfDb, kVolumeMin, kVolumeMax);
    UpdateGains();
}

int32_t cSoundBuffer::GetVolume() const
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    return volume;
}

void cSoundBuffer::SetPan(int32_t newPan)
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    pan = std::clamp(newPan, kPanLeft, kPanRight);
    UpdateGains();
}

int32_t cSoundBuffer::GetPan() const
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    return pan;
}

void cSoundBuffer::SetFrequency(uint32_t hertz)
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    frequency = std::clamp(hertz, kFrequencyMin, kFrequencyMax);
}

uint32_t cSoundBuffer::GetFrequency() const
{
    std::lock_guard<std::mutex> guard(mixer.Lock());
    return frequency;
}

// ---- Gain laws ----

float cSoundBuffer::VolumeGain(int32_t hundredthsOfDb)
{
    if (hundredthsOfDb <= kVolumeMin)
        return 0.0f;
    if (hundredthsOfDb >= kVolumeMax)
        return 1.0f;
    return std::pow(10.0f, float(hundredthsOfDb) / 2000.0f);
}

float cSoundBuffer::PanGainLeft(int32_t panValue)
{
    return panValue > 0 ? VolumeGain(-panValue) : 1.0f;
}

float cSoundBuffer::PanGainRight(int32_t panValue)
{
    return panValue < 0 ? VolumeGain(panValue) : 1.0f;
}

void cSoundBuffer::UpdateGains()
{
    const float gain = VolumeGain(volume);
    gainLeft = gain * PanGainLeft(pan);
    gainRight = gain * PanGainRight(pan);
}

// ---- Mixing (audio thread, mixer lock held) ----

void cSoundBuffer::MixLocked(float* stereo, int frames, int outputRate)
{
    if (!playing || samples.empty() || outputRate <= 0)
        return;
    const uint64_t step = (uint64_t(frequency) << 32) / uint64_t(outputRate);
    if (step == kOneFrame && (position & kFractionMask) == 0)
        MixSameRate(stereo, frames);
    else
        MixResampled(stereo, frames, step);
}

void cSoundBuffer::MixSameRate(float* stereo, int frames)
{
    const uint32_t count = FrameCount();
    uint32_t frame = uint32_t(position >> 32);
    const float left = gainLeft;
    const float right = gainRight;
    int done = 0;
    while (done < frames)
    {
        const int run = int(std::min<uint32_t>(uint32_t(frames - done), count - frame));
        float* out = stereo + done * 2;
        if (channelCount == 1)
        {
            const int16_t* in = samples.data() + frame;
            for (int i = 0; i < run; ++i)
            {
                const float sample = in[i];
                out[2 * i] += sample * left;
                out[2 * i + 1] += sample * right;
            }
        }
        else
        {
            const int16_t* in = samples.data() + size_t(frame) * 2;
            for (int i = 0; i < run; ++i)
            {
                out[2 * i] += float(in[2 * i]) * left;
                out[2 * i + 1] += float(in[2 * i + 1]) * right;
            }
        }
        done += run;
        frame += uint32_t(run);
        if (frame < count)
            continue;
        frame = 0;
        if (!looping)
        {
            playing = false;
            break;
        }
    }
    position = uint64_t(frame) << 32;
}

void cSoundBuffer::MixResampled(float* stereo, int frames, uint64_t step)
{
    const uint32_t count = FrameCount();
    const uint64_t end = uint64_t(count) << 32;
    for (int i = 0; i < frames; ++i)
    {
        const uint32_t frame = uint32_t(position >> 32);
        const float fraction = float(position & kFractionMask) * kFractionScale;
        uint32_t next = frame + 1;
        bool hasNext = true;
        if (next >= count)
        {
            next = 0;
            hasNext = looping;
        }
        for (int side = 0; side < 2; ++side)
        {
            const int channel = channelCount == 2 ? side : 0;
            const float first = samples[size_t(frame) * size_t(channelCount) + size_t(channel)];
            const float second =
                hasNext ? float(samples[size_t(next) * size_t(channelCount) + size_t(channel)]) : 0.0f;
            stereo[2 * i + side] +=
                (first + (second - first) * fraction) * (side == 0 ? gainLeft : gainRight);
        }
        position += step;
        if (position < end)
            continue;
        if (!looping)
        {
            playing = false;
            position = 0;
            return;
        }
        position %= end;
    }
}
