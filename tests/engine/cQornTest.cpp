// Tests of the engine object: start-up, configuration, commands, the measured tick, reset and the job thread.
#include "engine/cQorn.h"
#include "platform/audio/cAudioDevice.h"
#include "platform/audio/cSoundBuffer.h"
#include "platform/cClock.h"
#include "sound/cSoundManager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
class cTestEngine : public cQorn
{
public:
    cTestEngine()
    {
        name = "Game";
        className = "GAME";
        applicationName = "Vexmoor";
    }
    void InitApplication() override { ++applicationStarts; }
    void ShutdownApplication() override { ++applicationStops; }
    void Update(float seconds) override { updates.push_back(seconds); }
    bool IsWindowInFront() const override { return inFront; }
    void OnLinePrinted(const cString& composed) override
    {
        cQorn::OnLinePrinted(composed);
        lines.push_back(composed.Text());
    }

    int applicationStarts = 0;
    int applicationStops = 0;
    bool inFront = true;
    std::vector<float> updates;
    std::vector<std::string> lines;
};

// Runs a job by sleeping for its id in milliseconds, then records that it ran and how many of
// its jobs were pending when it started.
class cSlowWorker : public cWorker
{
public:
    void DoJob(cJob& job) override
    {
        pendingAtStart.push_back(pendingJobs);
        std::this_thread::sleep_for(std::chrono::milliseconds(job.id));
        done.push_back(job.word.Text());
    }
    std::vector<std::string> done;
    std::vector<int> pendingAtStart;
};

class EngineTest : public ::testing::Test
{
protected:
    EngineTest()
    {
        previousFolder = std::filesystem::current_path();
        folder = std::filesystem::temp_directory_path() /
                 ("qorn-engine-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "Data");
        std::filesystem::current_path(folder);
        setenv("XDG_DATA_HOME", (folder / "xdg").c_str(), 1);
        engine.SetClock(&clock);
    }
    ~EngineTest() override
    {
        engine.Shutdown();
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove_all(folder);
    }
    void WriteConfig(const std::string& text)
    {
        std::filesystem::create_directories(folder / "xdg/Tessaverde/Vexmoor");
        std::ofstream(folder / "xdg/Tessaverde/Vexmoor/config.qsc", std::ios::binary) << text;
    }
    bool Printed(const std::string& line) const
    {
        return std::find(engine.lines.begin(), engine.lines.end(), line) != engine.lines.end();
    }

    std::filesystem::path previousFolder;
    std::filesystem::path folder;
    cManualClock clock;
    cTestEngine engine;
};
} // namespace

TEST_F(EngineTest, StartUpCreatesTheSubsystemsAndTheUserFolderInOrder)
{
    engine.Initialise();
    ASSERT_TRUE(engine.IsInitialised());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "xdg/Tessaverde/Vexmoor"));
    EXPECT_EQ(engine.GetUserPath(), cString((folder / "xdg/Tessaverde/Vexmoor/").c_str()));
    EXPECT_EQ(engine.FindChild("FileSystem"), engine.GetFileSystem());
    EXPECT_EQ(engine.FindChild("Interpreter"), engine.GetInterpreter());
    EXPECT_EQ(engine.applicationStarts, 1);
    // What the console ring kept, newest last.
    std::vector<std::string> ring;
    for (int k = 40; k >= 1; --k)
    {
        const ConsoleLine& line = engine.GetConsole()->GetLine(k);
        if (!line.text.IsEmpty())
            ring.push_back(cConsole::ComposeLine(line.text, line.level, line.moduleName, line.moduleClass).Text());
    }
    const std::vector<std::string> expectedTail = {"Qorn: Config loaded.",
                                                   "Screen[SCREEN]: Creating DirectX 9 device...",
                                                   "Screen[SCREEN]: Fullscreen 1920X1200.",
                                                   "Screen[SCREEN]: Trying backbuffer format ARGB32...",
                                                   "Screen[SCREEN]: Device successfully created.",
                                                   " ",
                                                   "Qorn: Initialization completed.",
                                                   " ",
                                                   "Qorn: Initializing application...",
                                                   "Qorn: Application initialized.",
                                                   "----------------------------------------------------- ",
                                                   " "};
    ASSERT_GE(ring.size(), expectedTail.size());
    EXPECT_EQ(std::vector<std::string>(ring.end() - long(expectedTail.size()), ring.end()), expectedTail);
    EXPECT_EQ(ring[0].rfind("Qorn Engine [", 0), 0u);
    EXPECT_EQ(ring[1], "Application: Vexmoor");
    EXPECT_EQ(ring[5], "Qorn: Initializing...");
    EXPECT_FALSE(Printed("Qorn: Config file found. Loading..."));
}

