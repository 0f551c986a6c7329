// cGLGraphicsSystem: the graphics system on SDL2 and OpenGL: desktop mode, adapter limits, GL devices.
#pragma once

#include "platform/video/cGraphicsSystem.h"

#include <string>

// Needs SDL's video subsystem initialised (the window layer does that); without it every query
// reports NotAvailable. Devices present into the SDL_Window* given as the device window.
class cGLGraphicsSystem : public cGraphicsSystem
{
public:
    RenderResult GetAdapterDisplayMode(uint32_t adapter, DisplayMode& mode) override;
    // Asks OpenGL once, through a hidden window of its own, and remembers the answer.
    RenderResult GetDeviceCaps(uint32_t adapter, DeviceType type, DeviceCaps& caps) override;
    // Only the hardware device type exists; the behaviour must name exactly one kind of vertex
    // processing. Unsupported formats, depths and multisampling are refused with NotAvailable.
    RenderResult CreateDevice(uint32_t adapter, DeviceType type, void* focusWindow, uint32_t behaviour,
                              PresentParameters& parameters, std::unique_ptr<cRenderDevice>& device) override;

    // Why the last failed call failed, for the log.
    const std::string& GetError() const { return error; }

private:
    RenderResult ProbeCaps();

    DeviceCaps caps;
    bool probed = false;
    std::string error;
};
