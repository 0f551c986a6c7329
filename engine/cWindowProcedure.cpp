// cWindowProcedure: the table of window messages and what the engine does with each.
#include "engine/cWindowProcedure.h"

#include "base/cConsole.h"
#include "engine/cInputSink.h"
#include "engine/cQorn.h"
#include "engine/cScreen.h"
#include "platform/video/cWindow.h"
#include "platform/video/cWindowSystem.h"

namespace
{
constexpr int kLeftButton = 0;
constexpr int kMiddleButton = 1;
constexpr int kRightButton = 2;

void PrintSystem(const char* what)
{
    ConsolePrint(cString("System: ") + what);
}

int64_t PassOn(const WindowMessage& message)
{
    cQorn* engine = cQorn::Get();
    cWindowSystem* windows = engine ? engine->GetWindowSystem() : nullptr;
    return windows ? windows->DefaultProcedure(message) : 0;
}
} // namespace

void cWindowProcedure::BringMainWindowToFront()
{
    if (cWindow* window = cScreen::GetMainWindow())
        window->BringToFront();
}

int64_t cWindowProcedure::Dispatch(const WindowMessage& message)
{
    cQorn* engine = cQorn::Get();
    if (!engine)
        return PassOn(message);
    switch (message.type)
    {
    case eWindowMessage::Activate:
        if (cInputSink* input = engine->GetInputSink())
            input->AcquireKeyboard();
        PrintSystem("Activate...");
        return 0;
    case eWindowMessage::Close:
        PrintSystem("Close...");
        engine->RequestQuit();
        return 0;
    case eWindowMessage::QueryOpen:
        PrintSystem("Query Open...");
        BringMainWindowToFront();
        return PassOn(message);
    case eWindowMessage::CopyData:
        // The editor sends one script line per message, run as if typed without a module.
        if (cInterpreter* interpreter = engine->GetInterpreter())
            interpreter->Execute(cString(message.data.c_str()), nullptr);
        return PassOn(message);
    case eWindowMessage::SystemCommand:
        switch (eSystemCommand(message.wParam))
        {
        case eSystemCommand::Maximise:
        case eSystemCommand::Restore:
            PrintSystem("Restore...");
            BringMainWindowToFront();
            return PassOn(message);
        case eSystemCommand::ScreenSaver:
        case eSystemCommand::MonitorPower:
            // Not passed on: neither the screen saver nor the display's power saving may start.
            PrintSystem("Power...");
            return 0;
        default:
            return PassOn(message);
        }
    default:
        return DispatchInput(message);
    }
}

int64_t cWindowProcedure::DispatchInput(const WindowMessage& message)
{
    cQorn* engine = cQorn::Get();
    cInputSink* input = engine->GetInputSink();
    cWindowSystem* windows = engine->GetWindowSystem();
    if (!input || !windows)
        return PassOn(message);
    switch (message.type)
    {
    case eWindowMessage::Character:
        input->CharacterInput(uint16_t(message.wParam));
        return 0;
    case eWindowMessage::MouseMove:
        input->SetPointerPosition(LowWordSigned(message.lParam), HighWordSigned(message.lParam));
        if (!mouseTracked)
        {
            if (cWindow* window = cScreen::GetMainWindow())
                window->TrackMouseLeave();
            // Over the window the interface draws its own pointer.
            if (engine->customCursors)
            {
                while (windows->ShowCursor(false) >= 0)
                {
                }
            }
            mouseTracked = true;
        }
        return PassOn(message);
    case eWindowMessage::LeftButtonDown:
        input->MouseDown(kLeftButton);
        return 0;
    case eWindowMessage::LeftButtonUp:
        input->MouseUp(kLeftButton);
        return 0;
    case eWindowMessage::RightButtonDown:
        input->MouseDown(kRightButton);
        return 0;
    case eWindowMessage::RightButtonUp:
        input->MouseUp(kRightButton);
        return 0;
    case eWindowMessage::MiddleButtonDown:
        input->MouseDown(kMiddleButton);
        return 0;
    case eWindowMessage::MiddleButtonUp:
        input->MouseUp(kMiddleButton);
        return 0;
    case eWindowMessage::MouseWheel:
        input->MouseWheel(HighWord(message.wParam));
        return 0;
    case eWindowMessage::MouseLeave:
        input->MouseUp(kRightButton);
        // Also when custom cursors were switched off while the pointer was over the window:
        // the system cursor must not stay hidden outside it.
        if (engine->customCursors || windows->GetCursorCount() < 0)
        {
            while (windows->ShowCursor(true) < 0)
            {
            }
        }
        mouseTracked = false;
        return 0;
    default:
        return PassOn(message);
    }
}
