// The program entry: the message loop around the engine tick, ended by the quit flag or a signal.
#include "engine/entry.h"

#include "engine/cQorn.h"
#include "platform/cClock.h"
#include "platform/cInstanceGuard.h"

#include <csignal>

namespace
{
volatile std::sig_atomic_t signalled = 0;

void OnSignal(int)
{
    signalled = 1;
}
} // namespace

int RunApplication(cQorn* application)
{
    std::signal(SIGINT, &OnSignal);
    std::signal(SIGTERM, &OnSignal);
    cInstanceGuard guard("QornEngine/" + std::string(application->applicationName.Text()));
    application->SetInstanceGuard(&guard);
    application->SetConsoleMirror(stdout);
    application->SetSoundOutput(cQorn::kSoundSystem);
    application->Initialise();
    for (;;)
    {
        if (signalled)
        {
            signalled = 0;
            application->RequestQuit();
        }
        if (application->Tick())
            break;
        // Without a window there is no presentation to pace the loop.
        SleepMilliseconds(1);
    }
    application->Shutdown();
    delete application;
    return 0;
}
