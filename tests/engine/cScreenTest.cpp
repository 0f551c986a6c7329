// Tests of the screen on the null window and device: size rules, creation chain, fallbacks and failures.
#include "engine/cScreen.h"

#include "base/cConsole.h"
#include "platform/MessageBox.h"
#include "platform/video/cNullGraphicsSystem.h"
#include "platform/video/cNullWindowSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> boxes;

void RecordBox(const char* caption, const char* text)
{
    boxes.push_back(std::string(caption) + " " + text);
}

class cLineRecorder : public cConsoleHost
{
public:
    void OnLinePrinted(const cString& composedLine) override { lines.push_back(composedLine.Text()); }
    std::vector<std::string> lines;
};

const char* const kChainLines[] = {
    "Screen[SCREEN]: Trying backbuffer format ARGB32...",
    "Screen[SCREEN]: Trying backbuffer format XRGB32...",
    "Screen[SCREEN]: Trying backbuffer format DESKTOP...",
    "Screen[SCREEN]: Trying backbuffer format ARGB32 with software vertex processing...",
    "Screen[SCREEN]: Trying backbuffer format XRGB32 with software vertex processing...",
    "Screen[SCREEN]: Trying backbuffer format DESKTOP with software vertex processing...",
    "Screen[SCREEN]: Trying backbuffer format ARGB32 with 16 bit depth buffer...",
    "Screen[SCREEN]: Trying backbuffer format XRGB32 with 16 bit depth buffer...",
    "Screen[SCREEN]: Trying backbuffer format DESKTOP with 16 bit depth buffer...",
    "Screen[SCREEN]: Trying backbuffer format ARGB32 with 16 bit depth buffer and software processing...",
    "Screen[SCREEN]: Trying backbuffer format XRGB32 with 16 bit depth buffer and software processing...",
    "Screen[SCREEN]: Trying backbuffer format DESKTOP with 16 bit depth buffer and software processing...",
};

class ScreenTest : public ::testing::Test
{
protected:
    ScreenTest()
    {
        console.Initialise();
        console.SetHost(&recorder);
        previousPresenter = SetMessageBoxPresenter(&RecordBox);
        boxes.clear();
        graphics.SetDisplayMode(DisplayMode{1920, 1200, 60, RenderFormat::R5G6B5});
        screen.Initialise(&graphics);
    }
    ~ScreenTest() override
    {
        screen.Destroy();
        SetMessageBoxPresenter(previousPresenter);
        console.SetHost(nullptr);
        console.Shutdown();
    }

    // The lines printed from the given one on, or all.
    std::vector<std::string> Lines(size_t from = 0) const
    {
        return std::vector<std::string>(recorder.lines.begin() + long(from), recorder.lines.end());
    }

    cConsole console;
    cLineRecorder recorder;
    MessageBoxPresenter previousPresenter = nullptr;
    cNullWindowSystem windows;
    cNullGraphicsSystem graphics;
    cScreen screen{windows};
};
} // namespace

