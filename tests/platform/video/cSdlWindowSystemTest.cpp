// Tests of the SDL window layer on the offscreen driver: scan codes, the letterbox, SDL events as messages.
#include "platform/video/cSdlWindowSystem.h"
#include "platform/video/SdlScanCodes.h"
#include "platform/video/cKeyboard.h"
#include "platform/video/cSdlWindow.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

TEST(SdlScanCodeTest, KeysMapToTheirDirectInputCodes)
{
    const struct
    {
        SDL_Scancode key;
        int code;
    } cases[] = {
        {SDL_SCANCODE_ESCAPE, 1},     {SDL_SCANCODE_1, 2},       {SDL_SCANCODE_BACKSPACE, 14},
        {SDL_SCANCODE_TAB, 15},       {SDL_SCANCODE_Q, 16},      {SDL_SCANCODE_RETURN, 28},
        {SDL_SCANCODE_LCTRL, 29},     {SDL_SCANCODE_A, 30},      {SDL_SCANCODE_LSHIFT, 42},
        {SDL_SCANCODE_M, 50},         {SDL_SCANCODE_SPACE, 57},  {SDL_SCANCODE_F1, 59},
        {SDL_SCANCODE_F10, 68},       {SDL_SCANCODE_KP_0, 82},   {SDL_SCANCODE_F12, 88},
        {SDL_SCANCODE_KP_ENTER, 156}, {SDL_SCANCODE_RCTRL, 157}, {SDL_SCANCODE_KP_DIVIDE, 181},
        {SDL_SCANCODE_RALT, 184},     {SDL_SCANCODE_HOME, 199},  {SDL_SCANCODE_UP, 200},
        {SDL_SCANCODE_PAGEUP, 201},   {SDL_SCANCODE_LEFT, 203},  {SDL_SCANCODE_RIGHT, 205},
        {SDL_SCANCODE_END, 207},      {SDL_SCANCODE_DOWN, 208},  {SDL_SCANCODE_INSERT, 210},
        {SDL_SCANCODE_DELETE, 211},   {SDL_SCANCODE_UNKNOWN, 0},
    };
    for (const auto& entry : cases)
        EXPECT_EQ(DirectInputScanCode(entry.key), entry.code) << SDL_GetScancodeName(entry.key);
}

TEST(SdlWindowTest, FullScreenPointerPositionsAreUndoneFromTheLetterbox)
{
    const struct
    {
        int shownWidth, shownHeight, bufferWidth, bufferHeight, x, y, expectedX, expectedY;
    } cases[] = {
        {1024, 768, 1024, 768, 10, 20, 10, 20}, // same size: unchanged
        {1920, 1080, 1024, 768, 240, 0, 0, 0},  // bars left and right: 1.40625 times, 240 pixels each
        {1920, 1080, 1024, 768, 1679, 1079, 1023, 767},
        {1920, 1080, 1024, 768, 100, 500, -100, 355}, // on the left bar: outside the buffer
        {1280, 1024, 1280, 720, 640, 152, 640, 0},    // bars above and below
        {2048, 1536, 1024, 768, 2047, 1535, 1023, 767},
    };
    for (const auto& entry : cases)
    {
        int x = entry.x;
        int y = entry.y;
        cSdlWindow::MapLetterboxed(entry.shownWidth, entry.shownHeight, entry.bufferWidth, entry.bufferHeight,
                                   x, y);
        EXPECT_EQ(x, entry.expectedX) << entry.shownWidth << "x" << entry.shownHeight << " at " << entry.x;
        EXPECT_EQ(y, entry.expectedY) << entry.shownWidth << "x" << entry.shownHeight << " at " << entry.y;
    }
}

namespace
{
class SdlWindowSystemTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "offscreen", 1); }

    SdlWindowSystemTest()
    {
        if (!system.RegisterWindowClass("QornEngine"))
            return;
        WindowDescription description;
        description.className = "QornEngine";
        description.title = "Vexmoor";
        description.width = 640;
        description.height = 480;
        window = static_cast<cSdlWindow*>(system.CreateWindow(description));
        Drain();
    }

    std::vector<WindowMessage> Drain()
    {
        std::vector<WindowMessage> messages;
        WindowMessage message;
        while (system.PeekMessage(message))
            messages.push_back(message);
        return messages;
    }

    void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

    void PushWindowEvent(SDL_WindowEventID id)
    {
        SDL_Event event = {};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = window->GetId();
        event.window.event = id;
        Push(event);
    }

    cSdlWindowSystem system;
    cSdlWindow* window = nullptr;
};
} // namespace

TEST_F(SdlWindowSystemTest, OpensTheMainWindowForOpenGl)
{
    ASSERT_TRUE(system.StartVideo()) << SDL_GetError();
    ASSERT_NE(window, nullptr) << SDL_GetError();
    SDL_Window* native = static_cast<SDL_Window*>(window->GetNativeHandle());
    EXPECT_STREQ(SDL_GetWindowTitle(native), "Vexmoor");
    EXPECT_NE(SDL_GetWindowFlags(native) & SDL_WINDOW_OPENGL, 0u);
    EXPECT_EQ(window->GetClientWidth(), 640);
    EXPECT_EQ(window->GetClientHeight(), 480);
    EXPECT_TRUE(window->IsVisible());
    window->Hide();
    EXPECT_FALSE(window->IsVisible());
    EXPECT_FALSE(SDL_IsScreenSaverEnabled());
    EXPECT_EQ(system.CreateWindow(WindowDescription()), nullptr) << "a class that was never registered";
}

