// cNullRenderDevice: a rendering device without hardware that records every call.
#pragma once

#include "platform/video/RenderTypes.h"
#include "platform/video/cRenderCallLog.h"
#include "platform/video/cRenderDevice.h"
#include "platform/video/cRenderStateBlock.h"

#include <cstdint>
#include <deque>
#include <memory>

// Draws nothing. Each call adds one line to the log, for example "SetRenderState ZEnable 1",
// "SetTextureStageState 0 ColorOp 4", "Clear 3 FF000000 1", "DrawIndexedPrimitiveUP TriangleList 4 2 16
// 0x142".
//
// It keeps its states and textures in memory and returns the results a test injects.
class cNullRenderDevice : public cRenderDevice
{
public:
    // windowWidth/windowHeight stand in for the window's client size.
    cNullRenderDevice(std::shared_ptr<cRenderCallLog> callLog, const PresentParameters& initial,
                      uint32_t windowWidth, uint32_t windowHeight);
    ~cNullRenderDevice() override;

    RenderResult TestCooperativeLevel() override;
    RenderResult Reset(PresentParameters& parameters) override;
    const PresentParameters& GetPresentParameters() const override { return parameters; }

    RenderResult BeginScene() override;
    RenderResult EndScene() override;
    RenderResult Clear(uint32_t flags, uint32_t colour, float z) override;
    RenderResult Present() override;

    cRenderSurface* GetBackBuffer() override { return &backBuffer; }
    cRenderSurface* GetRenderTarget() override { return renderTarget; }
    RenderResult SetRenderTarget(cRenderSurface* surface) override;
    RenderResult StretchRect(cRenderSurface* source, const RenderRect* sourceRect,
                             cRenderSurface* destination, const RenderRect* destinationRect,
                             TextureFilter filter) override;
    RenderResult GetRenderTargetData(cRenderSurface* renderTarget, cRenderSurface* destination) override;

    RenderResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                               RenderFormat format, MemoryPool pool,
                               std::unique_ptr<cRenderTexture>& texture) override;

    RenderResult SetTransform(TransformType type, const RenderMatrix& matrix) override;
    RenderResult SetMaterial(const RenderMaterial& material) override;
    RenderResult SetLight(uint32_t index, const RenderLight& light) override;
    RenderResult LightEnable(uint32_t index, bool enable) override;
    RenderResult SetRenderState(RenderState state, uint32_t value) override;
    uint32_t GetRenderState(RenderState state) const override { return states.GetRenderState(state); }
    RenderResult SetTexture(uint32_t stage, cRenderTexture* texture) override;
    RenderResult SetTextureStageState(uint32_t stage, StageState state, uint32_t value) override;
    RenderResult SetSamplerState(uint32_t sampler, SamplerState state, uint32_t value) override;
    RenderResult SetScissorRect(const RenderRect& rect) override;
    RenderResult SetViewport(const RenderViewport& viewport) override;
    RenderViewport GetViewport() const override { return states.viewport; }
    RenderResult SetFVF(uint32_t format) override;
    RenderResult DrawIndexedPrimitiveUP(PrimitiveType type, uint32_t minVertexIndex, uint32_t vertexCount,
                                        uint32_t primitiveCount, const void* indices, IndexFormat indexFormat,
                                        const void* vertices, uint32_t stride) override;

    // Injection for tests: the device becomes lost (TestCooperativeLevel reports DeviceLost) ...
    void LoseDevice();
    // ... then resettable (DeviceNotReset); a successful Reset brings it back to Ok.
    void AllowReset();
    // Results of the next Reset calls, in order, instead of the normal outcome.
    void QueueResetResult(RenderResult result) { resetResults.push_back(result); }
    // Fails the next CreateTexture calls with the result (Ok stops it).
    void SetCreateTextureResult(RenderResult result) { createTextureResult = result; }

    const cRenderStateBlock& GetStates() const { return states; }
    bool IsInScene() const { return inScene; }
    const std::shared_ptr<cRenderCallLog>& GetLog() const { return log; }

private:
    void Record(const std::string& line) { log->Add(line); }
    void ApplyParameters(PresentParameters& newParameters);

    std::shared_ptr<cRenderCallLog> log;
    PresentParameters parameters;
    uint32_t clientWidth;
    uint32_t clientHeight;
    cRenderSurface backBuffer;
    cRenderSurface* renderTarget;
    cRenderStateBlock states;
    RenderResult cooperativeLevel = RenderResult::Ok;
    std::deque<RenderResult> resetResults;
    RenderResult createTextureResult = RenderResult::Ok;
    bool inScene = false;
};
