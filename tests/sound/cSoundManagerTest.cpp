// Tests of the sound manager's effects: attenuation, volumes, buffer filling and refilling, channel limit.
#include "tests/sound/SoundFixture.h"

#include <cmath>

namespace
{
// The mono effect data expected at each output frame, on both sides.
void ExpectPlays(const std::vector<int16_t>& out, const std::vector<int16_t>& expected, size_t frames)
{
    for (size_t i = 0; i < frames; ++i)
    {
        const int16_t want = i < expected.size() ? expected[i] : 0;
        if (out[i * 2] != want || out[i * 2 + 1] != want)
        {
            ADD_FAILURE() << "output frame " << i << " is " << out[i * 2] << "/" << out[i * 2 + 1]
                          << ", expected " << want;
            return;
        }
    }
}

std::vector<int16_t> Repeat(const std::vector<int16_t>& piece, size_t frames)
{
    std::vector<int16_t> all(frames);
    for (size_t i = 0; i < frames; ++i)
        all[i] = piece[i % piece.size()];
    return all;
}
} // namespace

TEST(SoundChannel, AttenuationMapsTheEffectiveVolumeToHundredthsOfADecibel)
{
    const struct
    {
        float effective;
        int32_t hundredths;
    } cases[] = {{1.0f, 0}, {0.5f, -900}, {0.25f, -3062}, {0.0f, -9900}, {2.0f, 0}, {-1.0f, -9900}};
    for (const auto& c : cases)
        EXPECT_EQ(cSoundChannel::Attenuation(c.effective), c.hundredths) << "e = " << c.effective;
}

TEST_F(SoundTest, MusicPlaysAtThreeQuartersOfItsSettingAndReadsBackUnchanged)
{
    manager.SetMusicVolume(1.0f);
    EXPECT_FLOAT_EQ(manager.GetMusicChannel()->GetMasterVolume(), 0.75f);
    EXPECT_FLOAT_EQ(manager.GetMusicVolume(), 1.0f);
    manager.SetMusicVolume(0.6f);
    EXPECT_FLOAT_EQ(manager.GetMusicVolume(), 0.6f);
    manager.SetSfxVolume(0.4f);
    EXPECT_FLOAT_EQ(manager.GetSfxVolume(), 0.4f);
    for (int i = 1; i < cSoundManager::kChannelCount; ++i)
        EXPECT_FLOAT_EQ(manager.GetChannel(i)->GetMasterVolume(), 0.4f);
}

TEST_F(SoundTest, AnEffectPlaysAtTheAttenuationOfItsVolumeTimesTheEffectsVolume)
{
    WriteEffect("hit", 0.5);
    manager.SetSfxVolume(0.5f);
    cSoundChannel* channel = manager.PlaySound("hit", 0.5f, 0.25f, 1.5f);
    ASSERT_NE(channel, nullptr);
    const cSoundBuffer* buffer = channel->GetBuffer();
    EXPECT_EQ(buffer->GetVolume(), cSoundChannel::Attenuation(0.25f));
    EXPECT_EQ(buffer->GetPan(), 2500);
    EXPECT_EQ(buffer->GetFrequency(), uint32_t(1.5 * 44100));
    channel->SetPan(-3.0f);
    EXPECT_EQ(buffer->GetPan(), -10000);
    // Numbers a script got wrong neither crash nor blast.
    const float bad = std::nanf("");
    channel->SetPan(bad);
    EXPECT_EQ(buffer->GetPan(), 0);
    channel->SetPitch(bad);
    EXPECT_EQ(buffer->GetFrequency(), cSoundBuffer::kFrequencyMin);
    channel->SetVolume(bad);
    EXPECT_EQ(buffer->GetVolume(), cSoundChannel::Attenuation(0.0f));
    channel->Stop();
    EXPECT_EQ(buffer->GetVolume(), cSoundBuffer::kVolumeMin);
    EXPECT_FALSE(channel->IsPlaying());
}

TEST_F(SoundTest, AShortEffectPlaysOnceAndFreesItsChannelAtItsEnd)
{
    WriteEffect("click", 0.5);
    const std::vector<int16_t> expected = Decode("click", 1);
    ASSERT_GT(expected.size(), 20000u);
    cSoundChannel* channel = manager.PlaySound("click");
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(manager.GetChannel(1), channel) << "the first free effect channel";
    EXPECT_EQ(manager.GetSound("click")->length, expected.size() * 2);

    const std::vector<int16_t> out = Run(int(expected.size()) + 4 * kStep);
    ExpectPlays(out, expected, out.size() / 2);
    EXPECT_FALSE(channel->IsPlaying())
        << "the channel is free once the effect has played, not at the buffer's end";
    EXPECT_EQ(manager.CachedSoundCount(), 1);
}

