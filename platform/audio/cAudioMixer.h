// cAudioMixer: sums every playing sound buffer into 16-bit stereo output.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

class cSoundBuffer;

// Shared between the main thread and the audio thread.
class cAudioMixer
{
public:
    static constexpr int kDefaultOutputRate = 44100;

    explicit cAudioMixer(int outputRate = kDefaultOutputRate);

    void SetOutputRate(int rate);
    int GetOutputRate() const;

    // Writes frames of interleaved stereo samples, clipped to 16 bits. Any thread; the lock is
    // taken for one short piece of output at a time.
    void Mix(int16_t* stereo, int frames);

    void Attach(cSoundBuffer* buffer);
    void Detach(cSoundBuffer* buffer);
    int BufferCount() const;

    // Guards the buffers' shared state; held only for short steps by either thread.
    std::mutex& Lock() const { return lock; }

private:
    static constexpr int kPieceFrames = 512;

    void MixPiece(int16_t* stereo, int frames);

    mutable std::mutex lock;
    std::vector<cSoundBuffer*> buffers;
    int outputRate;
};
