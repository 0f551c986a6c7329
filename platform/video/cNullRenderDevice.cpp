// cNullRenderDevice: a rendering device without hardware that records every call.
#include "platform/video/cNullRenderDevice.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace
{
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Format(const char* format, ...)
{
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    return line;
}

const char* SurfaceName(const cRenderSurface* surface)
{
    if (!surface)
    {
        return "null";
    }
    return surface->IsBackBuffer() ? "backbuffer" : "texture";
}
} // namespace

cNullRenderDevice::cNullRenderDevice(std::shared_ptr<cRenderCallLog> callLog,
                                     const PresentParameters& initial, uint32_t windowWidth,
                                     uint32_t windowHeight)
    : log(std::move(callLog)), parameters(initial), clientWidth(windowWidth), clientHeight(windowHeight),
      backBuffer(nullptr, 0, 0, 0, RenderFormat::Unknown), renderTarget(&backBuffer)
{
    ApplyParameters(parameters);
}

cNullRenderDevice::~cNullRenderDevice()
{
    Record("Release device");
}

void cNullRenderDevice::ApplyParameters(PresentParameters& newParameters)
{
    if (newParameters.backBufferWidth == 0)
    {
        newParameters.backBufferWidth = clientWidth;
    }
    if (newParameters.backBufferHeight == 0)
    {
        newParameters.backBufferHeight = clientHeight;
    }
    parameters = newParameters;
    RenderFormat format = parameters.backBufferFormat;
    if (format == RenderFormat::Unknown)
    {
        format = RenderFormat::X8R8G8B8;
    }
    backBuffer = cRenderSurface(nullptr, 0, parameters.backBufferWidth, parameters.backBufferHeight, format);
    renderTarget = &backBuffer;
    states.SetDefaults(parameters.backBufferWidth, parameters.backBufferHeight);
    inScene = false;
}

RenderResult cNullRenderDevice::TestCooperativeLevel()
{
    return cooperativeLevel;
}

RenderResult cNullRenderDevice::Reset(PresentParameters& newParameters)
{
    RenderResult result = RenderResult::Ok;
    if (cooperativeLevel == RenderResult::DeviceLost)
    {
        result = RenderResult::DeviceLost;
    }
    if (!resetResults.empty())
    {
        result = resetResults.front();
        resetResults.pop_front();
    }
    Record(Format("Reset %ux%u -> %s", newParameters.backBufferWidth, newParameters.backBufferHeight,
                  RenderResultName(result)));
    if (Failed(result))
    {
        return result;
    }
    ApplyParameters(newParameters);
    cooperativeLevel = RenderResult::Ok;
    return result;
}

