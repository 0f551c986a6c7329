// cNullGraphicsSystem: a graphics system without hardware for tests, making null devices.
#pragma once

#include "platform/video/RenderTypes.h"
#include "platform/video/cGraphicsSystem.h"
#include "platform/video/cRenderCallLog.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

// One CreateDevice call as the system saw it.
struct NullCreateAttempt
{
    uint32_t adapter = 0;
    DeviceType type = DeviceType::Hardware;
    void* focusWindow = nullptr;
    uint32_t behaviour = 0;
    PresentParameters parameters;
    RenderResult result = RenderResult::Ok;
};

// Returns the results a test injects and records each CreateDevice attempt.
class cNullGraphicsSystem : public cGraphicsSystem
{
public:
    // The devices it creates write into the same log.
    explicit cNullGraphicsSystem(
        std::shared_ptr<cRenderCallLog> callLog = std::make_shared<cRenderCallLog>());

    RenderResult GetAdapterDisplayMode(uint32_t adapter, DisplayMode& mode) override;
    RenderResult GetDeviceCaps(uint32_t adapter, DeviceType type, DeviceCaps& caps) override;
    // Takes the next queued result (Ok, or the default result, when the queue is empty); a success makes
    // a cNullRenderDevice. Every call is recorded.
    RenderResult CreateDevice(uint32_t adapter, DeviceType type, void* focusWindow, uint32_t behaviour,
                              PresentParameters& parameters, std::unique_ptr<cRenderDevice>& device) override;

    // Injection for tests.
    void SetDisplayMode(const DisplayMode& mode) { displayMode = mode; }
    void SetDisplayModeResult(RenderResult result) { displayModeResult = result; }
    void SetCaps(const DeviceCaps& newCaps) { caps = newCaps; }
    // The client size of every device window: what a back-buffer size of 0 becomes.
    void SetWindowClientSize(uint32_t width, uint32_t height);
    // Results of the next CreateDevice calls, one per call, in order.
    void QueueCreateResult(RenderResult result) { createResults.push_back(result); }
    // The result once the queue is empty (Ok at first); NotAvailable makes every attempt fail.
    void SetDefaultCreateResult(RenderResult result) { defaultCreateResult = result; }

    const std::vector<NullCreateAttempt>& GetCreateAttempts() const { return attempts; }
    const std::shared_ptr<cRenderCallLog>& GetLog() const { return log; }

private:
    std::shared_ptr<cRenderCallLog> log;
    DisplayMode displayMode{1920, 1200, 60, RenderFormat::X8R8G8B8};
    RenderResult displayModeResult = RenderResult::Ok;
    DeviceCaps caps{4096, 4096, 8, 8, 8};
    uint32_t clientWidth = 1024;
    uint32_t clientHeight = 768;
    std::deque<RenderResult> createResults;
    RenderResult defaultCreateResult = RenderResult::Ok;
    std::vector<NullCreateAttempt> attempts;
};
