// cSdlWindow: window creation, showing and focus, and the mapping of the pointer into back-buffer pixels.
#include "platform/video/cSdlWindow.h"

#include "platform/video/RenderTypes.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace
{
// The engine's titles are 8-bit text, one character per byte; SDL wants UTF-8.
std::string Latin1ToUtf8(const std::string& text)
{
    std::string converted;
    converted.reserve(text.size() * 2);
    for (unsigned char c : text)
    {
        if (c < 0x80)
        {
            converted += char(c);
            continue;
        }
        converted += char(0xC0 | (c >> 6));
        converted += char(0x80 | (c & 0x3F));
    }
    return converted;
}
} // namespace

cSdlWindow::cSdlWindow(const WindowDescription& description)
    : backBufferWidth(description.width), backBufferHeight(description.height),
      fullScreen(description.fullScreen)
{
    uint32_t flags = SDL_WINDOW_OPENGL | (description.visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN);
    if (fullScreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window = SDL_CreateWindow(Latin1ToUtf8(description.title).c_str(), SDL_WINDOWPOS_CENTERED,
                              SDL_WINDOWPOS_CENTERED, description.width, description.height, flags);
    if (window)
        id = SDL_GetWindowID(window);
}

cSdlWindow::~cSdlWindow()
{
    if (window)
        SDL_DestroyWindow(window);
}

uint32_t cSdlWindow::Flags() const
{
    return window ? SDL_GetWindowFlags(window) : 0;
}

void cSdlWindow::Show()
{
    if (window)
        SDL_ShowWindow(window);
}

void cSdlWindow::Hide()
{
    if (window)
        SDL_HideWindow(window);
}

void cSdlWindow::BringToFront()
{
    if (!window)
        return;
    if (IsMinimised())
        SDL_RestoreWindow(window);
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
}

bool cSdlWindow::IsVisible() const
{
    return (Flags() & SDL_WINDOW_SHOWN) != 0;
}

bool cSdlWindow::IsMinimised() const
{
    return (Flags() & SDL_WINDOW_MINIMIZED) != 0;
}

bool cSdlWindow::IsInFront() const
{
    return (Flags() & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void cSdlWindow::SetClientSize(int width, int height)
{
    if (!window || fullScreen || width <= 0 || height <= 0)
        return;
    // SDL keeps the top-left corner when only the size changes.
    SDL_SetWindowSize(window, width, height);
    backBufferWidth = width;
    backBufferHeight = height;
}

void cSdlWindow::MapPointer(int windowX, int windowY, int& x, int& y) const
{
    x = windowX;
    y = windowY;
    if (!window || !fullScreen)
        return;
    int shownWidth = 0;
    int shownHeight = 0;
    SDL_GetWindowSize(window, &shownWidth, &shownHeight);
    MapLetterboxed(shownWidth, shownHeight, backBufferWidth, backBufferHeight, x, y);
}

void cSdlWindow::MapLetterboxed(int shownWidth, int shownHeight, int bufferWidth, int bufferHeight, int& x,
                                int& y)
{
    if (shownWidth <= 0 || shownHeight <= 0 || bufferWidth <= 0 || bufferHeight <= 0)
        return;
    // The same rectangle the device presents into.
    const RenderRect shown = LetterboxRect(uint32_t(bufferWidth), uint32_t(bufferHeight),
                                           uint32_t(shownWidth), uint32_t(shownHeight));
    const int shownRectWidth = std::max(1, shown.right - shown.left);
    const int shownRectHeight = std::max(1, shown.bottom - shown.top);
    x = int(std::floor(double(x - shown.left) * bufferWidth / shownRectWidth));
    y = int(std::floor(double(y - shown.top) * bufferHeight / shownRectHeight));
}

bool cSdlWindow::TakeMouseLeave()
{
    const bool wanted = trackingMouseLeave;
    trackingMouseLeave = false;
    return wanted;
}

bool cSdlWindow::TakeRestoreFromMinimised()
{
    const bool restored = wasMinimised;
    wasMinimised = false;
    return restored;
}