TEST_F(ScreenTest, TheSizeFollowsTheDesktopInAWindowAndInFullScreen)
{
    const struct
    {
        bool windowed;
        int width, height, desktopWidth, desktopHeight, expectedWidth, expectedHeight;
        const char* line;
    } cases[] = {
        {true, 1920, 1200, 1920, 1200, 1440, 900, "Window 1440X900."},
        {true, 1024, 768, 1920, 1200, 1024, 768, "Window 1024X768."},
        {true, 1680, 1050, 1920, 1200, 1680, 1050, "Window 1680X1050."}, // exactly seven eighths
        {true, 1681, 600, 1920, 1200, 1440, 900, "Window 1440X900."},
        {true, 0, 0, 1920, 1200, 1440, 900, "Window 1440X900."},
        {true, 1024, 0, 1920, 1200, 1440, 900, "Window 1440X900."},
        {true, -800, 600, 1920, 1200, 1440, 900, "Window 1440X900."},
        {true, 1000, 700, 1366, 768, 1023, 576, "Window 1023X576."}, // eighths and quarters in integers
        {false, 0, 0, 1920, 1200, 1920, 1200, "Fullscreen 1920X1200."},
        {false, 1024, 768, 1920, 1200, 1024, 768, "Fullscreen 1024X768."},
        {false, 2560, 1600, 1920, 1200, 2560, 1600, "Fullscreen 2560X1600."},
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.line);
        graphics.SetDisplayMode(DisplayMode{uint32_t(entry.desktopWidth), uint32_t(entry.desktopHeight), 60,
                                            RenderFormat::X8R8G8B8});
        const size_t firstLine = recorder.lines.size();
        ASSERT_NE(screen.Create("Vexmoor", entry.width, entry.height, 32, entry.windowed), nullptr);
        EXPECT_EQ(screen.GetWidth(), entry.expectedWidth);
        EXPECT_EQ(screen.GetHeight(), entry.expectedHeight);
        EXPECT_EQ(screen.IsWindowed(), entry.windowed);
        const WindowDescription& made = windows.created.back();
        EXPECT_EQ(made.width, entry.expectedWidth);
        EXPECT_EQ(made.height, entry.expectedHeight);
        EXPECT_EQ(made.fullScreen, !entry.windowed);
        EXPECT_EQ(Lines(firstLine),
                  (std::vector<std::string>{"Screen[SCREEN]: Creating DirectX 9 device...",
                                            std::string("Screen[SCREEN]: ") + entry.line, kChainLines[0],
                                            "Screen[SCREEN]: Device successfully created.", " "}));
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ScreenTest, TheWindowAndThePresentationParametersAreThoseOfTheMainWindow)
{
    ASSERT_NE(screen.Create("Vexmoor", 1024, 768, 32, true), nullptr);
    cNullWindow* window = windows.GetWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(cScreen::GetMainWindow(), window);
    EXPECT_EQ(window->description.className, "QornEngine");
    EXPECT_EQ(window->description.title, "Vexmoor");
    EXPECT_TRUE(window->visible);
    EXPECT_EQ(window->timesBroughtToFront, 1);
    EXPECT_TRUE(screen.IsCreated());
    EXPECT_EQ(screen.bitsPerPixel, 32);

    const PresentParameters& windowed = screen.GetPresentParameters();
    EXPECT_EQ(windowed.backBufferWidth, 0u) << "the client size, at creation and at every reset";
    EXPECT_EQ(windowed.backBufferHeight, 0u);
    EXPECT_EQ(windowed.backBufferFormat, RenderFormat::R5G6B5) << "the desktop's format";
    EXPECT_EQ(windowed.backBufferCount, 1u);
    EXPECT_EQ(windowed.swapEffect, SwapEffect::Discard);
    EXPECT_EQ(windowed.deviceWindow, window->GetNativeHandle());
    EXPECT_TRUE(windowed.windowed);
    EXPECT_TRUE(windowed.enableAutoDepthStencil);
    EXPECT_EQ(windowed.autoDepthStencilFormat, RenderFormat::D24X8);
    EXPECT_EQ(windowed.presentationInterval, PresentInterval::Immediate);
    const NullCreateAttempt& attempt = graphics.GetCreateAttempts().back();
    EXPECT_EQ(attempt.type, DeviceType::Hardware);
    EXPECT_EQ(attempt.focusWindow, window->GetNativeHandle());

    // A second creation replaces the window.
    ASSERT_NE(screen.Create("Vexmoor", 800, 600, 32, false), nullptr);
    EXPECT_EQ(windows.created.size(), 2u);
    EXPECT_NE(windows.GetWindow(), nullptr);
    const PresentParameters& full = screen.GetPresentParameters();
    EXPECT_EQ(full.backBufferWidth, 800u);
    EXPECT_EQ(full.backBufferHeight, 600u);
    EXPECT_EQ(full.backBufferFormat, RenderFormat::A8R8G8B8);
    EXPECT_FALSE(full.windowed);

    screen.Destroy();
    EXPECT_EQ(windows.GetWindow(), nullptr);
    EXPECT_EQ(cScreen::GetMainWindow(), nullptr);
    EXPECT_FALSE(windows.IsClassRegistered("QornEngine"));
    EXPECT_FALSE(screen.IsCreated());
    EXPECT_EQ(screen.GetDevice(), nullptr);
    EXPECT_EQ(screen.GetWidth(), 0);
}

