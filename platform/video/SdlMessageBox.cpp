// SDL message boxes for the platform's modal-box hook.
#include "platform/video/SdlMessageBox.h"

#include "platform/MessageBox.h"

#include <SDL.h>
#include <cstdio>

namespace
{
void ShowSdlBox(const char* caption, const char* text)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, nullptr);
}
} // namespace

void UseSdlMessageBoxes()
{
    SetMessageBoxPresenter(&ShowSdlBox);
}
