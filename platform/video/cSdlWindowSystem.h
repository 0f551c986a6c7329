// cSdlWindowSystem: the window system over SDL2 video: SDL events become window messages.
#pragma once

#include "platform/video/cWindowSystem.h"

#include <SDL2/SDL_events.h>

#include <set>
#include <string>
#include <vector>

class cSdlWindow;

class cSdlWindowSystem : public cWindowSystem
{
public:
    // SDL's video starts with the first window class, so that a copy of the program that only
    // hands over to a running one never opens the display.
    cSdlWindowSystem() = default;
    ~cSdlWindowSystem() override;
    cSdlWindowSystem(const cSdlWindowSystem&) = delete;
    cSdlWindowSystem& operator=(const cSdlWindowSystem&) = delete;

    // Starts SDL's video if it has not started; false when it cannot.
    bool StartVideo();

    bool RegisterWindowClass(const std::string& className) override;
    bool UnregisterWindowClass(const std::string& className) override;
    cWindow* CreateWindow(const WindowDescription& description) override;
    bool DestroyWindow(cWindow* window) override;
    cKeyboard* CreateKeyboard(cWindow* window) override;

protected:
    void PumpEvents() override;
    void SetCursorVisible(bool visible) override;

private:
    cSdlWindow* FindWindow(uint32_t windowId) const;
    void Translate(const SDL_Event& event);
    void TranslateWindowEvent(const SDL_WindowEvent& event, cSdlWindow& window);
    void TranslateText(const char* utf8);
    void PostSimple(eWindowMessage type, uint64_t wParam = 0, int64_t lParam = 0);

    bool videoStarted = false;
    std::set<std::string> classes;
    std::vector<cSdlWindow*> windows;
};