TEST_F(EngineTest, TheConfigurationRunsAtStartUpAndSetsTheEngine)
{
    WriteConfig("screensize 800 600\r\nfullscreen 0\r\nSFXVolume 0.5\r\nMusicVolume 0.25\r\ncustomcursors 0\r\n");
    engine.Initialise();
    EXPECT_TRUE(Printed("Qorn: Config file found. Loading..."));
    EXPECT_EQ(engine.screenWidth, 800);
    EXPECT_EQ(engine.screenHeight, 600);
    EXPECT_TRUE(engine.windowed);
    EXPECT_EQ(engine.sfxVolume, 0.5f);
    EXPECT_EQ(engine.musicVolume, 0.25f);
    EXPECT_FALSE(engine.customCursors);
}

TEST_F(EngineTest, TheTickMeasuresTimeAndDistrustsACounterThatRunsBackwards)
{
    engine.Initialise();
    clock.Advance(0.25);
    EXPECT_FALSE(engine.Tick());
    ASSERT_EQ(engine.updates.size(), 1u);
    EXPECT_NEAR(engine.updates[0], 0.25f, 1e-6f);

    clock.StepCounter(-500000);
    clock.StepTickCount(40);
    engine.Tick();
    EXPECT_EQ(engine.updates[1], 0.0f);
    EXPECT_TRUE(engine.useTickCount);
    // From now on the tick count measures, whatever the counter does.
    clock.StepCounter(9000000);
    clock.StepTickCount(125);
    engine.Tick();
    EXPECT_NEAR(engine.updates[2], 0.125f, 1e-6f);

    engine.inFront = false;
    clock.Advance(1.0);
    engine.Tick();
    EXPECT_EQ(engine.updates[3], 0.0f) << "no time passes while the window is minimised or behind";
    EXPECT_EQ(engine.updates.size(), 4u) << "the frame still runs";
}

TEST_F(EngineTest, QuitEndsTheLoopAfterTheCurrentTick)
{
    engine.Initialise();
    EXPECT_FALSE(engine.Tick());
    engine.GetInterpreter()->Execute("quit");
    EXPECT_TRUE(engine.Tick());
}

TEST_F(EngineTest, AResetWaitsForQueuedJobsAndReadsTheConfigurationAgain)
{
    engine.Initialise();
    WriteConfig("screensize 640 480\r\n");
    cSlowWorker worker;
    engine.GetJobHandler()->Queue(&worker, 200, "LoadWorld first");
    engine.GetInterpreter()->Execute("reset");
    EXPECT_EQ(worker.done, (std::vector<std::string>{"LoadWorld"}));
    EXPECT_EQ(worker.pendingJobs, 0);
    EXPECT_EQ(engine.applicationStops, 1);
    EXPECT_EQ(engine.applicationStarts, 2);
    EXPECT_EQ(engine.screenWidth, 640);

    // A pending reset runs at the start of the next tick instead of a frame.
    engine.resetPending = true;
    const size_t updatesBefore = engine.updates.size();
    EXPECT_FALSE(engine.Tick());
    EXPECT_FALSE(engine.resetPending);
    EXPECT_EQ(engine.applicationStarts, 3);
    EXPECT_EQ(engine.updates.size(), updatesBefore);
}

TEST_F(EngineTest, JobsRunOneAfterAnotherInQueueOrder)
{
    engine.Initialise();
    cSlowWorker worker;
    cJobHandler* jobs = engine.GetJobHandler();
    jobs->Queue(&worker, 50, "LoadWorld a");
    jobs->Queue(&worker, 0, "LoadWorldSave b");
    EXPECT_EQ(worker.pendingJobs, 2);
    EXPECT_TRUE(jobs->HasPendingJobs());
    jobs->WaitUntilIdle(1);
    EXPECT_EQ(worker.pendingAtStart, (std::vector<int>{2, 1}));
    EXPECT_EQ(worker.pendingJobs, 0);
    EXPECT_EQ(worker.done, (std::vector<std::string>{"LoadWorld", "LoadWorldSave"}));
}

