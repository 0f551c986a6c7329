// cSoundBuffer: one fixed-size 16-bit PCM buffer of the sound device, mixed by cAudioMixer.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class cAudioMixer;

class cSoundBuffer
{
public:
    static constexpr int32_t kVolumeMax = 0;
    static constexpr int32_t kVolumeMin = -10000;
    static constexpr int32_t kPanLeft = -10000;
    static constexpr int32_t kPanRight = 10000;
    static constexpr uint32_t kFrequencyMin = 100;
    static constexpr uint32_t kFrequencyMax = 200000;
    static constexpr uint32_t kDefaultFrequency = 44100;

    // A silent buffer of bytes (rounded down to whole frames) of 16-bit samples in channels (1 or 2),
    // registered with the mixer until it is deleted.
    cSoundBuffer(cAudioMixer& owner, int channels, uint32_t bytes);
    ~cSoundBuffer();
    cSoundBuffer(const cSoundBuffer&) = delete;
    cSoundBuffer& operator=(const cSoundBuffer&) = delete;

    int Channels() const { return channelCount; }
    uint32_t Size() const { return uint32_t(samples.size() * sizeof(int16_t)); }
    uint32_t FrameBytes() const { return uint32_t(channelCount * sizeof(int16_t)); }

    // Opens bytes at offset (both whole frames, inside the buffer) for writing and returns them with
    // the buffer's current contents, or null. One region at a time; Unlock hands the written bytes to
    // the mixer. The audio thread keeps playing the old contents meanwhile.
    void* Lock(uint32_t offset, uint32_t bytes);
    void Unlock();
    bool IsLocked() const { return staging != nullptr; }

    // Starts playing from the first frame; a buffer that does not loop stops at its end.
    void Play(bool loop);
    void Stop();
    bool IsPlaying() const;
    bool IsLooping() const;
    // Byte offset of the frame being played.
    uint32_t GetPlayCursor() const;

    // Hundredths of a decibel, kVolumeMin (silence) to kVolumeMax (unchanged); clamped.
    void SetVolume(int32_t hundredthsOfDb);
    int32_t GetVolume() const;
    // kPanLeft to kPanRight; the channel away from the pan is lowered by the pan's amount in
    // hundredths of a decibel. Clamped.
    void SetPan(int32_t pan);
    int32_t GetPan() const;
    // Samples per second the buffer is played at; clamped to kFrequencyMin..kFrequencyMax.
    void SetFrequency(uint32_t hertz);
    uint32_t GetFrequency() const;

    // Adds frames of this buffer to interleaved stereo output at outputRate and advances the
    // play position. The mixer calls it with its lock held.
    void MixLocked(float* stereo, int frames, int outputRate);

    // The gain of a volume and of each side of a pan, as linear factors.
    static float VolumeGain(int32_t hundredthsOfDb);
    static float PanGainLeft(int32_t pan);
    static float PanGainRight(int32_t pan);

private:
    void UpdateGains();
    uint32_t FrameCount() const { return uint32_t(samples.size() / size_t(channelCount)); }
    void MixSameRate(float* stereo, int frames);
    void MixResampled(float* stereo, int frames, uint64_t step);

    cAudioMixer& mixer;
    int channelCount;
    // Written by the main thread under the mixer lock, read by the audio thread under it.
    std::vector<int16_t> samples;
    std::unique_ptr<uint8_t[]> staging;
    uint32_t stagingOffset = 0;
    uint32_t stagingBytes = 0;

    // Shared with the audio thread under the mixer lock.
    bool playing = false;
    bool looping = false;
    uint64_t position = 0; // frames in 32.32 fixed point
    int32_t volume = kVolumeMax;
    int32_t pan = 0;
    uint32_t frequency = kDefaultFrequency;
    float gainLeft = 1.0f;
    float gainRight = 1.0f;
};
