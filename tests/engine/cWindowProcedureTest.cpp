// Tests of the window procedure: system lines, closing, editor lines, input, mouse leave and the cursor.
#include "engine/cWindowProcedure.h"

#include "VideoEngineFixture.h"

namespace
{
WindowMessage Message(eWindowMessage type, uint64_t wParam = 0, int64_t lParam = 0)
{
    WindowMessage message;
    message.type = type;
    message.wParam = wParam;
    message.lParam = lParam;
    return message;
}

class WindowProcedureTest : public VideoEngineTest
{
protected:
    WindowProcedureTest()
    {
        engine.screenWidth = 1024;
        engine.screenHeight = 768;
        engine.windowed = true;
        engine.Initialise();
        window = windows.GetWindow();
    }

    cNullWindow* window = nullptr;
};
} // namespace

TEST_F(WindowProcedureTest, SystemEventsPrintTheirLineAndOnlySomeAreLeftToTheSystem)
{
    ASSERT_NE(window, nullptr);
    const struct
    {
        WindowMessage message;
        const char* line;
        bool passedOn;
        int broughtToFront;
    } cases[] = {
        {Message(eWindowMessage::Activate, 1), "System: Activate...", false, 0},
        {Message(eWindowMessage::QueryOpen), "System: Query Open...", true, 1},
        {Message(eWindowMessage::SystemCommand, uint64_t(eSystemCommand::Restore)), "System: Restore...",
         true, 1},
        {Message(eWindowMessage::SystemCommand, uint64_t(eSystemCommand::Maximise)), "System: Restore...",
         true, 1},
        // The screen saver and the display's power saving never start.
        {Message(eWindowMessage::SystemCommand, uint64_t(eSystemCommand::ScreenSaver)), "System: Power...",
         false, 0},
        {Message(eWindowMessage::SystemCommand, uint64_t(eSystemCommand::MonitorPower)), "System: Power...",
         false, 0},
        {Message(eWindowMessage::SystemCommand, uint64_t(eSystemCommand::Other)), nullptr, true, 0},
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.line ? entry.line : "other");
        const size_t linesBefore = engine.lines.size();
        const size_t passedBefore = windows.defaultProcessed.size();
        const int frontBefore = window->timesBroughtToFront;
        window->minimised = true;
        EXPECT_EQ(cWindowProcedure::Dispatch(entry.message), 0);
        if (entry.line)
        {
            ASSERT_EQ(engine.lines.size(), linesBefore + 1);
            EXPECT_EQ(engine.lines.back(), entry.line);
        }
        EXPECT_EQ(windows.defaultProcessed.size(), passedBefore + (entry.passedOn ? 1 : 0));
        EXPECT_EQ(window->timesBroughtToFront, frontBefore + entry.broughtToFront);
    }
    EXPECT_FALSE(engine.IsQuitRequested());
}

TEST_F(WindowProcedureTest, ClosingPrintsAndEndsTheLoopThroughTheQuitFlag)
{
    EXPECT_EQ(cWindowProcedure::Dispatch(Message(eWindowMessage::Close)), 0);
    EXPECT_EQ(engine.lines.back(), "System: Close...");
    EXPECT_TRUE(engine.IsQuitRequested());
    WindowMessage waiting;
    EXPECT_FALSE(windows.PeekMessage(waiting)) << "no quit message is posted";
    EXPECT_TRUE(engine.Tick());
}

TEST_F(WindowProcedureTest, AnEditorLineRunsAndQuitEndsTheLoopAfterTheTick)
{
    WindowMessage copy = Message(eWindowMessage::CopyData);
    copy.data = "screensize 800 600";
    cWindowProcedure::Dispatch(copy);
    EXPECT_EQ(engine.screenWidth, 800);
    EXPECT_EQ(windows.defaultProcessed.size(), 1u);

    copy.data = "quit";
    cWindowProcedure::Dispatch(copy);
    const size_t framesBefore = graphics.GetLog()->LinesStartingWith("Present").size();
    EXPECT_TRUE(engine.Tick());
    EXPECT_EQ(graphics.GetLog()->LinesStartingWith("Present").size(), framesBefore + 1)
        << "the tick still ran";
}

