// cRenderDevice: the rendering device the renderer draws through, shaped like a fixed-function 3D device.
#pragma once

#include "platform/video/RenderTypes.h"
#include "platform/video/cRenderSurface.h"
#include "platform/video/cRenderTexture.h"

#include <cstdint>
#include <memory>

// Conventions: row-vector matrices (v' = v * M), a left-handed space, depth 0 (near) to 1 (far),
// window coordinates with y pointing down, texture row 0 at the top, colours as 32-bit ARGB.
//
// Only the main thread draws; textures may be created and locked from any thread.
class cRenderDevice
{
public:
    virtual ~cRenderDevice() = default;

    // Ok while the device can draw; DeviceLost while it cannot be reset; DeviceNotReset once Reset
    // may bring it back.
    virtual RenderResult TestCooperativeLevel() = 0;
    // Rebuilds the back buffer for the parameters (a width or height of 0 takes the window's client
    // size) and sets every state to its default.
    virtual RenderResult Reset(PresentParameters& parameters) = 0;
    virtual const PresentParameters& GetPresentParameters() const = 0;

    virtual RenderResult BeginScene() = 0;
    virtual RenderResult EndScene() = 0;
    // Clears the viewport of the current target (limited by the scissor rectangle while the scissor
    // test is on): flags from ClearFlags, colour ARGB, depth 0..1.
    virtual RenderResult Clear(uint32_t flags, uint32_t colour, float z) = 0;
    virtual RenderResult Present() = 0;

    // The back buffer's surface, owned by the device.
    virtual cRenderSurface* GetBackBuffer() = 0;
    virtual cRenderSurface* GetRenderTarget() = 0;
    // The back buffer or the top surface of a render-target texture. Resets the viewport and the
    // scissor rectangle to the whole target.
    virtual RenderResult SetRenderTarget(cRenderSurface* surface) = 0;
    // Copies a rectangle between render targets and the back buffer, scaling with point or linear
    // filtering. Null rectangles mean the whole surface.
    virtual RenderResult StretchRect(cRenderSurface* source, const RenderRect* sourceRect,
                                     cRenderSurface* destination, const RenderRect* destinationRect,
                                     TextureFilter filter) = 0;
    // Reads a render target (or the back buffer) into a system-memory texture of the same size.
    virtual RenderResult GetRenderTargetData(cRenderSurface* renderTarget, cRenderSurface* destination) = 0;

    // Creates a texture; the caller owns it and deletes it before the device.
    virtual RenderResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                                       RenderFormat format, MemoryPool pool,
                                       std::unique_ptr<cRenderTexture>& texture) = 0;

    virtual RenderResult SetTransform(TransformType type, const RenderMatrix& matrix) = 0;
    virtual RenderResult SetMaterial(const RenderMaterial& material) = 0;
    virtual RenderResult SetLight(uint32_t index, const RenderLight& light) = 0;
    virtual RenderResult LightEnable(uint32_t index, bool enable) = 0;
    virtual RenderResult SetRenderState(RenderState state, uint32_t value) = 0;
    virtual uint32_t GetRenderState(RenderState state) const = 0;
    // Binds a texture to a stage; null unbinds it (the stage then ends the texture cascade).
    virtual RenderResult SetTexture(uint32_t stage, cRenderTexture* texture) = 0;
    virtual RenderResult SetTextureStageState(uint32_t stage, StageState state, uint32_t value) = 0;
    virtual RenderResult SetSamplerState(uint32_t sampler, SamplerState state, uint32_t value) = 0;
    virtual RenderResult SetScissorRect(const RenderRect& rect) = 0;
    virtual RenderResult SetViewport(const RenderViewport& viewport) = 0;
    virtual RenderViewport GetViewport() const = 0;

    // Selects the vertex format of the next draws (kVertexPositionDiffuse and friends).
    virtual RenderResult SetFVF(uint32_t format) = 0;
    // Draws indexed primitives from memory: primitiveCount triangles or lines whose indices (16 or 32
    // bit) refer to vertices minVertexIndex .. minVertexIndex + vertexCount - 1 of vertices, each
    // stride bytes long in the current vertex format.
    virtual RenderResult DrawIndexedPrimitiveUP(PrimitiveType type, uint32_t minVertexIndex,
                                                uint32_t vertexCount, uint32_t primitiveCount,
                                                const void* indices, IndexFormat indexFormat,
                                                const void* vertices, uint32_t stride) = 0;
};
