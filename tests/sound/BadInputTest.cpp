// Tests of sound files that are missing, damaged or in another format than the channels use.
#include "tests/sound/SoundFixture.h"

#include <fstream>

TEST_F(SoundTest, UnreadableEffectsPlayNothingAndAreReportedOnce)
{
    std::ofstream(PathOf("noise"), std::ios::binary) << std::string(5000, '\x5a') << "OggS garbage";
    std::ofstream(PathOf("empty"), std::ios::binary).flush();
    const struct
    {
        const char* name;
        const char* message;
    } cases[] = {
        {"missing", "SoundManager: Warning: Cannot open sound file 'Data/Audio/missing.ogg'."},
        {"noise",
         "SoundManager: Warning: Cannot read sound file 'Data/Audio/noise.ogg'. Not an Ogg Vorbis file."},
        {"empty",
         "SoundManager: Warning: Cannot read sound file 'Data/Audio/empty.ogg'. Not an Ogg Vorbis file."},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(manager.PlaySound(c.name), nullptr) << c.name;
        EXPECT_EQ(manager.PlaySound(c.name), nullptr) << c.name;
        EXPECT_EQ(CountLogged(c.message), 1) << c.name;
    }
    // The rest of the sound goes on.
    WriteEffect("fine", 0.1);
    EXPECT_NE(manager.PlaySound("fine"), nullptr);
}

TEST_F(SoundTest, ATruncatedEffectPlaysWhatIsLeftOfIt)
{
    // Noise needs many pages, so a cut leaves whole pages of sound behind the headers.
    Write("whole", 1, kRate, 2 * kRate,
          [](int64_t frame, int)
          {
              uint32_t x = uint32_t(frame) * 2654435761u;
              x ^= x >> 13;
              x *= 0x5bd1e995u;
              x ^= x >> 15;
              return float(int32_t(x)) / 4294967296.0f;
          });
    const std::vector<int16_t> whole = Decode("whole", 1);
    std::ifstream in(PathOf("whole"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(PathOf("cut"), std::ios::binary) << bytes.substr(0, bytes.size() * 6 / 10);
    std::string damaged = bytes;
    for (size_t i = damaged.size() / 2; i < damaged.size() / 2 + 400; ++i)
        damaged[i] = char(i * 31);
    std::ofstream(PathOf("damaged"), std::ios::binary) << damaged;

    for (const char* name : {"cut", "damaged"})
    {
        cSoundData* sound = manager.GetSound(name);
        ASSERT_NE(sound, nullptr) << name;
        EXPECT_GT(sound->length, 0u) << name;
        EXPECT_LE(sound->length, whole.size() * 2 + 8192) << name;
        cSoundChannel* channel = manager.PlaySound(name);
        ASSERT_NE(channel, nullptr) << name;
        Run(int(whole.size()) + 4 * kStep);
        EXPECT_FALSE(channel->IsPlaying()) << name;
    }
    EXPECT_LT(manager.GetSound("cut")->length, whole.size() * 2);
}

TEST_F(SoundTest, AStereoEffectAtAnotherRateIsMixedDownAndPlaysAtItsOwnSpeed)
{
    WriteEffect("wide", 1.0, 22050, 2);
    cSoundData* sound = manager.GetSound("wide");
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->sampleRate, 22050u);
    EXPECT_NEAR(double(sound->length), 22050.0 * 2.0, 2048.0) << "one mono sample per frame";

    cSoundChannel* channel = manager.PlaySound("wide", 1.0f, 0.0f, 2.0f);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->GetBuffer()->GetFrequency(), 44100u) << "the pitch scales the file's own rate";
    channel->SetPitch(1.0f);
    EXPECT_EQ(channel->GetBuffer()->GetFrequency(), 22050u);
    Run(int(0.9 * kRate));
    EXPECT_TRUE(channel->IsPlaying());
    Run(int(0.2 * kRate));
    EXPECT_FALSE(channel->IsPlaying()) << "a second of sound lasts a second";
}

TEST_F(SoundTest, ADamagedMusicFileIsReportedAndTheOldPieceStops)
{
    WriteMusic("good", 0.5);
    std::ofstream(PathOf("bad"), std::ios::binary) << std::string(3000, 'x');
    manager.PlayMusic("good", 1.0f, 0, 0.0f, 0);
    manager.PlayMusic("bad", 1.0f, 1, 0.0f, 0);
    manager.Update(0.01f);
    EXPECT_FALSE(manager.GetMusicChannel()->IsPlaying());
    EXPECT_EQ(
        CountLogged(
            "SoundManager: Warning: Cannot read music file 'Data/Audio/bad.ogg'. Not an Ogg Vorbis file."),
        1);
    // A start position past the end begins the piece from the top.
    manager.PlayMusic("good", 1.0f, 0, 0.0f, 0x7FFFFFF0u);
    EXPECT_TRUE(manager.GetMusicChannel()->IsPlaying());
    EXPECT_EQ(manager.GetMusicChannel()->GetStreamPosition() % 4, 0u);
}