TEST_F(WindowProcedureTest, InputGoesToTheInterfaceAndActivationTakesTheKeyboardAgain)
{
    cWindowProcedure::Dispatch(Message(eWindowMessage::Activate, 1));
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseMove, 0, MakePointParameter(-5, 300)));
    cWindowProcedure::Dispatch(Message(eWindowMessage::LeftButtonDown));
    cWindowProcedure::Dispatch(Message(eWindowMessage::LeftButtonUp));
    cWindowProcedure::Dispatch(Message(eWindowMessage::MiddleButtonDown));
    cWindowProcedure::Dispatch(Message(eWindowMessage::MiddleButtonUp));
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseWheel, uint64_t(uint16_t(-120)) << 16));
    cWindowProcedure::Dispatch(Message(eWindowMessage::Character, 0xE9));
    cWindowProcedure::Dispatch(Message(eWindowMessage::Character, 8));
    EXPECT_EQ(input.calls, (std::vector<std::string>{"acquire", "move -5 300", "down 0", "up 0", "down 1",
                                                     "up 1", "wheel 65416", "char 233", "char 8"}));

    // Without the interface, input is the system's.
    engine.SetInputSink(nullptr);
    const size_t passedBefore = windows.defaultProcessed.size();
    cWindowProcedure::Dispatch(Message(eWindowMessage::LeftButtonDown));
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseMove));
    EXPECT_EQ(windows.defaultProcessed.size(), passedBefore + 2);
}

TEST_F(WindowProcedureTest, LeavingWithTheRightButtonHeldReleasesIt)
{
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseMove, 0, MakePointParameter(10, 10)));
    cWindowProcedure::Dispatch(Message(eWindowMessage::RightButtonDown));
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseLeave));
    EXPECT_EQ(input.calls, (std::vector<std::string>{"move 10 10", "down 2", "up 2"}));
    EXPECT_FALSE(cWindowProcedure::IsMouseTracked());
}

TEST_F(WindowProcedureTest, CustomCursorsHideTheSystemCursorOverTheWindowOnly)
{
    ASSERT_TRUE(engine.customCursors);
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseMove, 0, MakePointParameter(1, 1)));
    EXPECT_FALSE(windows.IsCursorVisible());
    EXPECT_TRUE(window->trackingMouseLeave);
    EXPECT_TRUE(cWindowProcedure::IsMouseTracked());
    const int count = windows.GetCursorCount();
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseMove, 0, MakePointParameter(2, 2)));
    EXPECT_EQ(windows.GetCursorCount(), count) << "hidden once per visit";
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseLeave));
    EXPECT_TRUE(windows.IsCursorVisible());

    engine.GetInterpreter()->Execute("customcursors 0", nullptr);
    window->trackingMouseLeave = false;
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseMove, 0, MakePointParameter(1, 1)));
    EXPECT_TRUE(windows.IsCursorVisible());
    EXPECT_TRUE(window->trackingMouseLeave) << "the leave is still wanted for the buttons";
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseLeave));
    EXPECT_TRUE(windows.IsCursorVisible());

    // Switched off while over the window: the cursor comes back when the pointer leaves.
    engine.GetInterpreter()->Execute("customcursors 1", nullptr);
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseMove, 0, MakePointParameter(1, 1)));
    engine.GetInterpreter()->Execute("customcursors 0", nullptr);
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseLeave));
    EXPECT_TRUE(windows.IsCursorVisible());
}

TEST_F(WindowProcedureTest, DestroyingTheScreenForgetsTheMouseTracking)
{
    cWindowProcedure::Dispatch(Message(eWindowMessage::MouseMove, 0, MakePointParameter(1, 1)));
    ASSERT_TRUE(cWindowProcedure::IsMouseTracked());
    engine.DestroyGraphics();
    EXPECT_FALSE(cWindowProcedure::IsMouseTracked());
}
