// The sound manager test fixture: a scratch Data/Audio folder, a console and a hand-pulled null device.
#pragma once

#include "base/cConsole.h"
#include "platform/audio/cNullAudioDevice.h"
#include "platform/audio/cSoundBuffer.h"
#include "sound/cOggStream.h"
#include "sound/cSoundManager.h"
#include "tests/sound/OggWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

class SoundTest : public ::testing::Test
{
protected:
    static constexpr int kRate = 44100;
    static constexpr int kStep = 1024;

    SoundTest()
    {
        previousFolder = std::filesystem::current_path();
        folder = std::filesystem::temp_directory_path() /
                 ("qorn-sound-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "Data/Audio");
        std::filesystem::current_path(folder);
        console.Initialise();
        device = new cNullAudioDevice;
        manager.Create(device);
        // Full loudness all the way, so the output can be compared sample for sample.
        manager.SetSfxVolume(1.0f);
        manager.SetMusicVolume(1.0f / cSoundManager::kMusicFactor);
    }
    ~SoundTest() override
    {
        manager.Destroy();
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove_all(folder);
    }

    static std::string PathOf(const std::string& name) { return "Data/Audio/" + name + ".ogg"; }

    void Write(const std::string& name, int channels, int rate, int64_t frames, const SampleFunction& sample)
    {
        std::filesystem::create_directories(std::filesystem::path(PathOf(name)).parent_path());
        ASSERT_TRUE(WriteOgg(PathOf(name), channels, rate, frames, sample));
    }
    // A mono tone with a slow wobble, so that no stretch of it repeats.
    void WriteEffect(const std::string& name, double seconds, int rate = kRate, int channels = 1)
    {
        Write(name, channels, rate, int64_t(seconds * rate),
              [rate](int64_t frame, int)
              { return Tone(frame, 440.0f, 0.4f, rate) + Tone(frame, 3.1f, 0.3f, rate); });
    }
    // A stereo piece with a different tone on each side.
    void WriteMusic(const std::string& name, double seconds, int rate = kRate, int channels = 2)
    {
        Write(name, channels, rate, int64_t(seconds * rate),
              [rate](int64_t frame, int channel) {
                  return Tone(frame, channel == 0 ? 330.0f : 550.0f, 0.5f, rate) +
                         Tone(frame, 2.0f, 0.2f, rate);
              });
    }

    // The whole file decoded into channels, as the manager decodes it.
    static std::vector<int16_t> Decode(const std::string& name, int channels)
    {
        cOggStream stream;
        EXPECT_EQ(stream.Open(PathOf(name).c_str()), cOggStream::kOpened);
        std::vector<int16_t> all;
        int16_t piece[4096 * 2];
        int got = 0;
        while ((got = stream.Read(piece, 4096, channels)) > 0)
            all.insert(all.end(), piece, piece + got * channels);
        return all;
    }

    // Plays frames of output through the mixer, updating the manager after every piece as the
    // engine's ticks would.
    std::vector<int16_t> Run(int frames)
    {
        std::vector<int16_t> out(size_t(frames) * 2);
        for (int done = 0; done < frames; done += kStep)
        {
            const int piece = std::min(kStep, frames - done);
            device->Pull(out.data() + done * 2, piece);
            manager.Update(float(piece) / kRate);
        }
        return out;
    }
    // Ticks the manager without playing output.
    void Tick(float seconds, float step = 0.05f)
    {
        for (float done = 0.0f; done + 1e-4f < seconds; done += step)
            manager.Update(step);
    }

    int CountLogged(const std::string& text) const
    {
        int count = 0;
        for (int k = 1; k <= console.LineCount(); ++k)
        {
            const ConsoleLine& line = console.GetLine(k);
            const cString composed =
                cConsole::ComposeLine(line.text, line.level, line.moduleName, line.moduleClass);
            if (!line.text.IsEmpty() && std::string(composed.Text()).find(text) != std::string::npos)
                ++count;
        }
        return count;
    }

    std::filesystem::path previousFolder;
    std::filesystem::path folder;
    cConsole console;
    cNullAudioDevice* device = nullptr;
    cSoundManager manager;
};
