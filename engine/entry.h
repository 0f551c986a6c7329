// The program entry of a Qorn application: initialise, run the message loop with one tick per idle pass, shut down.
#pragma once

class cQorn;

// Runs the application object until "quit", a closed window or SIGINT/SIGTERM, shuts it down
// and deletes it. Returns the program's exit code.
int RunApplication(cQorn* application);
