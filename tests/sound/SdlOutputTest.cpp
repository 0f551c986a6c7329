// Tests of the system sound output through SDL, whose disk driver records what the mixer plays.
#include "tests/sound/SoundFixture.h"

#include "platform/audio/cSdlAudioDevice.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace
{
// Sets an environment variable for one scope.
class cScopedEnvironment
{
public:
    cScopedEnvironment(const char* variable, const std::string& value) : name(variable)
    {
        const char* before = std::getenv(variable);
        hadValue = before != nullptr;
        if (hadValue)
            previous = before;
        setenv(variable, value.c_str(), 1);
    }
    ~cScopedEnvironment()
    {
        if (hadValue)
            setenv(name.c_str(), previous.c_str(), 1);
        else
            unsetenv(name.c_str());
    }

private:
    std::string name;
    std::string previous;
    bool hadValue = false;
};
} // namespace

TEST_F(SoundTest, ThePlayedEffectReachesTheSystemOutputAtItsLevelAndPan)
{
    const std::string recording = (folder / "output.raw").string();
    cScopedEnvironment driver("SDL_AUDIODRIVER", "disk");
    cScopedEnvironment file("SDL_DISKAUDIOFILE", recording);
    Write("tone", 1, kRate, kRate, [](int64_t frame, int) { return Tone(frame, 1000.0f, 0.5f); });

    cSoundManager output;
    output.Create(cSdlAudioDevice::Open());
    ASSERT_TRUE(output.HasDevice());
    EXPECT_STREQ(cSdlAudioDevice::DriverName(), "disk");
    output.SetSfxVolume(1.0f);
    // Effective volume 0.5 is -9 dB; pan 0.5 lowers the left side by a further 50 dB.
    ASSERT_NE(output.PlaySound("tone", 0.5f, 0.5f), nullptr);
    const cSoundData* tone = output.GetSound("tone");
    int peak = 0;
    for (uint32_t i = 0; i < tone->length / 2; ++i)
        peak = std::max(peak, std::abs(int(tone->data[i])));
    for (int i = 0; i < 30; ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        output.Update(0.01f);
    }
    output.Destroy();

    std::ifstream in(recording, std::ios::binary);
    std::vector<int16_t> samples;
    int16_t sample = 0;
    while (in.read(reinterpret_cast<char*>(&sample), sizeof(sample)))
        samples.push_back(sample);
    ASSERT_GT(samples.size(), 2u * 4096u) << "the driver wrote the mix";
    int left = 0;
    int right = 0;
    for (size_t i = 0; i + 1 < samples.size(); i += 2)
    {
        left = std::max(left, std::abs(int(samples[i])));
        right = std::max(right, std::abs(int(samples[i + 1])));
    }
    const double gain = std::pow(10.0, -900.0 / 2000.0);
    EXPECT_NEAR(right, peak * gain, peak * gain * 0.02);
    EXPECT_NEAR(left, peak * gain * std::pow(10.0, -5000.0 / 2000.0), 3.0);
}

TEST(SdlAudioDevice, NoDriverMeansNoDevice)
{
    cScopedEnvironment driver("SDL_AUDIODRIVER", "no-such-driver");
    cSdlAudioDevice* device = cSdlAudioDevice::Open();
    EXPECT_EQ(device, nullptr);
    delete device;
}
