// cGLRenderDevice: the rendering device on OpenGL 3.3 core, presenting into an SDL window.
#include "platform/video/cGLRenderDevice.h"

#include "platform/video/cGLTexture.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <vector>

namespace
{
GLenum CompareOf(uint32_t function)
{
    switch (function)
    {
    case CompareNever:
        return GL_NEVER;
    case CompareLess:
        return GL_LESS;
    case CompareEqual:
        return GL_EQUAL;
    case CompareLessEqual:
        return GL_LEQUAL;
    case CompareGreater:
        return GL_GREATER;
    case CompareNotEqual:
        return GL_NOTEQUAL;
    case CompareGreaterEqual:
        return GL_GEQUAL;
    default:
        return GL_ALWAYS;
    }
}

GLenum BlendFactorOf(uint32_t factor)
{
    switch (factor)
    {
    case BlendZero:
        return GL_ZERO;
    case BlendSrcColour:
        return GL_SRC_COLOR;
    case BlendInvSrcColour:
        return GL_ONE_MINUS_SRC_COLOR;
    case BlendSrcAlpha:
        return GL_SRC_ALPHA;
    case BlendInvSrcAlpha:
        return GL_ONE_MINUS_SRC_ALPHA;
    case BlendDestAlpha:
        return GL_DST_ALPHA;
    case BlendInvDestAlpha:
        return GL_ONE_MINUS_DST_ALPHA;
    case BlendDestColour:
        return GL_DST_COLOR;
    case BlendInvDestColour:
        return GL_ONE_MINUS_DST_COLOR;
    case BlendSrcAlphaSat:
        return GL_SRC_ALPHA_SATURATE;
    case BlendFactorColour:
        return GL_CONSTANT_COLOR;
    case BlendInvFactorColour:
        return GL_ONE_MINUS_CONSTANT_COLOR;
    default:
        return GL_ONE;
    }
}

GLenum BlendEquationOf(uint32_t operation)
{
    switch (operation)
    {
    case BlendOpSubtract:
        return GL_FUNC_SUBTRACT;
    case BlendOpRevSubtract:
        return GL_FUNC_REVERSE_SUBTRACT;
    case BlendOpMin:
        return GL_MIN;
    case BlendOpMax:
        return GL_MAX;
    default:
        return GL_FUNC_ADD;
    }
}

GLenum AddressOf(uint32_t address)
{
    switch (address)
    {
    case AddressMirror:
        return GL_MIRRORED_REPEAT;
    case AddressClamp:
        return GL_CLAMP_TO_EDGE;
    case AddressBorder:
        return GL_CLAMP_TO_BORDER;
    default:
        return GL_REPEAT;
    }
}

GLenum MinFilterOf(uint32_t minFilter, uint32_t mipFilter)
{
    const bool linear = minFilter >= FilterLinear;
    if (mipFilter == FilterNone)
    {
        return linear ? GL_LINEAR : GL_NEAREST;
    }
    if (mipFilter == FilterPoint)
    {
        return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
    }
    return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
}

bool IsColourFormat(RenderFormat format)
{
    return format == RenderFormat::X8R8G8B8 || format == RenderFormat::A8R8G8B8;
}

// A rectangle inside a surface, or the whole surface for none.
bool ResolveRect(const RenderRect* rect, const cRenderSurface& surface, RenderRect& resolved)
{
    if (!rect)
    {
        resolved = RenderRect{0, 0, int32_t(surface.GetWidth()), int32_t(surface.GetHeight())};
        return true;
    }
    resolved = *rect;
    return rect->left >= 0 && rect->top >= 0 && rect->left < rect->right && rect->top < rect->bottom &&
           rect->right <= int32_t(surface.GetWidth()) && rect->bottom <= int32_t(surface.GetHeight());
}

// Indices must stay inside the vertices handed over, or the draw would read past them.
template <typename Index>
bool IndicesInRange(const void* indices, uint32_t count, uint32_t first, uint32_t vertexCount)
{
    const Index* values = static_cast<const Index*>(indices);
    for (uint32_t i = 0; i < count; ++i)
    {
        if (values[i] < first || values[i] - first >= vertexCount)
        {
            return false;
        }
    }
    return true;
}
} // namespace

