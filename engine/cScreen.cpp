// cScreen: the size rules, the window, the presentation parameters and the twelve-step device creation chain.
#include "engine/cScreen.h"

#include "base/FatalMessage.h"
#include "base/cConsole.h"
#include "engine/cQorn.h"
#include "engine/cWindowProcedure.h"
#include "platform/video/cGraphicsSystem.h"
#include "platform/video/cRenderDevice.h"
#include "platform/video/cWindow.h"
#include "platform/video/cWindowSystem.h"

namespace
{
// Which back-buffer format an attempt asks for.
enum class eBackBuffer
{
    AsPresented, // the format of the presentation parameters: ARGB32 full screen, the desktop's in a window
    Argb32,
    Xrgb32,
    Desktop,
};

struct ChainStep
{
    eBackBuffer backBuffer;
    bool softwareVertexProcessing;
    RenderFormat depth;
    const char* logLine;
};

// Tried in order until a device is made; each attempt is followed by its line.
const ChainStep kCreationChain[] = {
    {eBackBuffer::AsPresented, false, RenderFormat::D24X8, "Trying backbuffer format ARGB32..."},
    {eBackBuffer::Xrgb32, false, RenderFormat::D24X8, "Trying backbuffer format XRGB32..."},
    {eBackBuffer::Desktop, false, RenderFormat::D24X8, "Trying backbuffer format DESKTOP..."},
    {eBackBuffer::Argb32, true, RenderFormat::D24X8,
     "Trying backbuffer format ARGB32 with software vertex processing..."},
    {eBackBuffer::Xrgb32, true, RenderFormat::D24X8,
     "Trying backbuffer format XRGB32 with software vertex processing..."},
    {eBackBuffer::Desktop, true, RenderFormat::D24X8,
     "Trying backbuffer format DESKTOP with software vertex processing..."},
    {eBackBuffer::Argb32, false, RenderFormat::D16,
     "Trying backbuffer format ARGB32 with 16 bit depth buffer..."},
    {eBackBuffer::Xrgb32, false, RenderFormat::D16,
     "Trying backbuffer format XRGB32 with 16 bit depth buffer..."},
    {eBackBuffer::Desktop, false, RenderFormat::D16,
     "Trying backbuffer format DESKTOP with 16 bit depth buffer..."},
    {eBackBuffer::Argb32, true, RenderFormat::D16,
     "Trying backbuffer format ARGB32 with 16 bit depth buffer and software processing..."},
    {eBackBuffer::Xrgb32, true, RenderFormat::D16,
     "Trying backbuffer format XRGB32 with 16 bit depth buffer and software processing..."},
    {eBackBuffer::Desktop, true, RenderFormat::D16,
     "Trying backbuffer format DESKTOP with 16 bit depth buffer and software processing..."},
};

// The full-screen width that falls back to 800 x 600 before trying a window.
constexpr int32_t kWideModeWidth = 960;

RenderFormat ChosenFormat(eBackBuffer choice, const PresentParameters& parameters, RenderFormat desktopFormat)
{
    switch (choice)
    {
    case eBackBuffer::Argb32:
        return RenderFormat::A8R8G8B8;
    case eBackBuffer::Xrgb32:
        return RenderFormat::X8R8G8B8;
    case eBackBuffer::Desktop:
        return desktopFormat;
    default:
        return parameters.backBufferFormat;
    }
}

cString SizeText(int32_t width, int32_t height)
{
    return cString::Format("%dX%d.", int(width), int(height));
}
} // namespace

cScreen::cScreen(cWindowSystem& windowSystem) : windows(windowSystem)
{
    name = "Screen";
    className = "SCREEN";
}

cScreen::~cScreen()
{
    Destroy();
}

void cScreen::Initialise(cGraphicsSystem* graphicsSystem)
{
    direct3d = graphicsSystem;
    initialised = graphicsSystem != nullptr;
}

cRenderDevice* cScreen::Create(const cString& title, int32_t newWidth, int32_t newHeight,
                               int32_t newBitsPerPixel, bool newWindowed)
{
    if (!direct3d)
    {
        Log("Cannot create the device. No graphics system was handed over.", 4);
        return nullptr;
    }
    int32_t tryWidth = newWidth;
    int32_t tryHeight = newHeight;
    bool tryWindowed = newWindowed;
    for (;;)
    {
        const eAttemptResult result = TryCreate(title, tryWidth, tryHeight, tryWindowed);
        if (result == eAttemptResult::Retry)
            continue;
        if (result == eAttemptResult::Failed)
            return nullptr;
        width = tryWidth;
        height = tryHeight;
        bitsPerPixel = newBitsPerPixel;
        windowed = tryWindowed;
        created = true;
        return device.get();
    }
}