TEST_F(ScreenTest, TheChainTriesFormatsProcessingAndDepthsInOrderUntilOneWorks)
{
    graphics.SetDefaultCreateResult(RenderResult::NotAvailable);
    EXPECT_EQ(screen.Create("Vexmoor", 1024, 768, 32, true), nullptr);
    EXPECT_EQ(boxes, std::vector<std::string>{"Fatal Error! Suitable video mode cannot be found!"});
    EXPECT_FALSE(screen.IsCreated());

    const std::vector<NullCreateAttempt>& attempts = graphics.GetCreateAttempts();
    ASSERT_EQ(attempts.size(), 12u);
    const RenderFormat desktop = RenderFormat::R5G6B5;
    const RenderFormat argb = RenderFormat::A8R8G8B8;
    const RenderFormat xrgb = RenderFormat::X8R8G8B8;
    const RenderFormat formats[12] = {desktop, xrgb, desktop, argb, xrgb, desktop,
                                      argb,    xrgb, desktop, argb, xrgb, desktop};
    for (size_t k = 0; k < 12; ++k)
    {
        SCOPED_TRACE(k + 1);
        const bool software = (k / 3) % 2 == 1;
        EXPECT_EQ(attempts[k].parameters.backBufferFormat, formats[k]);
        EXPECT_EQ(attempts[k].parameters.autoDepthStencilFormat,
                  k < 6 ? RenderFormat::D24X8 : RenderFormat::D16);
        EXPECT_EQ(attempts[k].behaviour,
                  BehaviourMultithreaded |
                      (software ? BehaviourSoftwareVertexProcessing : BehaviourHardwareVertexProcessing));
    }
    std::vector<std::string> expected = {"Screen[SCREEN]: Creating DirectX 9 device...",
                                         "Screen[SCREEN]: Window 1024X768."};
    expected.insert(expected.end(), std::begin(kChainLines), std::end(kChainLines));
    EXPECT_EQ(Lines(), expected);

    // The first success ends the chain, after its own line.
    const size_t firstLine = recorder.lines.size();
    for (int k = 0; k < 4; ++k)
        graphics.QueueCreateResult(RenderResult::NotAvailable);
    graphics.SetDefaultCreateResult(RenderResult::Ok);
    ASSERT_NE(screen.Create("Vexmoor", 1024, 768, 32, false), nullptr);
    EXPECT_EQ(graphics.GetCreateAttempts().size(), 12u + 5u);
    EXPECT_EQ(graphics.GetCreateAttempts().back().parameters.backBufferFormat, RenderFormat::X8R8G8B8);
    EXPECT_EQ(screen.GetPresentParameters().backBufferFormat, RenderFormat::X8R8G8B8);
    expected = {"Screen[SCREEN]: Creating DirectX 9 device...", "Screen[SCREEN]: Fullscreen 1024X768."};
    expected.insert(expected.end(), std::begin(kChainLines), std::begin(kChainLines) + 5);
    expected.push_back("Screen[SCREEN]: Device successfully created.");
    expected.push_back(" ");
    EXPECT_EQ(Lines(firstLine), expected);
}

