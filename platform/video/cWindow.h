// cWindow: the program's main window: showing, focus, size and the native handle the device draws into.
#pragma once

class cWindow
{
public:
    virtual ~cWindow() = default;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    // Restores a minimised window, shows it normally, raises it and gives it the keyboard focus.
    virtual void BringToFront() = 0;
    virtual bool IsVisible() const = 0;
    virtual bool IsMinimised() const = 0;
    // Whether this is the window the user works with: it holds the input focus.
    virtual bool IsInFront() const = 0;
    // Changes the client size keeping the top-left corner (windowed only).
    virtual void SetClientSize(int width, int height) = 0;
    // The size the engine asked for: mouse positions arrive in these pixels.
    virtual int GetClientWidth() const = 0;
    virtual int GetClientHeight() const = 0;
    // Asks for one mouse-leave message when the pointer next leaves the window.
    virtual void TrackMouseLeave() = 0;
    // What the rendering device draws into (an SDL_Window for the OpenGL device; null for the null window).
    virtual void* GetNativeHandle() const = 0;
};