cGLRenderDevice::cGLRenderDevice(SDL_Window* deviceWindow, SDL_Window* focus)
    : window(deviceWindow), focusWindow(focus ? focus : deviceWindow),
      registry(std::make_shared<cGLTextureRegistry>()), program(std::make_unique<cGLFixedFunctionProgram>()),
      backBuffer(nullptr, 0, 0, 0, RenderFormat::Unknown), renderTarget(&backBuffer)
{
}

cGLRenderDevice::~cGLRenderDevice()
{
    registry->DetachDevice();
    if (!context)
    {
        return;
    }
    MakeCurrent();
    DestroyBackBuffer();
    glDeleteSamplers(kMaxTextureStages, samplers);
    glDeleteBuffers(1, &vertexBuffer);
    glDeleteBuffers(1, &indexBuffer);
    glDeleteVertexArrays(1, &vertexArray);
    program.reset();
    SDL_GL_MakeCurrent(window, nullptr);
    SDL_GL_DeleteContext(context);
}

RenderResult cGLRenderDevice::CheckParameters(PresentParameters& newParameters)
{
    if (newParameters.backBufferFormat == RenderFormat::Unknown && newParameters.windowed)
    {
        newParameters.backBufferFormat = RenderFormat::X8R8G8B8;
    }
    if (!IsColourFormat(newParameters.backBufferFormat))
    {
        error = std::string("Back-buffer format ") + RenderFormatName(newParameters.backBufferFormat) +
                " is not offered.";
        return RenderResult::NotAvailable;
    }
    if (newParameters.enableAutoDepthStencil && newParameters.autoDepthStencilFormat != RenderFormat::D24X8 &&
        newParameters.autoDepthStencilFormat != RenderFormat::D16)
    {
        error = std::string("Depth format ") + RenderFormatName(newParameters.autoDepthStencilFormat) +
                " is not offered.";
        return RenderResult::NotAvailable;
    }
    if (newParameters.multiSampleType != 0)
    {
        error = "Multisampling is not offered.";
        return RenderResult::NotAvailable;
    }
    if (newParameters.backBufferCount > 3)
    {
        error = "Too many back buffers.";
        return RenderResult::InvalidCall;
    }
    newParameters.backBufferCount = std::max(1u, newParameters.backBufferCount);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    if (newParameters.backBufferWidth == 0)
    {
        newParameters.backBufferWidth = uint32_t(std::max(1, width));
    }
    if (newParameters.backBufferHeight == 0)
    {
        newParameters.backBufferHeight = uint32_t(std::max(1, height));
    }
    if (maxTextureSize &&
        (newParameters.backBufferWidth > maxTextureSize || newParameters.backBufferHeight > maxTextureSize))
    {
        error = "The back buffer is larger than the device can draw.";
        return RenderResult::InvalidCall;
    }
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::Initialise(PresentParameters& newParameters)
{
    if (!window || !(SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL))
    {
        error = "The device window is not an OpenGL window.";
        return window ? RenderResult::NotAvailable : RenderResult::InvalidCall;
    }
    const RenderResult checked = CheckParameters(newParameters);
    if (Failed(checked))
    {
        return checked;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    context = SDL_GL_CreateContext(window);
    if (!context)
    {
        error = std::string("No OpenGL 3.3 context: ") + SDL_GetError();
        return RenderResult::NotAvailable;
    }
    MakeCurrent();
    if (epoxy_gl_version() < 33)
    {
        error = "OpenGL 3.3 is not available.";
        return RenderResult::NotAvailable;
    }
    // Presentation never waits for the vertical blank.
    SDL_GL_SetSwapInterval(0);
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    maxTextureSize = uint32_t(size);
    if (!program->Build(error))
    {
        return RenderResult::DriverError;
    }
    glGenVertexArrays(1, &vertexArray);
    glGenBuffers(1, &vertexBuffer);
    glGenBuffers(1, &indexBuffer);
    CreateSamplers();
    return StartBackBuffer(newParameters);
}

void cGLRenderDevice::MakeCurrent()
{
    if (SDL_GL_GetCurrentContext() != context)
    {
        SDL_GL_MakeCurrent(window, context);
    }
}

RenderResult cGLRenderDevice::StartBackBuffer(const PresentParameters& newParameters)
{
    parameters = newParameters;
    if (!CreateBackBuffer())
    {
        return RenderResult::OutOfVideoMemory;
    }
    states.SetDefaults(parameters.backBufferWidth, parameters.backBufferHeight);
    for (uint32_t sampler = 0; sampler < kMaxTextureStages; ++sampler)
    {
        UpdateSampler(sampler);
    }
    return RenderResult::Ok;
}

bool cGLRenderDevice::CreateBackBuffer()
{
    const GLsizei width = GLsizei(parameters.backBufferWidth);
    const GLsizei height = GLsizei(parameters.backBufferHeight);
    glGenRenderbuffers(1, &backColour);
    glBindRenderbuffer(GL_RENDERBUFFER, backColour);
    glRenderbufferStorage(GL_RENDERBUFFER,
                          parameters.backBufferFormat == RenderFormat::A8R8G8B8 ? GL_RGBA8 : GL_RGB8, width,
                          height);
    glGenFramebuffers(1, &backFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, backFramebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, backColour);
    if (parameters.enableAutoDepthStencil)
    {
        glGenRenderbuffers(1, &backDepth);
        glBindRenderbuffer(GL_RENDERBUFFER, backDepth);
        glRenderbufferStorage(GL_RENDERBUFFER,
                              parameters.autoDepthStencilFormat == RenderFormat::D16 ? GL_DEPTH_COMPONENT16
                                                                                     : GL_DEPTH_COMPONENT24,
                              width, height);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, backDepth);
    }
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
    {
        error = "The back buffer cannot be created.";
        return false;
    }
    backBuffer = cRenderSurface(nullptr, 0, parameters.backBufferWidth, parameters.backBufferHeight,
                                parameters.backBufferFormat);
    renderTarget = &backBuffer;
    return true;
}

void cGLRenderDevice::DestroyBackBuffer()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &backFramebuffer);
    glDeleteRenderbuffers(1, &backColour);
    glDeleteRenderbuffers(1, &backDepth);
    backFramebuffer = backColour = backDepth = 0;
}

