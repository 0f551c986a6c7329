// cNullWindowSystem: windows, messages and keys scripted by tests; nothing reaches a display.
#pragma once

#include "platform/video/cKeyboard.h"
#include "platform/video/cNullWindow.h"
#include "platform/video/cWindowSystem.h"

#include <set>
#include <string>
#include <vector>

class cNullWindowSystem : public cWindowSystem
{
public:
    ~cNullWindowSystem() override;

    bool RegisterWindowClass(const std::string& className) override;
    bool UnregisterWindowClass(const std::string& className) override;
    cWindow* CreateWindow(const WindowDescription& description) override;
    bool DestroyWindow(cWindow* window) override;
    cKeyboard* CreateKeyboard(cWindow* window) override;
    int64_t DefaultProcedure(const WindowMessage& message) override;

    // The newest window still alive, or null.
    cNullWindow* GetWindow() const { return windows.empty() ? nullptr : windows.back(); }
    bool IsClassRegistered(const std::string& className) const { return classes.count(className) != 0; }
    bool IsCursorVisible() const { return GetCursorCount() >= 0; }
    // Sets what the keyboard devices report for a DirectInput scan code.
    void SetKey(int scanCode, bool pressed) { keys[scanCode & 0xFF] = pressed ? cKeyboard::kPressed : 0; }
    const uint8_t* GetKeys() const { return keys; }
    bool IsAlive(const cWindow* window) const;

    // Failures to inject.
    bool failRegisterClass = false;
    bool failUnregisterClass = false;
    bool failCreateWindow = false;
    bool failDestroyWindow = false;

    // Every window made so far (in order) and every message left to the default procedure.
    std::vector<WindowDescription> created;
    std::vector<WindowMessage> defaultProcessed;

private:
    std::set<std::string> classes;
    std::vector<cNullWindow*> windows;
    uint8_t keys[cKeyboard::kKeyCount] = {};
};
