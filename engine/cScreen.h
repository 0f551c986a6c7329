// cScreen: the main window and the rendering device, made through a fixed chain of modes with fallbacks.
#pragma once

#include "base/cString.h"
#include "platform/video/RenderTypes.h"
#include "script/cModule.h"

#include <cstdint>
#include <memory>

class cGraphicsSystem;
class cRenderDevice;
class cWindow;
class cWindowSystem;

class cScreen : public cModule
{
public:
    // The class of the main window, by which a second start of the program finds it.
    static constexpr const char* kWindowClassName = "QornEngine";

    explicit cScreen(cWindowSystem& windows);
    ~cScreen() override;

    // Hands over the graphics system the devices are made with (owned by the caller).
    void Initialise(cGraphicsSystem* graphicsSystem);
    // Makes the window and the device, destroying a previous window first. Returns the device
    // (owned by the screen), or null after the failure was shown in a "Fatal Error!" box.
    cRenderDevice* Create(const cString& title, int32_t newWidth, int32_t newHeight, int32_t newBitsPerPixel,
                          bool newWindowed);
    // Releases the device, destroys the window and unregisters its class.
    void Destroy();
    // A new client size for a windowed screen, keeping the window's top-left corner; a full
    // screen keeps its size until the next creation.
    void Resize(int32_t newWidth, int32_t newHeight);

    int32_t GetWidth() const { return width; }
    int32_t GetHeight() const { return height; }
    bool IsWindowed() const { return windowed; }
    bool IsCreated() const { return created; }
    cRenderDevice* GetDevice() const { return device.get(); }
    const PresentParameters& GetPresentParameters() const { return presentParameters; }

    // The process's main window, or null while none exists.
    static cWindow* GetMainWindow() { return mainWindow; }
    // The external editor's engine panel the device presents into, or null when no editor runs.
    static void* GetEditorPanel() { return editorPanel; }

    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 32;
    bool initialised = false;
    bool created = false;
    bool windowed = false;
    cGraphicsSystem* direct3d = nullptr;
    std::unique_ptr<cRenderDevice> device;
    PresentParameters presentParameters;

protected:
    // The editor's engine panel, when the editor runs. No editor link exists yet: none is found.
    virtual void* FindEditorPanel() { return nullptr; }

private:
    enum class eAttemptResult
    {
        Created,
        Failed,
        Retry,
    };

    eAttemptResult TryCreate(const cString& title, int32_t& tryWidth, int32_t& tryHeight, bool& tryWindowed);
    DisplayMode ReadDesktopMode();
    bool OpenWindow(const cString& title, int32_t clientWidth, int32_t clientHeight, bool fullScreen);
    PresentParameters MakePresentParameters(int32_t clientWidth, int32_t clientHeight, bool fullScreen,
                                            RenderFormat desktopFormat) const;
    bool RunCreationChain(PresentParameters& parameters, RenderFormat desktopFormat);
    void CloseWindowAndClass();

    cWindowSystem& windows;
    cWindow* window = nullptr;
    bool classRegistered = false;

    static inline cWindow* mainWindow = nullptr;
    static inline void* editorPanel = nullptr;
};
