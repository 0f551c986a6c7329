// Tests of the streamed music: looping, start positions, the transition kinds and their fades.
#include "tests/sound/SoundFixture.h"

namespace
{
// The stereo piece expected at each output frame from firstFrame on, going round at its end.
void ExpectMusic(const std::vector<int16_t>& out, const std::vector<int16_t>& piece, size_t firstFrame)
{
    const size_t pieceFrames = piece.size() / 2;
    for (size_t i = 0; i < out.size() / 2; ++i)
    {
        const size_t at = (firstFrame + i) % pieceFrames;
        if (out[i * 2] != piece[at * 2] || out[i * 2 + 1] != piece[at * 2 + 1])
        {
            ADD_FAILURE() << "output frame " << i << " is " << out[i * 2] << "/" << out[i * 2 + 1]
                          << ", expected " << piece[at * 2] << "/" << piece[at * 2 + 1];
            return;
        }
    }
}
} // namespace

TEST_F(SoundTest, MusicStreamsFromItsStartPositionAndStartsOverAtItsEnd)
{
    WriteMusic("music/title", 2.0);
    const std::vector<int16_t> piece = Decode("music/title", 2);
    const uint32_t start = 4 * 22050;
    manager.PlayMusic("music/title", 1.0f, 0, 0.0f, start);
    cSoundChannel* music = manager.GetMusicChannel();
    ASSERT_TRUE(music->IsPlaying());
    EXPECT_EQ(music->GetFileName(), cString("Data/Audio/music/title.ogg"));
    EXPECT_EQ(music->GetBuffer()->GetVolume(), 0) << "full volume";

    // Longer than the 1 MiB buffer, so halves are refilled while the piece goes round.
    ExpectMusic(Run(int(cSoundManager::kMusicBufferBytes / 4 * 2)), piece, 22050);
}

TEST_F(SoundTest, ThePieceAlreadyPlayingGoesOnWithoutARestart)
{
    WriteMusic("music/level", 1.0);
    const std::vector<int16_t> piece = Decode("music/level", 2);
    manager.PlayMusic("music/level", 1.0f, 0, 0.0f, 0);
    Run(30000);
    const uint64_t position = manager.GetMusicChannel()->GetStreamPosition();
    for (int kind = 0; kind <= 2; ++kind)
        manager.PlayMusic("music/level", 0.5f, kind, 1.0f, 0);
    EXPECT_EQ(manager.GetMusicChannel()->GetStreamPosition(), position);
    EXPECT_EQ(manager.GetMusicChannel()->GetVolume(), 1.0f);
    ExpectMusic(Run(20000), piece, 30000);
}

TEST_F(SoundTest, TransitionsFadeTheOldPieceOutBeforeTheNewOneStarts)
{
    WriteMusic("old", 1.0);
    WriteMusic("new", 1.0, 44100, 1);
    const struct
    {
        int kind;
        const char* fileAfterFadeOut; // half a second after the fade-out ended
        float volumeAfterFadeOut;
        float volumeAtEnd; // a second later
    } cases[] = {
        {1, "Data/Audio/new.ogg", 0.8f, 0.8f},
        {2, "Data/Audio/new.ogg", 0.4f, 0.8f},
        {3, "", 0.0f, 0.0f},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind);
        manager.PlayMusic("old", 1.0f, 0, 0.0f, 0);
        cSoundChannel* music = manager.GetMusicChannel();
        manager.PlayMusic("new", 0.8f, c.kind, 1.0f, 0);
        Tick(0.5f);
        EXPECT_EQ(music->GetFileName(), cString("Data/Audio/old.ogg"));
        EXPECT_NEAR(music->GetVolume(), 0.5f, 0.03f);
        EXPECT_EQ(music->GetBuffer()->GetVolume(), cSoundChannel::Attenuation(music->GetVolume()));
        Tick(1.0f);
        EXPECT_EQ(music->GetFileName(), cString(c.fileAfterFadeOut));
        EXPECT_NEAR(music->GetVolume(), c.volumeAfterFadeOut, 0.05f);
        EXPECT_EQ(music->IsPlaying(), c.kind != 3);
        Tick(1.0f);
        EXPECT_NEAR(music->GetVolume(), c.volumeAtEnd, 0.001f);
        EXPECT_EQ(music->transitionKind, cSoundChannel::kTransitionNone);
        music->Stop();
    }
}

TEST_F(SoundTest, ATransitionStartsAtOnceWhenNothingPlaysAndAfterOneTickWithoutFade)
{
    WriteMusic("a", 0.5);
    WriteMusic("b", 0.5);
    cSoundChannel* music = manager.GetMusicChannel();
    manager.PlayMusic("a", 0.7f, 2, 1.0f, 0);
    EXPECT_EQ(music->GetFileName(), cString("Data/Audio/a.ogg"));
    EXPECT_EQ(music->GetVolume(), 0.0f) << "kind 2 fades in";
    Tick(1.0f);
    EXPECT_NEAR(music->GetVolume(), 0.7f, 0.001f);

    manager.PlayMusic("b", 0.9f, 1, 0.0f, 0);
    EXPECT_EQ(music->GetVolume(), 0.0f) << "no fade time: silent at once";
    manager.Update(0.01f);
    EXPECT_EQ(music->GetFileName(), cString("Data/Audio/b.ogg"));
    EXPECT_EQ(music->GetVolume(), 0.9f);

    // Stopping is asked for whatever piece is named.
    manager.PlayMusic("b", 0.0f, 3, 0.0f, 0);
    manager.Update(0.01f);
    EXPECT_FALSE(music->IsPlaying());
    manager.PlayMusic("b", 1.0f, 0, 0.0f, 0);
    EXPECT_TRUE(music->IsPlaying()) << "a stopped piece can start again";
}

TEST_F(SoundTest, AMissingPieceFadesTheOldOneOutAndStops)
{
    WriteMusic("a", 0.5);
    manager.PlayMusic("a", 1.0f, 0, 0.0f, 0);
    cSoundChannel* music = manager.GetMusicChannel();
    manager.PlayMusic("gone", 1.0f, 2, 0.5f, 0);
    Tick(0.25f);
    EXPECT_TRUE(music->IsPlaying());
    Tick(0.5f);
    EXPECT_FALSE(music->IsPlaying());
    EXPECT_EQ(CountLogged("SoundManager: Warning: Cannot open music file 'Data/Audio/gone.ogg'."), 1);

    manager.PlayMusic("a", 1.0f, 0, 0.0f, 0);
    manager.PlayMusic("gone", 1.0f, 0, 0.0f, 0);
    EXPECT_FALSE(music->IsPlaying()) << "kind 0 stops the old piece at once";
}

TEST_F(SoundTest, MusicInAnotherRateOrMonoPlaysAtItsOwnSpeedOnBothSides)
{
    WriteMusic("slow", 1.0, 22050, 1);
    manager.PlayMusic("slow", 1.0f, 0, 0.0f, 0);
    cSoundChannel* music = manager.GetMusicChannel();
    EXPECT_EQ(music->GetBuffer()->GetFrequency(), 22050u);
    const std::vector<int16_t> out = Run(4096);
    int loud = 0;
    for (size_t i = 0; i < out.size(); i += 2)
    {
        EXPECT_EQ(out[i], out[i + 1]);
        loud += out[i] != 0;
    }
    EXPECT_GT(loud, 3000);
}