TEST_F(ScreenTest, FullScreenFallsBackTo800x600AndThenToAWindow)
{
    graphics.SetDefaultCreateResult(RenderResult::NotAvailable);
    EXPECT_EQ(screen.Create("Vexmoor", 960, 600, 32, false), nullptr);
    ASSERT_EQ(windows.created.size(), 3u);
    EXPECT_TRUE(windows.created[0].fullScreen);
    EXPECT_EQ(windows.created[0].width, 960);
    EXPECT_TRUE(windows.created[1].fullScreen);
    EXPECT_EQ(windows.created[1].width, 800);
    EXPECT_EQ(windows.created[1].height, 600);
    EXPECT_FALSE(windows.created[2].fullScreen);
    EXPECT_EQ(windows.created[2].width, 800);
    EXPECT_EQ(graphics.GetCreateAttempts().size(), 36u);
    EXPECT_EQ(boxes, std::vector<std::string>{"Fatal Error! Suitable video mode cannot be found!"});

    std::vector<std::string> summary;
    for (const std::string& line : Lines())
    {
        if (line.find("Trying backbuffer") == std::string::npos)
            summary.push_back(line);
    }
    EXPECT_EQ(summary, (std::vector<std::string>{
                           "Screen[SCREEN]: Creating DirectX 9 device...",
                           "Screen[SCREEN]: Fullscreen 960X600.",
                           "Screen[SCREEN]: Trying 800x600 mode...",
                           "Screen[SCREEN]: Creating DirectX 9 device...",
                           "Screen[SCREEN]: Fullscreen 800X600.",
                           "Screen[SCREEN]: Trying windowed mode...",
                           "Screen[SCREEN]: Creating DirectX 9 device...",
                           "Screen[SCREEN]: Window 800X600.",
                       }));

    // Another full-screen size goes straight to a window of the same size.
    boxes.clear();
    graphics.SetDefaultCreateResult(RenderResult::Ok);
    for (int k = 0; k < 12; ++k)
        graphics.QueueCreateResult(RenderResult::NotAvailable);
    ASSERT_NE(screen.Create("Vexmoor", 1280, 720, 32, false), nullptr);
    EXPECT_TRUE(screen.IsWindowed());
    EXPECT_EQ(screen.GetWidth(), 1280);
    EXPECT_EQ(screen.GetHeight(), 720);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ScreenTest, WindowSystemFailuresAreShownAndLeaveNothingBehind)
{
    windows.failRegisterClass = true;
    EXPECT_EQ(screen.Create("Vexmoor", 1024, 768, 32, true), nullptr);
    EXPECT_EQ(boxes, std::vector<std::string>{"Fatal Error! Cannot register window class."});
    EXPECT_TRUE(recorder.lines.empty()) << "nothing is tried without a class";

    boxes.clear();
    windows.failRegisterClass = false;
    windows.failCreateWindow = true;
    EXPECT_EQ(screen.Create("Vexmoor", 1024, 768, 32, true), nullptr);
    EXPECT_EQ(boxes, std::vector<std::string>{"Fatal Error! Cannot create window."});
    EXPECT_TRUE(graphics.GetCreateAttempts().empty());
    EXPECT_FALSE(windows.IsClassRegistered("QornEngine")) << "so that the next creation can register it";

    boxes.clear();
    windows.failCreateWindow = false;
    ASSERT_NE(screen.Create("Vexmoor", 1024, 768, 32, true), nullptr);
    EXPECT_TRUE(boxes.empty());

    const size_t firstLine = recorder.lines.size();
    windows.failDestroyWindow = true;
    windows.failUnregisterClass = true;
    screen.Destroy();
    EXPECT_EQ(Lines(firstLine),
              (std::vector<std::string>{"Screen[SCREEN]: Warning: Cannot destroy window.",
                                        "Screen[SCREEN]: Warning: Cannot unregister class."}));
    EXPECT_EQ(screen.GetDevice(), nullptr);
    EXPECT_EQ(cScreen::GetMainWindow(), nullptr);
}

TEST_F(ScreenTest, AWindowedScreenResizesKeepingItsDevice)
{
    ASSERT_NE(screen.Create("Vexmoor", 1024, 768, 32, true), nullptr);
    screen.Resize(800, 600);
    EXPECT_EQ(screen.GetWidth(), 800);
    EXPECT_EQ(windows.GetWindow()->GetClientWidth(), 800);
    EXPECT_EQ(windows.GetWindow()->GetClientHeight(), 600);
    EXPECT_NE(screen.GetDevice(), nullptr);

    ASSERT_NE(screen.Create("Vexmoor", 1024, 768, 32, false), nullptr);
    screen.Resize(800, 600);
    EXPECT_EQ(screen.GetWidth(), 1024) << "full screen keeps its size until the next creation";
    EXPECT_EQ(windows.GetWindow()->GetClientWidth(), 1024);
}
