// cNullWindow: a window that exists only in memory, for tests and the headless console; in front by default.
#pragma once

#include "platform/video/cWindow.h"
#include "platform/video/cWindowSystem.h"

class cNullWindow : public cWindow
{
public:
    explicit cNullWindow(const WindowDescription& description);

    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    void BringToFront() override;
    bool IsVisible() const override { return visible; }
    bool IsMinimised() const override { return minimised; }
    bool IsInFront() const override { return inFront; }
    void SetClientSize(int width, int height) override;
    int GetClientWidth() const override { return description.width; }
    int GetClientHeight() const override { return description.height; }
    void TrackMouseLeave() override { trackingMouseLeave = true; }
    void* GetNativeHandle() const override { return const_cast<cNullWindow*>(this); }

    // What the window was made with, and what happened to it since.
    WindowDescription description;
    bool visible = false;
    bool minimised = false;
    bool inFront = true;
    bool trackingMouseLeave = false;
    int timesBroughtToFront = 0;
};