void cGLRenderDevice::CreateSamplers()
{
    glGenSamplers(kMaxTextureStages, samplers);
    for (uint32_t sampler = 0; sampler < kMaxTextureStages; ++sampler)
    {
        glBindSampler(sampler, samplers[sampler]);
    }
}

void cGLRenderDevice::UpdateSampler(uint32_t sampler)
{
    const GLuint name = samplers[sampler];
    glSamplerParameteri(name, GL_TEXTURE_WRAP_S,
                        GLint(AddressOf(states.GetSamplerState(sampler, SamplerState::AddressU))));
    glSamplerParameteri(name, GL_TEXTURE_WRAP_T,
                        GLint(AddressOf(states.GetSamplerState(sampler, SamplerState::AddressV))));
    const uint32_t magFilter = states.GetSamplerState(sampler, SamplerState::MagFilter);
    glSamplerParameteri(name, GL_TEXTURE_MAG_FILTER, magFilter >= FilterLinear ? GL_LINEAR : GL_NEAREST);
    glSamplerParameteri(name, GL_TEXTURE_MIN_FILTER,
                        GLint(MinFilterOf(states.GetSamplerState(sampler, SamplerState::MinFilter),
                                          states.GetSamplerState(sampler, SamplerState::MipFilter))));
}

void cGLRenderDevice::DeleteRetired()
{
    std::vector<uint32_t> textures;
    std::vector<uint32_t> framebuffers;
    std::vector<uint32_t> depthBuffers;
    registry->TakeRetired(textures, framebuffers, depthBuffers);
    if (!textures.empty())
    {
        glDeleteTextures(GLsizei(textures.size()), textures.data());
    }
    if (!framebuffers.empty())
    {
        glDeleteFramebuffers(GLsizei(framebuffers.size()), framebuffers.data());
    }
    if (!depthBuffers.empty())
    {
        glDeleteRenderbuffers(GLsizei(depthBuffers.size()), depthBuffers.data());
    }
}

bool cGLRenderDevice::IsMinimisedFullScreen() const
{
    return !parameters.windowed && focusWindow && (SDL_GetWindowFlags(focusWindow) & SDL_WINDOW_MINIMIZED);
}

RenderResult cGLRenderDevice::TestCooperativeLevel()
{
    if (loss == LossState::None && IsMinimisedFullScreen())
    {
        loss = LossState::Lost;
        lossReported = false;
    }
    if (loss == LossState::Lost && lossReported && !IsMinimisedFullScreen())
    {
        loss = LossState::NotReset;
    }
    if (loss == LossState::Lost)
    {
        lossReported = true;
        return RenderResult::DeviceLost;
    }
    return loss == LossState::NotReset ? RenderResult::DeviceNotReset : RenderResult::Ok;
}

