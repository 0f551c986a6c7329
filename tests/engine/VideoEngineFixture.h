// A started engine on the null window and device with a recording input receiver.
#pragma once

#include "engine/cInputSink.h"
#include "engine/cQorn.h"
#include "platform/MessageBox.h"
#include "platform/cClock.h"
#include "platform/video/cNullGraphicsSystem.h"
#include "platform/video/cNullWindowSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

class cRecordingInput : public cInputSink
{
public:
    void SetPointerPosition(int16_t x, int16_t y) override { calls.push_back(Call("move", x, y)); }
    void MouseDown(int button) override { calls.push_back(Call("down", button)); }
    void MouseUp(int button) override { calls.push_back(Call("up", button)); }
    void MouseWheel(uint16_t delta) override { calls.push_back(Call("wheel", delta)); }
    void CharacterInput(uint16_t character) override { calls.push_back(Call("char", character)); }
    void AcquireKeyboard() override { calls.push_back("acquire"); }

    std::vector<std::string> calls;

private:
    static std::string Call(const char* what, int a) { return std::string(what) + " " + std::to_string(a); }
    static std::string Call(const char* what, int a, int b)
    {
        return Call(what, a) + " " + std::to_string(b);
    }
};

class cRecordingEngine : public cQorn
{
public:
    cRecordingEngine()
    {
        name = "Game";
        className = "GAME";
        applicationName = "Vexmoor";
    }
    void Update(float seconds) override { updates.push_back(seconds); }
    void OnLinePrinted(const cString& composed) override
    {
        cQorn::OnLinePrinted(composed);
        lines.push_back(composed.Text());
    }

    std::vector<float> updates;
    std::vector<std::string> lines;
};

class VideoEngineTest : public ::testing::Test
{
protected:
    VideoEngineTest()
    {
        previousFolder = std::filesystem::current_path();
        folder = std::filesystem::temp_directory_path() /
                 ("qorn-video-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "Data");
        std::filesystem::current_path(folder);
        setenv("XDG_DATA_HOME", (folder / "xdg").c_str(), 1);
        previousPresenter = SetMessageBoxPresenter(&RecordBox);
        Boxes().clear();
        engine.SetClock(&clock);
        engine.SetWindowSystem(&windows);
        engine.SetGraphicsSystem(&graphics);
        engine.SetInputSink(&input);
    }
    ~VideoEngineTest() override
    {
        engine.Shutdown();
        SetMessageBoxPresenter(previousPresenter);
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove_all(folder);
    }

    static std::vector<std::string>& Boxes()
    {
        static std::vector<std::string> boxes;
        return boxes;
    }
    static void RecordBox(const char* caption, const char* text)
    {
        Boxes().push_back(std::string(caption) + " " + text);
    }

    bool Printed(const std::string& line) const
    {
        return std::find(engine.lines.begin(), engine.lines.end(), line) != engine.lines.end();
    }

    std::filesystem::path previousFolder;
    std::filesystem::path folder;
    MessageBoxPresenter previousPresenter = nullptr;
    cManualClock clock;
    cNullWindowSystem windows;
    cNullGraphicsSystem graphics;
    cRecordingInput input;
    cRecordingEngine engine;
};
