// cNullGraphicsSystem: a graphics system without hardware for tests, making null devices.
#include "platform/video/cNullGraphicsSystem.h"

#include "platform/video/cNullRenderDevice.h"

#include <cstdio>
#include <string>

cNullGraphicsSystem::cNullGraphicsSystem(std::shared_ptr<cRenderCallLog> callLog) : log(std::move(callLog)) {}

RenderResult cNullGraphicsSystem::GetAdapterDisplayMode(uint32_t adapter, DisplayMode& mode)
{
    if (adapter != 0)
    {
        return RenderResult::InvalidCall;
    }
    if (!Failed(displayModeResult))
    {
        mode = displayMode;
    }
    return displayModeResult;
}

RenderResult cNullGraphicsSystem::GetDeviceCaps(uint32_t adapter, DeviceType type, DeviceCaps& result)
{
    if (adapter != 0)
    {
        return RenderResult::InvalidCall;
    }
    result = caps;
    return RenderResult::Ok;
}

void cNullGraphicsSystem::SetWindowClientSize(uint32_t width, uint32_t height)
{
    clientWidth = width;
    clientHeight = height;
}

RenderResult cNullGraphicsSystem::CreateDevice(uint32_t adapter, DeviceType type, void* focusWindow,
                                               uint32_t behaviour, PresentParameters& parameters,
                                               std::unique_ptr<cRenderDevice>& device)
{
    RenderResult result = defaultCreateResult;
    if (!createResults.empty())
    {
        result = createResults.front();
        createResults.pop_front();
    }
    if (adapter != 0)
    {
        result = RenderResult::InvalidCall;
    }
    attempts.push_back(NullCreateAttempt{adapter, type, focusWindow, behaviour, parameters, result});

    char line[256];
    std::snprintf(
        line, sizeof line,
        "CreateDevice adapter %u type %u behaviour 0x%X format %s depth %s size %ux%u windowed %d -> %s",
        adapter, uint32_t(type), behaviour, RenderFormatName(parameters.backBufferFormat),
        parameters.enableAutoDepthStencil ? RenderFormatName(parameters.autoDepthStencilFormat) : "none",
        parameters.backBufferWidth, parameters.backBufferHeight, parameters.windowed ? 1 : 0,
        RenderResultName(result));
    log->Add(line);

    if (Failed(result))
    {
        device.reset();
        return result;
    }
    device = std::make_unique<cNullRenderDevice>(log, parameters, clientWidth, clientHeight);
    parameters = device->GetPresentParameters();
    return result;
}
