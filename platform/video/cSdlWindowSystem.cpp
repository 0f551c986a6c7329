// cSdlWindowSystem: SDL's video started with the engine's hints, and SDL events turned into window messages.
#include "platform/video/cSdlWindowSystem.h"

#include "platform/video/cSdlKeyboard.h"
#include "platform/video/cSdlWindow.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <link.h>

namespace
{
constexpr int kWheelStep = 120;

// Decodes one UTF-8 sequence at text; advances text past it. Malformed bytes read as U+FFFD.
uint32_t NextCodePoint(const unsigned char*& text)
{
    const unsigned char lead = *text++;
    if (lead < 0x80)
        return lead;
    int following = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (following < 0)
        return 0xFFFD;
    uint32_t codePoint = lead & (0x3F >> following);
    for (; following > 0; --following)
    {
        if ((*text & 0xC0) != 0x80)
            return 0xFFFD;
        codePoint = (codePoint << 6) | (*text++ & 0x3F);
    }
    return codePoint > 0x10FFFF ? 0xFFFD : codePoint;
}

int16_t ClampToShort(int value)
{
    return int16_t(std::clamp(value, -32768, 32767));
}

bool IsGraphicsDriver(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    const char* file = slash ? slash + 1 : path;
    return std::strncmp(file, "libEGL", 6) == 0 || std::strncmp(file, "libGL", 5) == 0 ||
           std::strstr(file, "_dri.so") || std::strncmp(file, "libgallium", 10) == 0;
}

int PinGraphicsDriver(dl_phdr_info* info, size_t, void*)
{
    if (info->dlpi_name && info->dlpi_name[0] && IsGraphicsDriver(info->dlpi_name))
        dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    return 0;
}

// SDL unloads the OpenGL driver with the last OpenGL window and loads it again for the next one,
// which happens on every reset and every fallback of the device creation; loading it is slow and
// Mesa's EGL does not give everything back. Once loaded, the driver stays for the process.
void KeepGraphicsDriverLoaded()
{
    dl_iterate_phdr(&PinGraphicsDriver, nullptr);
}
} // namespace

bool cSdlWindowSystem::StartVideo()
{
    if (videoStarted)
        return true;
    // Our own handlers end the program through the close path; SDL must not take SIGINT/SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Without the automatic capture, leaving the window with a button held tells us so.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
    videoStarted = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!videoStarted)
    {
        // The engine only learns that the window class failed; the reason is for whoever runs it.
        std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
        return false;
    }
    SDL_DisableScreenSaver();
    SDL_StartTextInput();
    return true;
}

cSdlWindowSystem::~cSdlWindowSystem()
{
    for (cSdlWindow* window : windows)
        delete window;
    if (videoStarted)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool cSdlWindowSystem::RegisterWindowClass(const std::string& className)
{
    if (!StartVideo() || classes.count(className))
        return false;
    // The class name is what window managers group and match the program's windows by (a
    // class the user set in the environment wins).
    SDL_SetHint(SDL_HINT_APP_NAME, className.c_str());
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", className.c_str(), 0);
    classes.insert(className);
    return true;
}

bool cSdlWindowSystem::UnregisterWindowClass(const std::string& className)
{
    return classes.erase(className) != 0;
}

cWindow* cSdlWindowSystem::CreateWindow(const WindowDescription& description)
{
    if (!videoStarted || !classes.count(description.className))
        return nullptr;
    cSdlWindow* window = new cSdlWindow(description);
    if (!window->IsOpen())
    {
        delete window;
        return nullptr;
    }
    windows.push_back(window);
    KeepGraphicsDriverLoaded();
    return window;
}

bool cSdlWindowSystem::DestroyWindow(cWindow* window)
{
    auto found = std::find(windows.begin(), windows.end(), window);
    if (found == windows.end())
        return false;
    delete *found;
    windows.erase(found);
    return true;
}

cKeyboard* cSdlWindowSystem::CreateKeyboard(cWindow* window)
{
    auto found = std::find(windows.begin(), windows.end(), window);
    return new cSdlKeyboard(found == windows.end() ? 0 : (*found)->GetId());
}

cSdlWindow* cSdlWindowSystem::FindWindow(uint32_t windowId) const
{
    for (cSdlWindow* window : windows)
    {
        if (window->GetId() == windowId)
            return window;
    }
    return nullptr;
}

void cSdlWindowSystem::SetCursorVisible(bool visible)
{
    if (videoStarted)
        SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void cSdlWindowSystem::PumpEvents()
{
    if (!videoStarted)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event))
        Translate(event);
}

void cSdlWindowSystem::PostSimple(eWindowMessage type, uint64_t wParam, int64_t lParam)
{
    WindowMessage message;
    message.type = type;
    message.wParam = wParam;
    message.lParam = lParam;
    PostMessage(message);
}

