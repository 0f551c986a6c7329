// Tests of the sound device's buffers and mixer: gain and pan laws, looping, resampling, clipping, locking.
#include "platform/audio/cSoundBuffer.h"
#include "platform/audio/cNullAudioDevice.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace
{
// Fills a whole buffer: sample (frame, channel).
template <typename F>
void Fill(cSoundBuffer& buffer, F sample)
{
    int16_t* data = static_cast<int16_t*>(buffer.Lock(0, buffer.Size()));
    ASSERT_NE(data, nullptr);
    const int channels = buffer.Channels();
    const int frames = int(buffer.Size() / buffer.FrameBytes());
    for (int i = 0; i < frames; ++i)
    {
        for (int c = 0; c < channels; ++c)
            data[i * channels + c] = int16_t(sample(i, c));
    }
    buffer.Unlock();
}

std::vector<int16_t> Pull(cNullAudioDevice& device, int frames)
{
    std::vector<int16_t> out(size_t(frames) * 2);
    device.Pull(out.data(), frames);
    return out;
}

struct GainCase
{
    int32_t volume;
    int32_t pan;
    float left;
    float right;
};
} // namespace

TEST(SoundBuffer, VolumeAndPanFollowTheDecibelLaws)
{
    const GainCase cases[] = {
        {0, 0, 1.0f, 1.0f},
        {-600, 0, 0.5012f, 0.5012f},   // -6 dB
        {-2000, 0, 0.1f, 0.1f},        // -20 dB
        {0, 1000, 0.3162f, 1.0f},      // pan right: the left side loses 10 dB
        {0, -2000, 1.0f, 0.1f},        // pan left: the right side loses 20 dB
        {-600, 600, 0.2512f, 0.5012f}, // volume and pan add up
        {0, 10000, 0.0f, 1.0f},        // fully right silences the left
        {-10000, 0, 0.0f, 0.0f},       // the lowest volume is silence
        {500, 20000, 0.0f, 1.0f},      // out of range: clamped
        {-20000, 0, 0.0f, 0.0f},
    };
    for (const GainCase& gain : cases)
    {
        cNullAudioDevice device;
        std::unique_ptr<cSoundBuffer> buffer(device.CreateBuffer(1, 2000));
        Fill(*buffer, [](int, int) { return 20000; });
        buffer->SetVolume(gain.volume);
        buffer->SetPan(gain.pan);
        buffer->Play(true);
        const std::vector<int16_t> out = Pull(device, 64);
        SCOPED_TRACE(testing::Message() << "volume " << gain.volume << " pan " << gain.pan);
        EXPECT_NEAR(out[62], 20000.0f * gain.left, 2.0f);
        EXPECT_NEAR(out[63], 20000.0f * gain.right, 2.0f);
    }
}

TEST(SoundBuffer, StereoBuffersKeepTheirSidesAndSumsClip)
{
    cNullAudioDevice device;
    std::unique_ptr<cSoundBuffer> stereo(device.CreateBuffer(2, 400));
    Fill(*stereo, [](int, int channel) { return channel == 0 ? 1000 : -2000; });
    stereo->Play(true);
    std::vector<int16_t> out = Pull(device, 8);
    EXPECT_EQ(out[0], 1000);
    EXPECT_EQ(out[1], -2000);

    std::unique_ptr<cSoundBuffer> loud(device.CreateBuffer(2, 400));
    std::unique_ptr<cSoundBuffer> louder(device.CreateBuffer(2, 400));
    Fill(*loud, [](int, int channel) { return channel == 0 ? 30000 : -30000; });
    Fill(*louder, [](int, int channel) { return channel == 0 ? 30000 : -30000; });
    loud->Play(true);
    louder->Play(true);
    out = Pull(device, 8);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], -32768);
}

TEST(SoundBuffer, AOneShotStopsAtItsEndAndALoopWrapsAround)
{
    cNullAudioDevice device;
    std::unique_ptr<cSoundBuffer> buffer(device.CreateBuffer(1, 200)); // 100 frames
    Fill(*buffer, [](int frame, int) { return frame + 1; });

    buffer->Play(false);
    std::vector<int16_t> out = Pull(device, 150);
    EXPECT_EQ(out[99 * 2], 100);
    EXPECT_EQ(out[100 * 2], 0) << "nothing after the end";
    EXPECT_FALSE(buffer->IsPlaying());

    buffer->Play(true);
    out = Pull(device, 250);
    EXPECT_EQ(out[100 * 2], 1);
    EXPECT_EQ(out[249 * 2], 50);
    EXPECT_TRUE(buffer->IsPlaying());
    EXPECT_EQ(buffer->GetPlayCursor(), 50u * 2u);

    // Play starts over from the first frame.
    buffer->Play(true);
    EXPECT_EQ(buffer->GetPlayCursor(), 0u);
    buffer->Stop();
    EXPECT_FALSE(buffer->IsPlaying());
    out = Pull(device, 10);
    EXPECT_EQ(out[0], 0);
}

