// The program entry: the message loop that handles every waiting window message and then ticks the engine.
#include "engine/entry.h"

#include "engine/cQorn.h"
#include "engine/cWindowProcedure.h"
#include "platform/cClock.h"
#include "platform/cInstanceGuard.h"
#include "platform/video/cGLGraphicsSystem.h"
#include "platform/video/SdlMessageBox.h"
#include "platform/video/cSdlWindowSystem.h"

#include <csignal>

namespace
{
volatile std::sig_atomic_t signalled = 0;

void OnSignal(int)
{
    signalled = 1;
}

// A termination request from outside is handled like the user closing the window.
void PostClose(cWindowSystem& windows)
{
    WindowMessage close;
    close.type = eWindowMessage::Close;
    windows.PostMessage(close);
}
} // namespace

int RunApplication(cQorn* application)
{
    std::signal(SIGINT, &OnSignal);
    std::signal(SIGTERM, &OnSignal);
    UseSdlMessageBoxes();
    cInstanceGuard guard("QornEngine/" + std::string(application->applicationName.Text()));
    cSdlWindowSystem windows;
    cGLGraphicsSystem graphics;
    application->SetInstanceGuard(&guard);
    application->SetWindowSystem(&windows);
    application->SetGraphicsSystem(&graphics);
    application->SetConsoleMirror(stdout);
    application->SetSoundOutput(cQorn::kSoundSystem);
    application->Initialise();
    int exitCode = 0;
    for (;;)
    {
        if (signalled)
        {
            signalled = 0;
            PostClose(windows);
        }
        WindowMessage message;
        if (windows.PeekMessage(message))
        {
            if (message.type == eWindowMessage::Quit)
            {
                exitCode = int(int64_t(message.wParam));
                break;
            }
            cWindowProcedure::Dispatch(message);
            continue;
        }
        if (application->Tick())
            break;
        // Presentation paces the loop; without a device that can draw nothing does.
        if (!application->GetDevice() || !application->IsDeviceUsable())
            SleepMilliseconds(1);
    }
    application->Shutdown();
    delete application;
    return exitCode;
}
