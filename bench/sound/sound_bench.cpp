// Cost of the sound: one second of 31 effects and the streamed music, mixed and refilled as in the game.
#include "platform/audio/cNullAudioDevice.h"
#include "sound/cSoundManager.h"
#include "tests/sound/OggWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
constexpr int kRate = 44100;
constexpr int kPiece = 1024; // SDL's callback size

// A scratch Data/Audio with an effect and a piece of music, made once.
class cSoundFiles
{
public:
    cSoundFiles()
    {
        folder = std::filesystem::temp_directory_path() / ("qorn-sound-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder / "Data/Audio");
        std::filesystem::current_path(folder);
        WriteOgg("Data/Audio/effect.ogg", 1, kRate, kRate,
                 [](int64_t frame, int) { return Tone(frame, 440.0f, 0.3f) + Tone(frame, 1250.0f, 0.1f); });
        WriteOgg("Data/Audio/music.ogg", 2, kRate, 20 * kRate,
                 [](int64_t frame, int channel)
                 { return Tone(frame, channel ? 330.0f : 220.0f, 0.3f) + Tone(frame, 2000.0f, 0.05f); });
    }
    ~cSoundFiles() { std::filesystem::remove_all(folder); }

private:
    std::filesystem::path folder;
};

void MixOneSecond(benchmark::State& state, float pitchSpread)
{
    static cSoundFiles files;
    cNullAudioDevice* device = new cNullAudioDevice;
    cSoundManager manager;
    manager.Create(device);
    manager.SetSfxVolume(0.8f);
    manager.SetMusicVolume(0.8f);
    manager.PlayMusic("music", 1.0f, 0, 0.0f, 0);
    for (int i = 0; i < cSoundManager::kChannelCount - 1; ++i)
    {
        const float pan = float(i % 7) / 3.0f - 1.0f;
        const float pitch = 1.0f + pitchSpread * float(i % 5 - 2) / 2.0f;
        if (!manager.PlaySound("effect", 0.7f, pan, pitch, true))
            state.SkipWithError("an effect did not start");
    }
    std::vector<int16_t> out(kPiece * 2);
    for (auto _ : state)
    {
        for (int done = 0; done < kRate; done += kPiece)
        {
            device->Pull(out.data(), kPiece);
            manager.Update(float(kPiece) / kRate);
        }
        benchmark::DoNotOptimize(out.data());
    }
}
} // namespace

// One iteration is one second of sound, so 20 ms per iteration would be 2 % of a core.
// Every effect at the output rate, and with pitches spread ±20 % so that every one is resampled.
BENCHMARK_CAPTURE(MixOneSecond, same_rate, 0.0f)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MixOneSecond, resampled, 0.2f)->Unit(benchmark::kMillisecond);