TEST_F(SdlWindowSystemTest, TextBecomesUtf16UnitsAndControlKeysAreMadeFromPresses)
{
    ASSERT_NE(window, nullptr);
    SDL_Event text = {};
    text.type = SDL_TEXTINPUT;
    text.text.windowID = window->GetId();
    std::strcpy(text.text.text, "a\xC3\xA9\xF0\x9F\x90\x9C"); // a, e acute, an ant
    Push(text);
    for (SDL_Scancode key :
         {SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_RETURN, SDL_SCANCODE_ESCAPE, SDL_SCANCODE_A})
    {
        SDL_Event press = {};
        press.type = SDL_KEYDOWN;
        press.key.windowID = window->GetId();
        press.key.keysym.scancode = key;
        Push(press);
    }
    std::vector<uint64_t> characters;
    for (const WindowMessage& message : Drain())
    {
        if (message.type == eWindowMessage::Character)
            characters.push_back(message.wParam);
    }
    EXPECT_EQ(characters, (std::vector<uint64_t>{'a', 0xE9, 0xD83D, 0xDC1C, 8, 13, 27}));
}

TEST_F(SdlWindowSystemTest, MouseEventsBecomeMessagesAndLeaveOnlyWhenAskedFor)
{
    ASSERT_NE(window, nullptr);
    SDL_Event motion = {};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = window->GetId();
    motion.motion.x = 300;
    motion.motion.y = 200;
    Push(motion);
    SDL_Event button = {};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.windowID = window->GetId();
    button.button.button = SDL_BUTTON_RIGHT;
    Push(button);
    button.type = SDL_MOUSEBUTTONUP;
    button.button.button = SDL_BUTTON_MIDDLE;
    Push(button);
    SDL_Event wheel = {};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.windowID = window->GetId();
    wheel.wheel.y = -2;
    Push(wheel);
    PushWindowEvent(SDL_WINDOWEVENT_LEAVE);

    std::vector<WindowMessage> messages = Drain();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].type, eWindowMessage::MouseMove);
    EXPECT_EQ(LowWordSigned(messages[0].lParam), 300);
    EXPECT_EQ(HighWordSigned(messages[0].lParam), 200);
    EXPECT_EQ(messages[1].type, eWindowMessage::RightButtonDown);
    EXPECT_EQ(messages[2].type, eWindowMessage::MiddleButtonUp);
    EXPECT_EQ(messages[3].type, eWindowMessage::MouseWheel);
    EXPECT_EQ(int16_t(HighWord(messages[3].wParam)), -240);

    window->TrackMouseLeave();
    PushWindowEvent(SDL_WINDOWEVENT_LEAVE);
    PushWindowEvent(SDL_WINDOWEVENT_LEAVE);
    messages = Drain();
    ASSERT_EQ(messages.size(), 1u) << "one leave per request";
    EXPECT_EQ(messages[0].type, eWindowMessage::MouseLeave);
}

TEST_F(SdlWindowSystemTest, WindowEventsBecomeActivateCloseAndRestoreMessages)
{
    ASSERT_NE(window, nullptr);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
    PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
    PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    Push(quit);
    const std::vector<WindowMessage> messages = Drain();
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[0].type, eWindowMessage::Activate);
    EXPECT_EQ(messages[0].wParam, 1u);
    EXPECT_EQ(messages[1].type, eWindowMessage::Activate);
    EXPECT_EQ(messages[1].wParam, 0u);
    EXPECT_EQ(messages[2].type, eWindowMessage::QueryOpen);
    EXPECT_EQ(messages[3].type, eWindowMessage::SystemCommand);
    EXPECT_EQ(messages[3].wParam, uint64_t(eSystemCommand::Restore));
    EXPECT_EQ(messages[4].type, eWindowMessage::Close);
}

TEST_F(SdlWindowSystemTest, TheKeyboardFollowsTheWindowsFocus)
{
    ASSERT_NE(window, nullptr);
    cKeyboard* keyboard = system.CreateKeyboard(window);
    uint8_t state[cKeyboard::kKeyCount];
    std::memset(state, 0x55, sizeof state);
    const bool focused = SDL_GetKeyboardFocus() == window->GetNativeHandle();
    EXPECT_EQ(keyboard->Acquire(), focused);
    EXPECT_EQ(keyboard->ReadState(state), focused);
    if (!focused)
    {
        EXPECT_EQ(state[0], 0x55) << "a failed read changes nothing";
    }
    delete keyboard;
    cKeyboard* orphan = system.CreateKeyboard(nullptr);
    EXPECT_FALSE(orphan->Acquire());
    EXPECT_FALSE(orphan->ReadState(state));
    delete orphan;
}
