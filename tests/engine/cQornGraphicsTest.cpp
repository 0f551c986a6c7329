// Tests of the engine's graphics: the screen at start-up and reset, the black frame, time in the background.
#include "VideoEngineFixture.h"

#include "engine/cScreen.h"
#include "platform/cInstanceGuard.h"
#include "platform/video/cNullRenderDevice.h"

#include <chrono>
#include <thread>

namespace
{
class EngineGraphicsTest : public VideoEngineTest
{
protected:
    size_t Count(const std::string& prefix) const
    {
        return graphics.GetLog()->LinesStartingWith(prefix).size();
    }
    cNullRenderDevice* Device() const { return static_cast<cNullRenderDevice*>(engine.GetDevice()); }
};
} // namespace

TEST_F(EngineGraphicsTest, StartUpOpensTheWindowAndEachTickDrawsABlackFrame)
{
    engine.screenWidth = 1024;
    engine.screenHeight = 768;
    engine.windowed = true;
    engine.Initialise();
    ASSERT_NE(engine.GetDevice(), nullptr);
    EXPECT_TRUE(engine.graphicsCreated);
    const cNullWindow* window = windows.GetWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->description.title, "Vexmoor");
    EXPECT_EQ(window->description.width, 1024);
    EXPECT_TRUE(Printed("Screen[SCREEN]: Window 1024X768."));

    graphics.GetLog()->Clear();
    clock.Advance(0.1);
    EXPECT_FALSE(engine.Tick());
    EXPECT_EQ(graphics.GetLog()->Lines(),
              (std::vector<std::string>{"Clear 3 FF000000 1", "BeginScene", "EndScene", "Present"}));

    engine.Shutdown();
    EXPECT_EQ(windows.GetWindow(), nullptr);
    EXPECT_FALSE(windows.IsClassRegistered("QornEngine"));
}

TEST_F(EngineGraphicsTest, NoTimePassesWhileTheWindowIsMinimisedOrBehindButFramesAreDrawn)
{
    engine.Initialise();
    cNullWindow* window = windows.GetWindow();
    ASSERT_NE(window, nullptr);
    window->minimised = true;
    clock.Advance(0.5);
    engine.Tick();
    window->minimised = false;
    window->inFront = false;
    clock.Advance(0.5);
    engine.Tick();
    window->inFront = true;
    clock.Advance(0.25);
    engine.Tick();
    EXPECT_EQ(engine.updates, (std::vector<float>{0.0f, 0.0f, 0.25f}));
    EXPECT_EQ(Count("Present"), 3u);
}

TEST_F(EngineGraphicsTest, ALostDeviceSkipsUpdatesAndFramesUntilItIsReset)
{
    engine.Initialise();
    ASSERT_NE(Device(), nullptr);
    Device()->LoseDevice();
    clock.Advance(0.1);
    engine.Tick();
    EXPECT_TRUE(engine.updates.empty());
    EXPECT_EQ(Count("Present"), 0u);

    Device()->AllowReset();
    engine.Tick();
    EXPECT_EQ(Count("Reset"), 1u);
    clock.Advance(0.1);
    engine.Tick();
    EXPECT_EQ(engine.updates.size(), 1u);
    EXPECT_EQ(Count("Present"), 1u);
}

TEST_F(EngineGraphicsTest, ScreenSizeHideAndShowWorkOnTheOpenWindow)
{
    engine.windowed = true;
    engine.Initialise();
    cNullWindow* window = windows.GetWindow();
    ASSERT_NE(window, nullptr);
    engine.GetInterpreter()->Execute("screensize 800 600", nullptr);
    EXPECT_EQ(window->GetClientWidth(), 800);
    EXPECT_EQ(window->GetClientHeight(), 600);
    EXPECT_EQ(engine.GetScreen()->GetWidth(), 800);

    engine.GetInterpreter()->Execute("hide", nullptr);
    EXPECT_FALSE(window->visible);
    EXPECT_FALSE(engine.windowVisible);
    engine.GetInterpreter()->Execute("show", nullptr);
    EXPECT_TRUE(window->visible);
}

TEST_F(EngineGraphicsTest, AHiddenEngineOpensItsWindowHidden)
{
    engine.windowVisible = false;
    engine.Initialise();
    ASSERT_NE(windows.GetWindow(), nullptr);
    EXPECT_FALSE(windows.GetWindow()->visible);
    EXPECT_EQ(windows.GetWindow()->timesBroughtToFront, 0);
}

TEST_F(EngineGraphicsTest, ResetFromFullScreenPassesThroughAWindowAndRereadsTheConfiguration)
{
    engine.Initialise();
    ASSERT_EQ(windows.created.size(), 1u);
    EXPECT_TRUE(windows.created[0].fullScreen);
    engine.GetInterpreter()->Execute("fullscreen 0", nullptr);
    engine.GetInterpreter()->Execute("fullscreen 1", nullptr);
    engine.resetPending = true;
    clock.Advance(0.1);
    EXPECT_FALSE(engine.Tick());
    ASSERT_EQ(windows.created.size(), 3u);
    EXPECT_FALSE(windows.created[1].fullScreen) << "the display mode is given back first";
    EXPECT_TRUE(windows.created[2].fullScreen);
    EXPECT_EQ(windows.GetWindow()->description.fullScreen, true);

    engine.GetInterpreter()->Execute("fullscreen 0", nullptr);
    engine.GetInterpreter()->Execute("reset", nullptr);
    ASSERT_EQ(windows.created.size(), 4u);
    EXPECT_FALSE(windows.created[3].fullScreen);
    EXPECT_TRUE(engine.GetScreen()->IsWindowed());
}

TEST_F(EngineGraphicsTest, WithoutAnyDeviceTheBoxIsShownAndTheProgramEnds)
{
    engine.windowed = true;
    graphics.SetDefaultCreateResult(RenderResult::NotAvailable);
    engine.Initialise();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Fatal Error! Suitable video mode cannot be found!"});
    EXPECT_TRUE(engine.IsQuitRequested());
    clock.Advance(0.1);
    EXPECT_TRUE(engine.Tick());
}

TEST_F(EngineGraphicsTest, ASecondStartBringsTheWindowToTheFront)
{
    const std::string name = "QornEngine/VexmoorTest" + std::to_string(getpid());
    cInstanceGuard first(name);
    engine.SetInstanceGuard(&first);
    engine.Initialise();
    cNullWindow* window = windows.GetWindow();
    ASSERT_NE(window, nullptr);
    window->minimised = true;
    const int before = window->timesBroughtToFront;
    cInstanceGuard second(name);
    EXPECT_FALSE(second.Acquire());
    for (int k = 0; k < 200 && window->timesBroughtToFront == before; ++k)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        engine.Tick();
    }
    EXPECT_EQ(window->timesBroughtToFront, before + 1);
    EXPECT_FALSE(window->minimised);
    engine.Shutdown();
}
