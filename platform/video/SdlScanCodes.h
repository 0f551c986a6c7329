// The keyboard's DirectInput scan codes (set 1 with the extended keys above 0x80) for SDL's USB scan codes.
#pragma once

#include <SDL2/SDL_scancode.h>

#include <cstdint>

// 0 for a key that has no DirectInput code.
uint8_t DirectInputScanCode(SDL_Scancode scanCode);
