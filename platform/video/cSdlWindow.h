// cSdlWindow: the main window over SDL2, made for OpenGL; full screen shows the back buffer letterboxed.
#pragma once

#include "platform/video/cWindow.h"
#include "platform/video/cWindowSystem.h"

#include <SDL2/SDL_video.h>

#include <cstdint>

class cSdlWindow : public cWindow
{
public:
    // Opens the window; IsOpen() tells whether SDL made it.
    explicit cSdlWindow(const WindowDescription& description);
    ~cSdlWindow() override;
    cSdlWindow(const cSdlWindow&) = delete;
    cSdlWindow& operator=(const cSdlWindow&) = delete;

    bool IsOpen() const { return window != nullptr; }
    uint32_t GetId() const { return id; }

    void Show() override;
    void Hide() override;
    void BringToFront() override;
    bool IsVisible() const override;
    bool IsMinimised() const override;
    bool IsInFront() const override;
    void SetClientSize(int width, int height) override;
    int GetClientWidth() const override { return backBufferWidth; }
    int GetClientHeight() const override { return backBufferHeight; }
    void TrackMouseLeave() override { trackingMouseLeave = true; }
    void* GetNativeHandle() const override { return window; }

    // A pointer position in window pixels in the back buffer's pixels: the same in a window,
    // undone letterboxing in full screen. Positions on the black bars fall outside the buffer.
    void MapPointer(int windowX, int windowY, int& x, int& y) const;
    // The letterbox arithmetic alone: the back buffer drawn as large as fits into the shown
    // size, centred between black bars.
    static void MapLetterboxed(int shownWidth, int shownHeight, int bufferWidth, int bufferHeight, int& x,
                               int& y);
    // True once when the pointer left after a leave notification was asked for.
    bool TakeMouseLeave();
    // Remembers a minimise so that the restore can be told apart from other restores.
    void NoteMinimised() { wasMinimised = true; }
    bool TakeRestoreFromMinimised();

private:
    uint32_t Flags() const;

    SDL_Window* window = nullptr;
    uint32_t id = 0;
    int backBufferWidth = 0;
    int backBufferHeight = 0;
    bool fullScreen = false;
    bool trackingMouseLeave = false;
    bool wasMinimised = false;
};
