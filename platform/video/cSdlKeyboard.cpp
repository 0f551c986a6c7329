// cSdlKeyboard: SDL's key states translated into DirectInput scan codes.
#include "platform/video/cSdlKeyboard.h"

#include "platform/video/SdlScanCodes.h"

#include <SDL2/SDL_keyboard.h>
#include <SDL2/SDL_video.h>

#include <cstring>

bool cSdlKeyboard::WindowHasFocus() const
{
    // By id, so that a device outliving its window simply fails.
    SDL_Window* focused = SDL_GetKeyboardFocus();
    return windowId != 0 && focused && SDL_GetWindowID(focused) == windowId;
}

bool cSdlKeyboard::Acquire()
{
    acquired = WindowHasFocus();
    return acquired;
}

bool cSdlKeyboard::ReadState(uint8_t (&state)[kKeyCount])
{
    if (!WindowHasFocus())
        acquired = false;
    if (!acquired)
        return false;
    int count = 0;
    const Uint8* pressed = SDL_GetKeyboardState(&count);
    uint8_t keys[kKeyCount] = {};
    for (int code = 0; code < count; ++code)
    {
        if (!pressed[code])
            continue;
        const uint8_t directInputCode = DirectInputScanCode(SDL_Scancode(code));
        if (directInputCode)
            keys[directInputCode] = kPressed;
    }
    std::memcpy(state, keys, kKeyCount);
    return true;
}
