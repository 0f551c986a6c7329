// cNullWindowSystem: bookkeeping of classes and windows with injectable failures.
#include "platform/video/cNullWindowSystem.h"

#include "platform/video/cNullKeyboard.h"

#include <algorithm>

cNullWindowSystem::~cNullWindowSystem()
{
    for (cNullWindow* window : windows)
        delete window;
}

bool cNullWindowSystem::RegisterWindowClass(const std::string& className)
{
    if (failRegisterClass || classes.count(className))
        return false;
    classes.insert(className);
    return true;
}

bool cNullWindowSystem::UnregisterWindowClass(const std::string& className)
{
    if (failUnregisterClass)
        return false;
    return classes.erase(className) != 0;
}

cWindow* cNullWindowSystem::CreateWindow(const WindowDescription& description)
{
    if (failCreateWindow || !classes.count(description.className))
        return nullptr;
    created.push_back(description);
    windows.push_back(new cNullWindow(description));
    return windows.back();
}

bool cNullWindowSystem::DestroyWindow(cWindow* window)
{
    auto found = std::find(windows.begin(), windows.end(), window);
    if (found == windows.end())
        return false;
    delete *found;
    windows.erase(found);
    return !failDestroyWindow;
}

cKeyboard* cNullWindowSystem::CreateKeyboard(cWindow* window)
{
    return new cNullKeyboard(*this, window);
}

bool cNullWindowSystem::IsAlive(const cWindow* window) const
{
    return window && std::find(windows.begin(), windows.end(), window) != windows.end();
}

int64_t cNullWindowSystem::DefaultProcedure(const WindowMessage& message)
{
    defaultProcessed.push_back(message);
    return 0;
}
