// cGLGraphicsSystem: the graphics system on SDL2 and OpenGL: desktop mode, adapter limits, GL devices.
#include "platform/video/cGLGraphicsSystem.h"

#include "platform/video/cGLRenderDevice.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>

namespace
{
bool VideoReady(std::string& error)
{
    if (SDL_WasInit(SDL_INIT_VIDEO))
    {
        return true;
    }
    error = "SDL video is not initialised.";
    return false;
}
} // namespace

RenderResult cGLGraphicsSystem::GetAdapterDisplayMode(uint32_t adapter, DisplayMode& mode)
{
    if (adapter != 0)
    {
        return RenderResult::InvalidCall;
    }
    if (!VideoReady(error))
    {
        return RenderResult::NotAvailable;
    }
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0)
    {
        error = SDL_GetError();
        return RenderResult::NotAvailable;
    }
    mode.width = uint32_t(desktop.w);
    mode.height = uint32_t(desktop.h);
    mode.refreshRate = uint32_t(desktop.refresh_rate);
    mode.format = SDL_BITSPERPIXEL(desktop.format) == 16 ? RenderFormat::R5G6B5 : RenderFormat::X8R8G8B8;
    return RenderResult::Ok;
}

RenderResult cGLGraphicsSystem::ProbeCaps()
{
    SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
    SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    SDL_GLContext context = probe ? SDL_GL_CreateContext(probe) : nullptr;
    RenderResult result = RenderResult::NotAvailable;
    if (context && epoxy_gl_version() >= 33)
    {
        GLint size = 0;
        GLint units = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
        glGetIntegerv(GL_MAX_TEXTURE_IMAGE_UNITS, &units);
        caps.maxTextureWidth = caps.maxTextureHeight = uint32_t(size);
        caps.maxSimultaneousTextures = uint32_t(std::min(units, GLint(kMaxTextureStages)));
        caps.maxTextureBlendStages = kMaxTextureStages;
        caps.maxActiveLights = kMaxLights;
        probed = true;
        result = RenderResult::Ok;
    }
    else
    {
        error = std::string("No OpenGL 3.3 context: ") + SDL_GetError();
    }
    if (context)
    {
        SDL_GL_DeleteContext(context);
    }
    if (probe)
    {
        SDL_DestroyWindow(probe);
    }
    if (previousContext)
    {
        SDL_GL_MakeCurrent(previousWindow, previousContext);
    }
    return result;
}

RenderResult cGLGraphicsSystem::GetDeviceCaps(uint32_t adapter, DeviceType type, DeviceCaps& result)
{
    if (adapter != 0)
    {
        return RenderResult::InvalidCall;
    }
    if (type != DeviceType::Hardware || !VideoReady(error))
    {
        return RenderResult::NotAvailable;
    }
    if (!probed && Failed(ProbeCaps()))
    {
        return RenderResult::NotAvailable;
    }
    result = caps;
    return RenderResult::Ok;
}

RenderResult cGLGraphicsSystem::CreateDevice(uint32_t adapter, DeviceType type, void* focusWindow,
                                             uint32_t behaviour, PresentParameters& parameters,
                                             std::unique_ptr<cRenderDevice>& device)
{
    device.reset();
    const bool hardware = behaviour & BehaviourHardwareVertexProcessing;
    const bool software = behaviour & BehaviourSoftwareVertexProcessing;
    if (adapter != 0 || hardware == software)
    {
        error = "Invalid adapter or vertex processing.";
        return RenderResult::InvalidCall;
    }
    if (type != DeviceType::Hardware || !VideoReady(error))
    {
        return RenderResult::NotAvailable;
    }
    PresentParameters accepted = parameters;
    auto created = std::make_unique<cGLRenderDevice>(static_cast<SDL_Window*>(parameters.deviceWindow),
                                                     static_cast<SDL_Window*>(focusWindow));
    const RenderResult result = created->Initialise(accepted);
    if (Failed(result))
    {
        error = created->GetError();
        return result;
    }
    parameters = accepted;
    device = std::move(created);
    return result;
}