cScreen::eAttemptResult cScreen::TryCreate(const cString& title, int32_t& tryWidth, int32_t& tryHeight,
                                           bool& tryWindowed)
{
    if (window || classRegistered)
        Destroy();
    editorPanel = FindEditorPanel();
    if (editorPanel)
        tryWindowed = true;
    if (!windows.RegisterWindowClass(kWindowClassName))
    {
        FatalMessage("Cannot register window class.");
        return eAttemptResult::Failed;
    }
    classRegistered = true;
    Log("Creating DirectX 9 device...");

    const DisplayMode desktop = ReadDesktopMode();
    const int32_t screenWidth = int32_t(desktop.width);
    const int32_t screenHeight = int32_t(desktop.height);
    // A size that is not positive counts as not given.
    const bool sizeGiven = tryWidth > 0 && tryHeight > 0;
    if (tryWindowed)
    {
        const bool tooLarge =
            sizeGiven && (tryWidth > screenWidth / 8 * 7 || tryHeight > screenHeight / 8 * 7);
        if (tooLarge || !sizeGiven)
        {
            tryWidth = screenWidth / 4 * 3;
            tryHeight = screenHeight / 4 * 3;
        }
        Log("Window " + SizeText(tryWidth, tryHeight));
    }
    else
    {
        if (!sizeGiven)
        {
            tryWidth = screenWidth;
            tryHeight = screenHeight;
        }
        Log("Fullscreen " + SizeText(tryWidth, tryHeight));
    }

    if (!OpenWindow(title, tryWidth, tryHeight, !tryWindowed))
    {
        // The class goes too, or the next attempt could not register it again.
        Destroy();
        FatalMessage("Cannot create window.");
        return eAttemptResult::Failed;
    }
    PresentParameters parameters = MakePresentParameters(tryWidth, tryHeight, !tryWindowed, desktop.format);
    if (RunCreationChain(parameters, desktop.format))
    {
        Log("Device successfully created.");
        ConsolePrint(" ");
        presentParameters = parameters;
        return eAttemptResult::Created;
    }
    if (tryWindowed)
    {
        FatalMessage("Suitable video mode cannot be found!");
        return eAttemptResult::Failed;
    }
    Destroy();
    if (tryWidth == kWideModeWidth)
    {
        Log("Trying 800x600 mode...");
        tryWidth = 800;
        tryHeight = 600;
    }
    else
    {
        Log("Trying windowed mode...");
        tryWindowed = true;
    }
    return eAttemptResult::Retry;
}

DisplayMode cScreen::ReadDesktopMode()
{
    DisplayMode mode;
    if (!Failed(direct3d->GetAdapterDisplayMode(0, mode)) && mode.width > 0 && mode.height > 0)
        return mode;
    Log("Cannot read the desktop display mode. Assuming 1024X768.", 3);
    mode.width = 1024;
    mode.height = 768;
    mode.format = RenderFormat::X8R8G8B8;
    return mode;
}

bool cScreen::OpenWindow(const cString& title, int32_t clientWidth, int32_t clientHeight, bool fullScreen)
{
    const cQorn* engine = cQorn::Get();
    WindowDescription description;
    description.className = kWindowClassName;
    description.title = title.IsEmpty() ? "" : title.Text();
    description.width = clientWidth;
    description.height = clientHeight;
    description.fullScreen = fullScreen;
    description.visible = !engine || engine->windowVisible;
    window = windows.CreateWindow(description);
    if (!window)
        return false;
    mainWindow = window;
    if (description.visible)
        window->BringToFront();
    return true;
}

PresentParameters cScreen::MakePresentParameters(int32_t clientWidth, int32_t clientHeight, bool fullScreen,
                                                 RenderFormat desktopFormat) const
{
    PresentParameters parameters;
    // In a window 0 means the client size, at creation and at every reset.
    parameters.backBufferWidth = fullScreen ? uint32_t(clientWidth) : 0;
    parameters.backBufferHeight = fullScreen ? uint32_t(clientHeight) : 0;
    parameters.backBufferFormat = fullScreen ? RenderFormat::A8R8G8B8 : desktopFormat;
    parameters.backBufferCount = 1;
    parameters.multiSampleType = 0;
    parameters.swapEffect = SwapEffect::Discard;
    parameters.deviceWindow = editorPanel ? editorPanel : window->GetNativeHandle();
    parameters.windowed = !fullScreen;
    parameters.enableAutoDepthStencil = true;
    parameters.autoDepthStencilFormat = RenderFormat::D24X8;
    parameters.presentationInterval = PresentInterval::Immediate;
    return parameters;
}

bool cScreen::RunCreationChain(PresentParameters& parameters, RenderFormat desktopFormat)
{
    for (const ChainStep& step : kCreationChain)
    {
        PresentParameters attempt = parameters;
        attempt.backBufferFormat = ChosenFormat(step.backBuffer, parameters, desktopFormat);
        attempt.autoDepthStencilFormat = step.depth;
        const uint32_t behaviour =
            BehaviourMultithreaded | (step.softwareVertexProcessing ? BehaviourSoftwareVertexProcessing
                                                                    : BehaviourHardwareVertexProcessing);
        // The device may fill in what it chose; the screen keeps what it asked for.
        PresentParameters asked = attempt;
        std::unique_ptr<cRenderDevice> made;
        const RenderResult result = direct3d->CreateDevice(0, DeviceType::Hardware, window->GetNativeHandle(),
                                                           behaviour, attempt, made);
        Log(step.logLine);
        if (!Failed(result) && made)
        {
            device = std::move(made);
            parameters = asked;
            return true;
        }
    }
    return false;
}

void cScreen::Destroy()
{
    device.reset();
    bool succeeded = true;
    if (window)
    {
        cWindow* closing = window;
        window = nullptr;
        if (mainWindow == closing)
            mainWindow = nullptr;
        if (!windows.DestroyWindow(closing))
        {
            Log("Cannot destroy window.", 3);
            succeeded = false;
        }
    }
    if (classRegistered)
    {
        classRegistered = false;
        if (!windows.UnregisterWindowClass(kWindowClassName))
        {
            Log("Cannot unregister class.", 3);
            succeeded = false;
        }
    }
    if (!succeeded)
        return;
    created = false;
    width = 0;
    height = 0;
    bitsPerPixel = 0;
    cWindowProcedure::ForgetMouseTracking();
}

void cScreen::Resize(int32_t newWidth, int32_t newHeight)
{
    if (!created || !windowed || !window || newWidth <= 0 || newHeight <= 0)
        return;
    width = newWidth;
    height = newHeight;
    window->SetClientSize(newWidth, newHeight);
}