TEST_F(EngineTest, TypedInputWaitsForTheJobQueue)
{
    engine.Initialise();
    cSlowWorker worker;
    engine.GetJobHandler()->Queue(&worker, 150, "LoadWorld slow");
    cConsole* console = engine.GetConsole();
    console->SetInputEnabled(true);
    for (char c : std::string("echo typed"))
        console->OnKey(c);
    console->OnKey(13);
    EXPECT_EQ(worker.done.size(), 1u) << "the line ran only after the job";
    EXPECT_TRUE(Printed("*Game>echo typed"));
    EXPECT_TRUE(Printed("typed"));
}

TEST_F(EngineTest, ShutdownTearsEverythingDown)
{
    engine.Initialise();
    engine.Shutdown();
    EXPECT_FALSE(engine.IsInitialised());
    EXPECT_TRUE(engine.shutDownDone);
    EXPECT_EQ(engine.applicationStops, 1);
    EXPECT_EQ(engine.children.Count(), 0);
    EXPECT_EQ(cConsole::Get(), nullptr);
    EXPECT_EQ(cInterpreter::Get(), nullptr);
    EXPECT_EQ(cFileSystem::Get(), nullptr);
    EXPECT_EQ(engine.GetSoundManager(), nullptr);
}

TEST_F(EngineTest, TheSoundManagerTakesTheVolumesAndKeepsThemAcrossAReset)
{
    WriteConfig("SFXVolume 0.5\r\nMusicVolume 0.25\r\n");
    engine.Initialise();
    cSoundManager* sound = engine.GetSoundManager();
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->HasDevice()) << "a device without hardware by default";
    EXPECT_FLOAT_EQ(sound->GetSfxVolume(), 0.5f);
    EXPECT_FLOAT_EQ(sound->GetMusicVolume(), 0.25f);
    EXPECT_FALSE(Printed("Warning! No sound device!"));

    engine.GetInterpreter()->Execute("SFXVolume 0.75");
    EXPECT_FLOAT_EQ(sound->GetSfxVolume(), 0.75f);
    // The options menu sets the manager directly; a reset keeps what it holds.
    sound->SetMusicVolume(0.4f);
    WriteConfig("");
    engine.GetInterpreter()->Execute("reset");
    ASSERT_NE(engine.GetSoundManager(), nullptr);
    EXPECT_FLOAT_EQ(engine.GetSoundManager()->GetSfxVolume(), 0.75f);
    EXPECT_FLOAT_EQ(engine.GetSoundManager()->GetMusicVolume(), 0.4f);
    EXPECT_FLOAT_EQ(engine.musicVolume, 0.4f);
}

TEST_F(EngineTest, TheTickPlaysTheSoundOnForTheElapsedTime)
{
    engine.Initialise();
    cSoundBuffer* buffer = engine.GetSoundManager()->GetDevice()->CreateBuffer(1, 44100 * 2);
    buffer->Play(true);
    clock.Advance(0.25);
    engine.Tick();
    EXPECT_EQ(buffer->GetPlayCursor(), 11025u * 2u);
    engine.inFront = false;
    clock.Advance(0.25);
    engine.Tick();
    EXPECT_EQ(buffer->GetPlayCursor(), 11025u * 2u) << "no time passes behind other windows";
    delete buffer;
}

TEST_F(EngineTest, WithoutASoundDeviceTheEngineWarnsAndGoesOn)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    engine.SetSoundOutput(cQorn::kSoundSystem);
    engine.Initialise();
    unsetenv("SDL_AUDIODRIVER");
    ASSERT_TRUE(engine.IsInitialised());
    EXPECT_TRUE(Printed("Warning! No sound device!"));
    ASSERT_NE(engine.GetSoundManager(), nullptr);
    EXPECT_FALSE(engine.GetSoundManager()->HasDevice());
    clock.Advance(0.1);
    EXPECT_FALSE(engine.Tick());
    engine.GetInterpreter()->Execute("MusicVolume 0.5");
    EXPECT_FLOAT_EQ(engine.GetSoundManager()->GetMusicVolume(), 0.5f);
    EXPECT_TRUE(Printed("Qorn: Application initialized."));
}