TEST(SoundBuffer, OtherFrequenciesAreResampledLinearly)
{
    cNullAudioDevice device;
    std::unique_ptr<cSoundBuffer> buffer(device.CreateBuffer(1, 2000));
    Fill(*buffer, [](int frame, int) { return frame * 100; });
    buffer->SetFrequency(22050); // half speed: every other output frame lies between two frames
    buffer->Play(false);
    std::vector<int16_t> out = Pull(device, 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(out[i * 2], i * 50) << "output frame " << i;

    // A buffer of one second at 44100 lasts one second of an output at 48000 too.
    device.GetMixer().SetOutputRate(48000);
    std::unique_ptr<cSoundBuffer> second(device.CreateBuffer(1, 44100 * 2));
    buffer->Stop();
    Fill(*second, [](int, int) { return 1000; });
    second->Play(false);
    out = Pull(device, 47990);
    EXPECT_TRUE(second->IsPlaying());
    out = Pull(device, 20);
    EXPECT_FALSE(second->IsPlaying());

    second->SetFrequency(1);
    EXPECT_EQ(second->GetFrequency(), cSoundBuffer::kFrequencyMin);
}

TEST(SoundBuffer, LockHandsOverTheWrittenBytesOnlyAtUnlock)
{
    cNullAudioDevice device;
    std::unique_ptr<cSoundBuffer> buffer(device.CreateBuffer(1, 400)); // 200 frames
    EXPECT_EQ(buffer->Lock(0, 401), nullptr) << "past the end";
    EXPECT_EQ(buffer->Lock(1, 2), nullptr) << "not a whole frame";
    EXPECT_EQ(buffer->Lock(0, 0), nullptr);

    int16_t* half = static_cast<int16_t*>(buffer->Lock(200, 200));
    ASSERT_NE(half, nullptr);
    EXPECT_EQ(buffer->Lock(0, 200), nullptr) << "one region at a time";
    for (int i = 0; i < 100; ++i)
        half[i] = 7;
    buffer->Play(true);
    std::vector<int16_t> out = Pull(device, 200);
    EXPECT_EQ(out[150 * 2], 0) << "the mixer still plays the old contents";
    buffer->Unlock();
    out = Pull(device, 200);
    EXPECT_EQ(out[99 * 2], 0);
    EXPECT_EQ(out[100 * 2], 7);

    // A lock shows what the buffer holds.
    const int16_t* again = static_cast<const int16_t*>(buffer->Lock(0, 400));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again[0], 0);
    EXPECT_EQ(again[150], 7);
    buffer->Unlock();
}

TEST(SoundBuffer, TheAudioThreadMixesWhileTheMainThreadWritesAndSteers)
{
    cNullAudioDevice device;
    std::unique_ptr<cSoundBuffer> buffer(device.CreateBuffer(2, 0x10000));
    buffer->Play(true);
    std::atomic<bool> done{false};
    std::thread audio(
        [&]()
        {
            int16_t out[512 * 2];
            while (!done)
                device.Pull(out, 512);
        });
    for (int round = 0; round < 200; ++round)
    {
        Fill(*buffer, [round](int frame, int) { return (frame + round) % 1000; });
        buffer->SetVolume(-(round * 37 % 10000));
        buffer->SetPan(round * 97 % 20001 - 10000);
        buffer->SetFrequency(uint32_t(22050 + round * 100));
        (void)buffer->GetPlayCursor();
    }
    done = true;
    audio.join();
    EXPECT_TRUE(buffer->IsPlaying());
}

TEST(NullAudioDevice, FollowsTheElapsedTimeWhenAsked)
{
    cNullAudioDevice device;
    std::unique_ptr<cSoundBuffer> buffer(device.CreateBuffer(1, 44100 * 2));
    buffer->Play(true);
    device.Service(0.5f);
    EXPECT_EQ(buffer->GetPlayCursor(), 0u) << "tests pull by hand by default";
    device.SetFollowsTime(true);
    device.Service(0.5f);
    EXPECT_EQ(buffer->GetPlayCursor(), 22050u * 2u);
    EXPECT_EQ(device.CreateBuffer(3, 100), nullptr);
    EXPECT_EQ(device.CreateBuffer(2, 3), nullptr);
}