void cSdlWindowSystem::Translate(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_WINDOWEVENT:
        if (cSdlWindow* window = FindWindow(event.window.windowID))
            TranslateWindowEvent(event.window, *window);
        return;
    case SDL_MOUSEMOTION:
        if (cSdlWindow* window = FindWindow(event.motion.windowID))
        {
            int x = 0;
            int y = 0;
            window->MapPointer(event.motion.x, event.motion.y, x, y);
            PostSimple(eWindowMessage::MouseMove, 0, MakePointParameter(ClampToShort(x), ClampToShort(y)));
        }
        return;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (cSdlWindow* window = FindWindow(event.button.windowID))
        {
            const bool down = event.type == SDL_MOUSEBUTTONDOWN;
            eWindowMessage type = eWindowMessage::None;
            if (event.button.button == SDL_BUTTON_LEFT)
                type = down ? eWindowMessage::LeftButtonDown : eWindowMessage::LeftButtonUp;
            else if (event.button.button == SDL_BUTTON_RIGHT)
                type = down ? eWindowMessage::RightButtonDown : eWindowMessage::RightButtonUp;
            else if (event.button.button == SDL_BUTTON_MIDDLE)
                type = down ? eWindowMessage::MiddleButtonDown : eWindowMessage::MiddleButtonUp;
            if (type == eWindowMessage::None)
                return;
            int x = 0;
            int y = 0;
            window->MapPointer(event.button.x, event.button.y, x, y);
            PostSimple(type, 0, MakePointParameter(ClampToShort(x), ClampToShort(y)));
        }
        return;
    case SDL_MOUSEWHEEL:
        if (FindWindow(event.wheel.windowID))
        {
            int notches = event.wheel.y;
            if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED)
                notches = -notches;
            if (notches == 0)
                return;
            const uint16_t turn = uint16_t(ClampToShort(notches * kWheelStep));
            PostSimple(eWindowMessage::MouseWheel, uint64_t(turn) << 16);
        }
        return;
    case SDL_TEXTINPUT:
        if (FindWindow(event.text.windowID))
            TranslateText(event.text.text);
        return;
    case SDL_KEYDOWN:
        if (FindWindow(event.key.windowID))
        {
            // Typed text carries no control characters; these three the console and the text
            // fields need, so they are made from the key presses (repeats included).
            const SDL_Scancode key = event.key.keysym.scancode;
            if (key == SDL_SCANCODE_BACKSPACE)
                PostSimple(eWindowMessage::Character, 8);
            else if (key == SDL_SCANCODE_RETURN || key == SDL_SCANCODE_KP_ENTER)
                PostSimple(eWindowMessage::Character, 13);
            else if (key == SDL_SCANCODE_ESCAPE)
                PostSimple(eWindowMessage::Character, 27);
        }
        return;
    default:
        // SDL_QUIT follows the close of the last window, which already asked the engine to quit.
        return;
    }
}

void cSdlWindowSystem::TranslateWindowEvent(const SDL_WindowEvent& event, cSdlWindow& window)
{
    switch (event.event)
    {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        PostSimple(eWindowMessage::Activate, 1);
        return;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        PostSimple(eWindowMessage::Activate, 0);
        return;
    case SDL_WINDOWEVENT_CLOSE:
        PostSimple(eWindowMessage::Close);
        return;
    case SDL_WINDOWEVENT_MINIMIZED:
        window.NoteMinimised();
        return;
    case SDL_WINDOWEVENT_MAXIMIZED:
        PostSimple(eWindowMessage::SystemCommand, uint64_t(eSystemCommand::Maximise));
        return;
    case SDL_WINDOWEVENT_RESTORED:
        if (window.TakeRestoreFromMinimised())
            PostSimple(eWindowMessage::QueryOpen);
        else
            PostSimple(eWindowMessage::SystemCommand, uint64_t(eSystemCommand::Restore));
        return;
    case SDL_WINDOWEVENT_LEAVE:
        if (window.TakeMouseLeave())
            PostSimple(eWindowMessage::MouseLeave);
        return;
    default:
        return;
    }
}

void cSdlWindowSystem::TranslateText(const char* utf8)
{
    const unsigned char* text = reinterpret_cast<const unsigned char*>(utf8);
    while (*text)
    {
        const uint32_t codePoint = NextCodePoint(text);
        if (codePoint < 0x10000)
        {
            PostSimple(eWindowMessage::Character, codePoint);
            continue;
        }
        // Beyond the basic plane a character is two UTF-16 units, high surrogate first.
        const uint32_t offset = codePoint - 0x10000;
        PostSimple(eWindowMessage::Character, 0xD800 | (offset >> 10));
        PostSimple(eWindowMessage::Character, 0xDC00 | (offset & 0x3FF));
    }
}

// Leak checking in sanitizer builds: the D-Bus connection SDL opens to hold the screen saver off
// lives until the process ends, by design of libdbus. Our own leaks are still reported.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n";
}
