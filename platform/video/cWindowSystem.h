// cWindowSystem: window classes, the main window, its message queue, the cursor count and the keyboard.
#pragma once

#include "platform/video/WindowMessage.h"

#include <cstdint>
#include <deque>
#include <string>

class cKeyboard;
class cWindow;

struct WindowDescription
{
    std::string className;
    std::string title; // 8-bit text, one character per byte
    int width = 0;     // client size in pixels, which is also the back buffer's size
    int height = 0;
    bool fullScreen = false; // covers the desktop; the back buffer is shown letterboxed
    bool visible = true;
};

class cWindowSystem
{
public:
    virtual ~cWindowSystem() = default;

    // The class the main window is made of; false when the window system is unusable.
    virtual bool RegisterWindowClass(const std::string& className) = 0;
    virtual bool UnregisterWindowClass(const std::string& className) = 0;
    // Creates a window of a registered class centred on the desktop; null on failure. The
    // window stays the system's until DestroyWindow.
    virtual cWindow* CreateWindow(const WindowDescription& description) = 0;
    // Releases the window in any case; false when the system reported a failure.
    virtual bool DestroyWindow(cWindow* window) = 0;
    // A keyboard device bound to the window's focus, owned by the caller.
    virtual cKeyboard* CreateKeyboard(cWindow* window) = 0;
    // What happens to a message the window procedure leaves to the system.
    virtual int64_t DefaultProcedure(const WindowMessage& message) { return 0; }

    // Removes the oldest waiting message into message; false when none waits. A posted quit
    // message comes only once every other message has been taken.
    bool PeekMessage(WindowMessage& message);
    void PostMessage(const WindowMessage& message);
    void PostQuitMessage(int exitCode);
    // The cursor display count: showing adds one, hiding takes one away; the system cursor is
    // visible while the count is not negative. Returns the new count.
    int ShowCursor(bool show);
    int GetCursorCount() const { return cursorCount; }

protected:
    // Turns what the system has to say into waiting messages.
    virtual void PumpEvents() {}
    virtual void SetCursorVisible(bool visible) {}

private:
    std::deque<WindowMessage> waiting;
    bool quitPosted = false;
    int quitCode = 0;
    int cursorCount = 0;
};