TEST_F(SoundTest, ALoopingEffectFillsTheBufferWithCopiesAndLoopsWithoutASeam)
{
    WriteEffect("buzz", 0.3);
    const std::vector<int16_t> piece = Decode("buzz", 1);
    cSoundChannel* channel = manager.PlaySound("buzz", 1.0f, 0.0f, 1.0f, true);
    ASSERT_NE(channel, nullptr);
    cSoundBuffer* buffer = channel->GetBuffer();
    const size_t bufferFrames = cSoundManager::kEffectBufferBytes / 2;
    {
        const int16_t* contents = static_cast<const int16_t*>(buffer->Lock(0, buffer->Size()));
        ASSERT_NE(contents, nullptr);
        const std::vector<int16_t> copies = Repeat(piece, bufferFrames);
        EXPECT_TRUE(std::equal(copies.begin(), copies.end(), contents));
        buffer->Unlock();
    }
    // Past the end of the buffer, twice round.
    const size_t frames = bufferFrames * 2 + 5000;
    const std::vector<int16_t> out = Run(int(frames));
    ExpectPlays(out, Repeat(piece, frames), frames);
    EXPECT_TRUE(channel->IsPlaying());
    channel->Stop();
    EXPECT_FALSE(channel->IsPlaying());
}

TEST_F(SoundTest, AnEffectLongerThanTheBufferStreamsInByHalvesAndEnds)
{
    WriteEffect("roar", 8.0);
    const std::vector<int16_t> expected = Decode("roar", 1);
    ASSERT_GT(expected.size() * 2, size_t(cSoundManager::kEffectBufferBytes));
    cSoundChannel* channel = manager.PlaySound("roar");
    ASSERT_NE(channel, nullptr);
    EXPECT_TRUE(channel->GetBuffer()->IsLooping()) << "a long effect plays its buffer round and round";

    const std::vector<int16_t> out = Run(int(expected.size()) + 4 * kStep);
    ExpectPlays(out, expected, out.size() / 2);
    EXPECT_FALSE(channel->IsPlaying());
}

TEST_F(SoundTest, The32ndSimultaneousEffectIsDropped)
{
    WriteEffect("step", 0.2);
    std::vector<cSoundChannel*> playing;
    for (int i = 0; i < cSoundManager::kChannelCount - 1; ++i)
    {
        cSoundChannel* channel = manager.PlaySound("step", 1.0f, 0.0f, 1.0f, true);
        ASSERT_NE(channel, nullptr) << "request " << i + 1;
        EXPECT_EQ(channel, manager.GetChannel(i + 1));
        playing.push_back(channel);
    }
    EXPECT_EQ(manager.PlaySound("step"), nullptr);
    EXPECT_FALSE(manager.GetMusicChannel()->IsPlaying()) << "effects never take the music channel";

    playing[6]->Stop();
    EXPECT_EQ(manager.PlaySound("step"), playing[6]);
    EXPECT_EQ(manager.CachedSoundCount(), 1) << "decoded once";
}

TEST_F(SoundTest, ALostDeviceDropsEffectsUntilItComesBack)
{
    WriteEffect("tick", 0.2);
    cSoundChannel* channel = manager.PlaySound("tick", 1.0f, 0.0f, 1.0f, true);
    ASSERT_NE(channel, nullptr);
    device->SetLost(true);
    manager.Update(0.01f);
    EXPECT_FALSE(channel->IsPlaying());
    EXPECT_EQ(manager.PlaySound("tick"), nullptr);
    EXPECT_EQ(CountLogged("SoundManager: Warning: Sound device lost."), 1);

    device->SetLost(false);
    manager.Update(0.01f);
    EXPECT_NE(manager.PlaySound("tick"), nullptr);
    EXPECT_EQ(CountLogged("SoundManager: Sound device is back."), 1);
}

TEST(SoundManager, WithoutADeviceNothingPlaysButTheSettingsAreKept)
{
    cConsole console;
    console.Initialise();
    cSoundManager manager;
    manager.Create(nullptr);
    EXPECT_EQ(console.GetLine(1).text, cString("Warning! No sound device!"));
    EXPECT_EQ(console.GetLine(1).moduleName, cString());
    EXPECT_FALSE(manager.HasDevice());
    manager.SetSfxVolume(0.3f);
    manager.SetMusicVolume(0.6f);
    // The player's settings survive a start without sound, so the configuration keeps them.
    EXPECT_FLOAT_EQ(manager.GetSfxVolume(), 0.3f);
    EXPECT_FLOAT_EQ(manager.GetMusicVolume(), 0.6f);
    EXPECT_EQ(manager.PlaySound("anything"), nullptr);
    manager.PlayMusic("music/title", 1.0f, 0, 0.0f, 0);
    manager.Update(0.1f);
    EXPECT_EQ(manager.GetMusicChannel(), nullptr);
    EXPECT_EQ(manager.CachedSoundCount(), 0);
}