RenderResult cNullRenderDevice::BeginScene()
{
    Record("BeginScene");
    if (inScene)
    {
        return RenderResult::InvalidCall;
    }
    inScene = true;
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::EndScene()
{
    Record("EndScene");
    if (!inScene)
    {
        return RenderResult::InvalidCall;
    }
    inScene = false;
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::Clear(uint32_t flags, uint32_t colour, float z)
{
    Record(Format("Clear %u %08X %g", flags, colour, double(z)));
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::Present()
{
    Record("Present");
    if (cooperativeLevel != RenderResult::Ok)
    {
        return RenderResult::DeviceLost;
    }
    return inScene ? RenderResult::InvalidCall : RenderResult::Ok;
}

RenderResult cNullRenderDevice::SetRenderTarget(cRenderSurface* surface)
{
    Record(Format("SetRenderTarget %s", SurfaceName(surface)));
    if (!surface || (!surface->IsBackBuffer() && !surface->GetTexture()->IsRenderTarget()))
    {
        return RenderResult::InvalidCall;
    }
    renderTarget = surface;
    states.viewport = RenderViewport{0, 0, surface->GetWidth(), surface->GetHeight(), 0.0f, 1.0f};
    states.scissor = RenderRect{0, 0, int32_t(surface->GetWidth()), int32_t(surface->GetHeight())};
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::StretchRect(cRenderSurface* source, const RenderRect* sourceRect,
                                            cRenderSurface* destination, const RenderRect* destinationRect,
                                            TextureFilter filter)
{
    Record(Format("StretchRect %s %s %u", SurfaceName(source), SurfaceName(destination), uint32_t(filter)));
    if (!source || !destination || source == destination)
    {
        return RenderResult::InvalidCall;
    }
    if (!destination->IsBackBuffer() && !destination->GetTexture()->IsRenderTarget())
    {
        return RenderResult::InvalidCall;
    }
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::GetRenderTargetData(cRenderSurface* source, cRenderSurface* destination)
{
    Record(Format("GetRenderTargetData %s %s", SurfaceName(source), SurfaceName(destination)));
    if (!source || !destination || destination->IsBackBuffer() ||
        destination->GetTexture()->GetPool() != MemoryPool::SystemMemory ||
        source->GetWidth() != destination->GetWidth() || source->GetHeight() != destination->GetHeight())
    {
        return RenderResult::InvalidCall;
    }
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::CreateTexture(uint32_t width, uint32_t height, uint32_t levels,
                                              uint32_t usage, RenderFormat format, MemoryPool pool,
                                              std::unique_ptr<cRenderTexture>& texture)
{
    Record(Format("CreateTexture %ux%u levels %u usage 0x%X format %s pool %u", width, height, levels, usage,
                  RenderFormatName(format), uint32_t(pool)));
    texture.reset();
    if (Failed(createTextureResult))
    {
        return createTextureResult;
    }
    if (width == 0 || height == 0 || BytesPerPixel(format) == 0)
    {
        return RenderResult::InvalidCall;
    }
    if ((usage & (UsageRenderTarget | UsageDynamic)) && pool != MemoryPool::Default)
    {
        return RenderResult::InvalidCall;
    }
    texture = std::make_unique<cRenderTexture>(width, height, levels, usage, format, pool);
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::SetTransform(TransformType type, const RenderMatrix& matrix)
{
    Record(Format("SetTransform %u", uint32_t(type)));
    return states.SetTransform(type, matrix) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cNullRenderDevice::SetMaterial(const RenderMaterial& material)
{
    Record(Format("SetMaterial diffuse %g %g %g %g emissive %g %g %g specular %g %g %g power %g",
                  double(material.diffuse.r), double(material.diffuse.g), double(material.diffuse.b),
                  double(material.diffuse.a), double(material.emissive.r), double(material.emissive.g),
                  double(material.emissive.b), double(material.specular.r), double(material.specular.g),
                  double(material.specular.b), double(material.power)));
    states.material = material;
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::SetLight(uint32_t index, const RenderLight& light)
{
    Record(Format("SetLight %u type %u", index, uint32_t(light.type)));
    return states.SetLight(index, light) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cNullRenderDevice::LightEnable(uint32_t index, bool enable)
{
    Record(Format("LightEnable %u %d", index, enable ? 1 : 0));
    return states.EnableLight(index, enable) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cNullRenderDevice::SetRenderState(RenderState state, uint32_t value)
{
    Record(Format("SetRenderState %s %u", RenderStateName(state), value));
    return states.SetRenderState(state, value) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cNullRenderDevice::SetTexture(uint32_t stage, cRenderTexture* texture)
{
    Record(Format("SetTexture %u %s", stage, texture ? "texture" : "null"));
    return states.SetTexture(stage, texture) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cNullRenderDevice::SetTextureStageState(uint32_t stage, StageState state, uint32_t value)
{
    Record(Format("SetTextureStageState %u %s %u", stage, StageStateName(state), value));
    return states.SetStageState(stage, state, value) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cNullRenderDevice::SetSamplerState(uint32_t sampler, SamplerState state, uint32_t value)
{
    Record(Format("SetSamplerState %u %s %u", sampler, SamplerStateName(state), value));
    return states.SetSamplerState(sampler, state, value) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cNullRenderDevice::SetScissorRect(const RenderRect& rect)
{
    Record(Format("SetScissorRect %d %d %d %d", rect.left, rect.top, rect.right, rect.bottom));
    states.scissor = rect;
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::SetViewport(const RenderViewport& viewport)
{
    Record(Format("SetViewport %u %u %u %u", viewport.x, viewport.y, viewport.width, viewport.height));
    states.viewport = viewport;
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::SetFVF(uint32_t format)
{
    Record(Format("SetFVF 0x%X", format));
    if (VertexStride(format) == 0)
    {
        return RenderResult::InvalidCall;
    }
    states.vertexFormat = format;
    return RenderResult::Ok;
}

RenderResult cNullRenderDevice::DrawIndexedPrimitiveUP(PrimitiveType type, uint32_t minVertexIndex,
                                                       uint32_t vertexCount, uint32_t primitiveCount,
                                                       const void* indices, IndexFormat indexFormat,
                                                       const void* vertices, uint32_t stride)
{
    Record(Format("DrawIndexedPrimitiveUP %s %u %u %d 0x%X",
                  type == PrimitiveType::LineList ? "LineList" : "TriangleList", vertexCount, primitiveCount,
                  indexFormat == IndexFormat::Index32 ? 32 : 16, states.vertexFormat));
    if (!indices || !vertices || primitiveCount == 0 || stride != VertexStride(states.vertexFormat))
    {
        return RenderResult::InvalidCall;
    }
    return RenderResult::Ok;
}

void cNullRenderDevice::LoseDevice()
{
    Record("LoseDevice");
    cooperativeLevel = RenderResult::DeviceLost;
}

void cNullRenderDevice::AllowReset()
{
    Record("AllowReset");
    cooperativeLevel = RenderResult::DeviceNotReset;
}
