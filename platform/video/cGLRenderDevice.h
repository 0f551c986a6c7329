// cGLRenderDevice: the rendering device on OpenGL 3.3 core, presenting into an SDL window.
#pragma once

#include "platform/video/RenderTypes.h"
#include "platform/video/cGLFixedFunctionProgram.h"
#include "platform/video/cGLTextureRegistry.h"
#include "platform/video/cRenderDevice.h"
#include "platform/video/cRenderStateBlock.h"

#include <cstdint>
#include <memory>
#include <string>

struct SDL_Window;
class cGLTexture;

// The device window must be an SDL_Window created with SDL_WINDOW_OPENGL. The device owns a GL
// context on it and must be used (drawn, reset, destroyed) on the thread that created it; textures
// may be created, locked and destroyed on any thread.
//
// The back buffer is a framebuffer of its own, stored top row first like every render target;
// Present scales it into the window, letterboxed when the sizes differ, without waiting for the
// vertical blank.
//
// A full-screen device is lost while its focus window is minimised; InjectDeviceLoss does the same for
// tests.
class cGLRenderDevice : public cRenderDevice
{
public:
    cGLRenderDevice(SDL_Window* window, SDL_Window* focusWindow);
    ~cGLRenderDevice() override;
    cGLRenderDevice(const cGLRenderDevice&) = delete;
    cGLRenderDevice& operator=(const cGLRenderDevice&) = delete;

    // Creates the context, the shader and the back buffer; the reason of a failure is in GetError.
    RenderResult Initialise(PresentParameters& parameters);
    const std::string& GetError() const { return error; }
    uint32_t GetMaxTextureSize() const { return maxTextureSize; }

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

    // Tests: the device is lost as if its full-screen window had been minimised and restored: the
    // next TestCooperativeLevel reports DeviceLost, the ones after it DeviceNotReset until Reset.
    void InjectDeviceLoss();

private:
    enum class LossState
    {
        None,
        Lost,
        NotReset
    };

    RenderResult CheckParameters(PresentParameters& newParameters);
    void MakeCurrent();
    // Takes the new parameters, makes their back buffer and returns every state to its default.
    RenderResult StartBackBuffer(const PresentParameters& newParameters);
    bool CreateBackBuffer();
    void DestroyBackBuffer();
    void CreateSamplers();
    void UpdateSampler(uint32_t sampler);
    void DeleteRetired();
    uint32_t FramebufferOf(cRenderSurface* surface);
    bool IsOurTarget(cRenderSurface* surface) const;
    void BindTarget();
    void ApplyRasterState();
    void ApplyBlendState();
    int BindStageTextures();
    void UploadGeometry(uint32_t minVertexIndex, uint32_t vertexCount, const void* indices,
                        uint32_t indexBytes, const void* vertices, uint32_t stride);
    bool IsMinimisedFullScreen() const;

    SDL_Window* window;
    SDL_Window* focusWindow;
    void* context = nullptr;
    std::string error;
    PresentParameters parameters;
    std::shared_ptr<cGLTextureRegistry> registry;
    std::unique_ptr<cGLFixedFunctionProgram> program;
    cRenderStateBlock states;
    cRenderSurface backBuffer;
    cRenderSurface* renderTarget;
    uint32_t backFramebuffer = 0;
    uint32_t backColour = 0;
    uint32_t backDepth = 0;
    uint32_t vertexArray = 0;
    uint32_t vertexBuffer = 0;
    uint32_t indexBuffer = 0;
    uint32_t samplers[kMaxTextureStages] = {};
    uint32_t maxTextureSize = 0;
    LossState loss = LossState::None;
    bool lossReported = false;
    bool inScene = false;
};