void cGLRenderDevice::InjectDeviceLoss()
{
    loss = LossState::Lost;
    lossReported = false;
}

RenderResult cGLRenderDevice::Reset(PresentParameters& newParameters)
{
    if (TestCooperativeLevel() == RenderResult::DeviceLost)
    {
        return RenderResult::DeviceLost;
    }
    const RenderResult checked = CheckParameters(newParameters);
    if (Failed(checked))
    {
        return checked;
    }
    MakeCurrent();
    DestroyBackBuffer();
    const RenderResult started = StartBackBuffer(newParameters);
    if (Failed(started))
    {
        return started;
    }
    inScene = false;
    loss = LossState::None;
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::BeginScene()
{
    if (inScene)
    {
        return RenderResult::InvalidCall;
    }
    inScene = true;
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::EndScene()
{
    if (!inScene)
    {
        return RenderResult::InvalidCall;
    }
    inScene = false;
    return RenderResult::Ok;
}

uint32_t cGLRenderDevice::FramebufferOf(cRenderSurface* surface)
{
    if (surface->IsBackBuffer())
    {
        return backFramebuffer;
    }
    return static_cast<cGLTexture*>(surface->GetTexture())->GetFramebuffer();
}

bool cGLRenderDevice::IsOurTarget(cRenderSurface* surface) const
{
    if (!surface)
    {
        return false;
    }
    if (surface->IsBackBuffer())
    {
        return surface == &backBuffer;
    }
    return surface->GetTexture()->IsRenderTarget() && surface->GetLevel() == 0;
}

void cGLRenderDevice::BindTarget()
{
    glBindFramebuffer(GL_FRAMEBUFFER, FramebufferOf(renderTarget));
}

RenderResult cGLRenderDevice::Clear(uint32_t flags, uint32_t colour, float z)
{
    if (loss != LossState::None)
    {
        return RenderResult::Ok;
    }
    MakeCurrent();
    BindTarget();
    // A clear covers the viewport, cut by the scissor rectangle while the scissor test is on.
    RenderRect area{int32_t(states.viewport.x), int32_t(states.viewport.y),
                    int32_t(states.viewport.x + states.viewport.width),
                    int32_t(states.viewport.y + states.viewport.height)};
    if (states.GetRenderState(RenderState::ScissorTestEnable))
    {
        area.left = std::max(area.left, states.scissor.left);
        area.top = std::max(area.top, states.scissor.top);
        area.right = std::min(area.right, states.scissor.right);
        area.bottom = std::min(area.bottom, states.scissor.bottom);
    }
    glEnable(GL_SCISSOR_TEST);
    glScissor(area.left, area.top, std::max(0, area.right - area.left), std::max(0, area.bottom - area.top));
    GLbitfield mask = 0;
    if (flags & ClearTarget)
    {
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glClearColor(float((colour >> 16) & 0xFF) / 255.0f, float((colour >> 8) & 0xFF) / 255.0f,
                     float(colour & 0xFF) / 255.0f, float(colour >> 24) / 255.0f);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & ClearZBuffer)
    {
        glDepthMask(GL_TRUE);
        glClearDepth(std::clamp(z, 0.0f, 1.0f));
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    glClear(mask);
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::Present()
{
    if (inScene)
    {
        return RenderResult::InvalidCall;
    }
    if (TestCooperativeLevel() != RenderResult::Ok)
    {
        return RenderResult::DeviceLost;
    }
    MakeCurrent();
    DeleteRetired();
    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(window, &drawableWidth, &drawableHeight);
    const RenderRect shown = LetterboxRect(backBuffer.GetWidth(), backBuffer.GetHeight(),
                                           uint32_t(drawableWidth), uint32_t(drawableHeight));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, backFramebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // The window's rows run bottom up, the back buffer's top down.
    const bool sameSize = shown.right - shown.left == int32_t(backBuffer.GetWidth()) &&
                          shown.bottom - shown.top == int32_t(backBuffer.GetHeight());
    glBlitFramebuffer(0, 0, GLint(backBuffer.GetWidth()), GLint(backBuffer.GetHeight()), shown.left,
                      drawableHeight - shown.top, shown.right, drawableHeight - shown.bottom,
                      GL_COLOR_BUFFER_BIT, sameSize ? GL_NEAREST : GL_LINEAR);
    SDL_GL_SwapWindow(window);
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::SetRenderTarget(cRenderSurface* surface)
{
    if (!IsOurTarget(surface))
    {
        return RenderResult::InvalidCall;
    }
    renderTarget = surface;
    states.viewport = RenderViewport{0, 0, surface->GetWidth(), surface->GetHeight(), 0.0f, 1.0f};
    states.scissor = RenderRect{0, 0, int32_t(surface->GetWidth()), int32_t(surface->GetHeight())};
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::StretchRect(cRenderSurface* source, const RenderRect* sourceRect,
                                          cRenderSurface* destination, const RenderRect* destinationRect,
                                          TextureFilter filter)
{
    RenderRect from;
    RenderRect to;
    if (!IsOurTarget(source) || !IsOurTarget(destination) || source == destination ||
        !ResolveRect(sourceRect, *source, from) || !ResolveRect(destinationRect, *destination, to))
    {
        return RenderResult::InvalidCall;
    }
    if (loss != LossState::None)
    {
        return RenderResult::Ok;
    }
    MakeCurrent();
    const GLuint readFramebuffer = FramebufferOf(source);
    const GLuint drawFramebuffer = FramebufferOf(destination);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, readFramebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, drawFramebuffer);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    // Every target keeps its top row first, so rectangles map without flipping.
    glBlitFramebuffer(from.left, from.top, from.right, from.bottom, to.left, to.top, to.right, to.bottom,
                      GL_COLOR_BUFFER_BIT, filter >= FilterLinear ? GL_LINEAR : GL_NEAREST);
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::GetRenderTargetData(cRenderSurface* source, cRenderSurface* destination)
{
    if (!IsOurTarget(source) || !destination || destination->IsBackBuffer())
    {
        return RenderResult::InvalidCall;
    }
    cGLTexture* texture = static_cast<cGLTexture*>(destination->GetTexture());
    if (texture->GetPool() != MemoryPool::SystemMemory || BytesPerPixel(destination->GetFormat()) != 4 ||
        source->GetWidth() != destination->GetWidth() || source->GetHeight() != destination->GetHeight())
    {
        return RenderResult::InvalidCall;
    }
    if (loss != LossState::None)
    {
        return RenderResult::DeviceLost;
    }
    MakeCurrent();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, FramebufferOf(source));
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    {
        auto guard = texture->LockPixels();
        glReadPixels(0, 0, GLsizei(source->GetWidth()), GLsizei(source->GetHeight()), GL_BGRA,
                     GL_UNSIGNED_BYTE, texture->LevelPixels(destination->GetLevel()));
    }
    texture->MarkWritten(destination->GetLevel());
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage,
                                            RenderFormat format, MemoryPool pool,
                                            std::unique_ptr<cRenderTexture>& texture)
{
    texture.reset();
    if (width == 0 || height == 0 || width > maxTextureSize || height > maxTextureSize)
    {
        return RenderResult::InvalidCall;
    }
    if (format != RenderFormat::A8 && !IsColourFormat(format))
    {
        return RenderResult::NotAvailable;
    }
    const bool defaultPoolOnly = (usage & (UsageRenderTarget | UsageDynamic)) != 0;
    if (defaultPoolOnly && pool != MemoryPool::Default)
    {
        return RenderResult::InvalidCall;
    }
    if ((usage & UsageRenderTarget) && !IsColourFormat(format))
    {
        return RenderResult::NotAvailable;
    }
    texture = std::make_unique<cGLTexture>(registry, width, height, levels, usage, format, pool,
                                           parameters.autoDepthStencilFormat == RenderFormat::D16);
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::SetTransform(TransformType type, const RenderMatrix& matrix)
{
    return states.SetTransform(type, matrix) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cGLRenderDevice::SetMaterial(const RenderMaterial& material)
{
    states.material = material;
    states.Touch();
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::SetLight(uint32_t index, const RenderLight& light)
{
    return states.SetLight(index, light) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cGLRenderDevice::LightEnable(uint32_t index, bool enable)
{
    return states.EnableLight(index, enable) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cGLRenderDevice::SetRenderState(RenderState state, uint32_t value)
{
    return states.SetRenderState(state, value) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cGLRenderDevice::SetTexture(uint32_t stage, cRenderTexture* texture)
{
    return states.SetTexture(stage, texture) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cGLRenderDevice::SetTextureStageState(uint32_t stage, StageState state, uint32_t value)
{
    return states.SetStageState(stage, state, value) ? RenderResult::Ok : RenderResult::InvalidCall;
}

RenderResult cGLRenderDevice::SetSamplerState(uint32_t sampler, SamplerState state, uint32_t value)
{
    if (!states.SetSamplerState(sampler, state, value))
    {
        return RenderResult::InvalidCall;
    }
    MakeCurrent();
    UpdateSampler(sampler);
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::SetScissorRect(const RenderRect& rect)
{
    states.scissor = rect;
    states.Touch();
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::SetViewport(const RenderViewport& viewport)
{
    if (viewport.x + viewport.width > renderTarget->GetWidth() ||
        viewport.y + viewport.height > renderTarget->GetHeight())
    {
        return RenderResult::InvalidCall;
    }
    states.viewport = viewport;
    states.Touch();
    return RenderResult::Ok;
}

RenderResult cGLRenderDevice::SetFVF(uint32_t format)
{
    if (VertexStride(format) == 0)
    {
        return RenderResult::InvalidCall;
    }
    states.vertexFormat = format;
    states.Touch();
    return RenderResult::Ok;
}

void cGLRenderDevice::ApplyBlendState()
{
    if (!states.GetRenderState(RenderState::AlphaBlendEnable))
    {
        glDisable(GL_BLEND);
        return;
    }
    glEnable(GL_BLEND);
    uint32_t source = states.GetRenderState(RenderState::SrcBlend);
    uint32_t destination = states.GetRenderState(RenderState::DestBlend);
    // The "both" factors set the destination factor too.
    if (source == BlendBothSrcAlpha)
    {
        source = BlendSrcAlpha;
        destination = BlendInvSrcAlpha;
    }
    else if (source == BlendBothInvSrcAlpha)
    {
        source = BlendInvSrcAlpha;
        destination = BlendSrcAlpha;
    }
    glBlendFunc(BlendFactorOf(source), BlendFactorOf(destination));
    glBlendEquation(BlendEquationOf(states.GetRenderState(RenderState::BlendOp)));
    // The constant blend colour is the texture factor.
    const uint32_t factor = states.GetRenderState(RenderState::TextureFactor);
    glBlendColor(float((factor >> 16) & 0xFF) / 255.0f, float((factor >> 8) & 0xFF) / 255.0f,
                 float(factor & 0xFF) / 255.0f, float(factor >> 24) / 255.0f);
}

void cGLRenderDevice::ApplyRasterState()
{
    if (states.GetRenderState(RenderState::ZEnable))
    {
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(CompareOf(states.GetRenderState(RenderState::ZFunc)));
    }
    else
    {
        glDisable(GL_DEPTH_TEST);
    }
    glDepthMask(states.GetRenderState(RenderState::ZWriteEnable) ? GL_TRUE : GL_FALSE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    ApplyBlendState();
    // Targets are drawn with y flipped, which turns the winding seen on screen around: a triangle
    // clockwise on screen is counter-clockwise to GL, GL's front face.
    const uint32_t cull = states.GetRenderState(RenderState::CullMode);
    if (cull == CullNone)
    {
        glDisable(GL_CULL_FACE);
    }
    else
    {
        glEnable(GL_CULL_FACE);
        glFrontFace(GL_CCW);
        glCullFace(cull == CullCounterClockwise ? GL_BACK : GL_FRONT);
    }
    const uint32_t fill = states.GetRenderState(RenderState::FillMode);
    glPolygonMode(GL_FRONT_AND_BACK, fill == FillWireframe ? GL_LINE
                                     : fill == FillPoint   ? GL_POINT
                                                           : GL_FILL);
    if (states.GetRenderState(RenderState::ScissorTestEnable))
    {
        const RenderRect& rect = states.scissor;
        glEnable(GL_SCISSOR_TEST);
        glScissor(rect.left, rect.top, std::max(0, rect.right - rect.left),
                  std::max(0, rect.bottom - rect.top));
    }
    else
    {
        glDisable(GL_SCISSOR_TEST);
    }
    const RenderViewport& viewport = states.viewport;
    glViewport(GLint(viewport.x), GLint(viewport.y), GLsizei(viewport.width), GLsizei(viewport.height));
    glDepthRange(viewport.minZ, viewport.maxZ);
}

int cGLRenderDevice::BindStageTextures()
{
    int count = 0;
    for (uint32_t stage = 0; stage < kMaxTextureStages; ++stage)
    {
        cRenderTexture* texture = states.GetTexture(stage);
        if (states.GetStageState(stage, StageState::ColorOp) == StageDisable || !texture)
        {
            break;
        }
        glActiveTexture(GL_TEXTURE0 + stage);
        static_cast<cGLTexture*>(texture)->Realise();
        ++count;
    }
    glActiveTexture(GL_TEXTURE0);
    return count;
}

void cGLRenderDevice::UploadGeometry(uint32_t minVertexIndex, uint32_t vertexCount, const void* indices,
                                     uint32_t indexBytes, const void* vertices, uint32_t stride)
{
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    const uint8_t* first = static_cast<const uint8_t*>(vertices) + size_t(minVertexIndex) * stride;
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(size_t(vertexCount) * stride), first, GL_STREAM_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indexBytes), indices, GL_STREAM_DRAW);

    const uint32_t format = states.vertexFormat;
    size_t offset = 12;
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, GLsizei(stride), nullptr);
    if (format & VertexNormal)
    {
        glEnableVertexAttribArray(1);
        glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, GLsizei(stride), reinterpret_cast<void*>(offset));
        offset += 12;
    }
    else
    {
        glDisableVertexAttribArray(1);
        glVertexAttrib3f(1, 0.0f, 0.0f, 0.0f);
    }
    if (format & VertexDiffuse)
    {
        // ARGB in memory is B, G, R, A: GL reads it in that order with GL_BGRA.
        glEnableVertexAttribArray(2);
        glVertexAttribPointer(2, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, GLsizei(stride),
                              reinterpret_cast<void*>(offset));
        offset += 4;
    }
    else
    {
        glDisableVertexAttribArray(2);
        glVertexAttrib4f(2, 1.0f, 1.0f, 1.0f, 1.0f);
    }
    if (format & VertexTexCountMask)
    {
        glEnableVertexAttribArray(3);
        glVertexAttribPointer(3, 2, GL_FLOAT, GL_FALSE, GLsizei(stride), reinterpret_cast<void*>(offset));
    }
    else
    {
        glDisableVertexAttribArray(3);
        glVertexAttrib2f(3, 0.0f, 0.0f);
    }
}

RenderResult cGLRenderDevice::DrawIndexedPrimitiveUP(PrimitiveType type, uint32_t minVertexIndex,
                                                     uint32_t vertexCount, uint32_t primitiveCount,
                                                     const void* indices, IndexFormat indexFormat,
                                                     const void* vertices, uint32_t stride)
{
    const uint32_t perPrimitive = type == PrimitiveType::LineList ? 2 : 3;
    const uint32_t indexCount = primitiveCount * perPrimitive;
    const bool wide = indexFormat == IndexFormat::Index32;
    if (!indices || !vertices || primitiveCount == 0 || vertexCount == 0 || stride == 0 ||
        stride != VertexStride(states.vertexFormat))
    {
        return RenderResult::InvalidCall;
    }
    const bool inRange = wide ? IndicesInRange<uint32_t>(indices, indexCount, minVertexIndex, vertexCount)
                              : IndicesInRange<uint16_t>(indices, indexCount, minVertexIndex, vertexCount);
    if (!inRange)
    {
        return RenderResult::InvalidCall;
    }
    if (loss != LossState::None)
    {
        return RenderResult::Ok;
    }
    MakeCurrent();
    DeleteRetired();
    BindTarget();
    ApplyRasterState();
    const int stageCount = BindStageTextures();
    program->Use();
    program->Apply(states, states.vertexFormat, stageCount);
    UploadGeometry(minVertexIndex, vertexCount, indices, indexCount * (wide ? 4 : 2), vertices, stride);
    glDrawElementsBaseVertex(type == PrimitiveType::LineList ? GL_LINES : GL_TRIANGLES, GLsizei(indexCount),
                             wide ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT, nullptr, -GLint(minVertexIndex));
    return RenderResult::Ok;
}
