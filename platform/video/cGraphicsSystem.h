// cGraphicsSystem: the entry to the rendering devices: display mode, capabilities, device creation.
#pragma once

#include "platform/video/RenderTypes.h"
#include "platform/video/cRenderDevice.h"

#include <cstdint>
#include <memory>

// Adapter 0 is the only adapter.
class cGraphicsSystem
{
public:
    virtual ~cGraphicsSystem() = default;

    virtual uint32_t GetAdapterCount() const { return 1; }
    // The desktop's current mode.
    virtual RenderResult GetAdapterDisplayMode(uint32_t adapter, DisplayMode& mode) = 0;
    virtual RenderResult GetDeviceCaps(uint32_t adapter, DeviceType type, DeviceCaps& caps) = 0;
    // Creates a device presenting into parameters.deviceWindow. focusWindow is the window whose focus
    // and minimising decide whether a full-screen device is lost. behaviour combines DeviceBehaviour
    // flags. A width or height of 0 in the parameters is replaced by the window's client size.
    virtual RenderResult CreateDevice(uint32_t adapter, DeviceType type, void* focusWindow,
                                      uint32_t behaviour, PresentParameters& parameters,
                                      std::unique_ptr<cRenderDevice>& device) = 0;
};
