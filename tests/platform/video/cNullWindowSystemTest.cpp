// Tests of the window layer through the null window system: the queue, the cursor count, the keyboard.
#include "platform/video/cNullWindowSystem.h"
#include "platform/video/cKeyboard.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
WindowMessage Message(eWindowMessage type, uint64_t wParam = 0)
{
    WindowMessage message;
    message.type = type;
    message.wParam = wParam;
    return message;
}

WindowDescription MainWindow()
{
    WindowDescription description;
    description.className = "QornEngine";
    description.title = "Vexmoor";
    description.width = 1024;
    description.height = 768;
    return description;
}
} // namespace

TEST(WindowMessageTest, PointsAndWheelTurnsPackIntoSignedWords)
{
    const int64_t point = MakePointParameter(-3, 700);
    EXPECT_EQ(LowWordSigned(point), -3);
    EXPECT_EQ(HighWordSigned(point), 700);
    EXPECT_EQ(HighWord(uint64_t(uint16_t(-240)) << 16), 0xFF10);
}

TEST(WindowSystemTest, TheQuitMessageComesAfterEveryWaitingMessage)
{
    cNullWindowSystem system;
    system.PostMessage(Message(eWindowMessage::Activate, 1));
    system.PostQuitMessage(3);
    system.PostMessage(Message(eWindowMessage::Close));
    WindowMessage message;
    ASSERT_TRUE(system.PeekMessage(message));
    EXPECT_EQ(message.type, eWindowMessage::Activate);
    ASSERT_TRUE(system.PeekMessage(message));
    EXPECT_EQ(message.type, eWindowMessage::Close);
    ASSERT_TRUE(system.PeekMessage(message));
    EXPECT_EQ(message.type, eWindowMessage::Quit);
    EXPECT_EQ(message.wParam, 3u);
    EXPECT_FALSE(system.PeekMessage(message));
}

TEST(WindowSystemTest, TheCursorIsHiddenWhileItsCountIsNegative)
{
    cNullWindowSystem system;
    EXPECT_TRUE(system.IsCursorVisible());
    EXPECT_EQ(system.ShowCursor(false), -1);
    EXPECT_FALSE(system.IsCursorVisible());
    EXPECT_EQ(system.ShowCursor(false), -2);
    EXPECT_EQ(system.ShowCursor(true), -1);
    EXPECT_FALSE(system.IsCursorVisible());
    EXPECT_EQ(system.ShowCursor(true), 0);
    EXPECT_TRUE(system.IsCursorVisible());
}

TEST(WindowSystemTest, WindowsNeedARegisteredClassAndFailuresCanBeInjected)
{
    cNullWindowSystem system;
    EXPECT_EQ(system.CreateWindow(MainWindow()), nullptr);
    ASSERT_TRUE(system.RegisterWindowClass("QornEngine"));
    EXPECT_FALSE(system.RegisterWindowClass("QornEngine"));
    cWindow* window = system.CreateWindow(MainWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsVisible());
    EXPECT_TRUE(window->IsInFront());
    EXPECT_EQ(system.GetWindow(), window);

    system.failDestroyWindow = true;
    EXPECT_FALSE(system.DestroyWindow(window));
    EXPECT_EQ(system.GetWindow(), nullptr);
    EXPECT_TRUE(system.UnregisterWindowClass("QornEngine"));
    EXPECT_FALSE(system.UnregisterWindowClass("QornEngine"));
    system.failCreateWindow = true;
    ASSERT_TRUE(system.RegisterWindowClass("QornEngine"));
    EXPECT_EQ(system.CreateWindow(MainWindow()), nullptr);
}

TEST(KeyboardTest, AReadWithoutFocusFailsAndChangesNothingUntilReacquired)
{
    cNullWindowSystem system;
    system.RegisterWindowClass("QornEngine");
    cWindow* window = system.CreateWindow(MainWindow());
    cKeyboard* keyboard = system.CreateKeyboard(window);
    uint8_t state[cKeyboard::kKeyCount];
    std::memset(state, 0x55, sizeof state);
    EXPECT_FALSE(keyboard->ReadState(state)) << "not acquired yet";

    ASSERT_TRUE(keyboard->Acquire());
    system.SetKey(1, true);
    system.SetKey(211, true);
    ASSERT_TRUE(keyboard->ReadState(state));
    EXPECT_EQ(state[1], cKeyboard::kPressed);
    EXPECT_EQ(state[211], cKeyboard::kPressed);
    EXPECT_EQ(state[28], 0);

    system.GetWindow()->inFront = false;
    system.SetKey(1, false);
    uint8_t before[cKeyboard::kKeyCount];
    std::memcpy(before, state, sizeof state);
    EXPECT_FALSE(keyboard->ReadState(state));
    EXPECT_EQ(std::memcmp(before, state, sizeof state), 0);
    EXPECT_FALSE(keyboard->Acquire());

    // Focus back: the device stays lost until it is acquired again.
    system.GetWindow()->inFront = true;
    EXPECT_FALSE(keyboard->ReadState(state));
    ASSERT_TRUE(keyboard->Acquire());
    ASSERT_TRUE(keyboard->ReadState(state));
    EXPECT_EQ(state[1], 0);

    // A keyboard outliving its window just fails.
    system.DestroyWindow(window);
    EXPECT_FALSE(keyboard->ReadState(state));
    delete keyboard;
}
