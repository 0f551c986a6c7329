// cWindowProcedure: the main window's procedure: system events, closing, editor lines and input.
#pragma once

#include "platform/video/WindowMessage.h"

#include <cstdint>

class cWindowProcedure
{
public:
    // Handles one message of the main window; what it leaves goes to the window system's
    // default procedure. Does nothing but that until the engine object exists.
    static int64_t Dispatch(const WindowMessage& message);

    // The window asked to be told when the pointer leaves it; cleared with the screen.
    static bool IsMouseTracked() { return mouseTracked; }
    static void ForgetMouseTracking() { mouseTracked = false; }

private:
    static int64_t DispatchInput(const WindowMessage& message);
    static void BringMainWindowToFront();

    static inline bool mouseTracked = false;
};
