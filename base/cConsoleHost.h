// cConsoleHost: what the console asks of the engine that owns it (job queue, interpreter, line listeners).
#pragma once

#include "base/cString.h"

class cConsoleHost
{
public:
    virtual ~cConsoleHost() = default;

    // Returns once no background job is queued; typed input never runs beside a job.
    virtual void WaitForPendingJobs() {}
    // The name of the interpreter's current module, for the prompt.
    virtual cString GetCurrentModuleName() { return cString(); }
    // Executes one typed line as a script line addressed to no module.
    virtual void ExecuteInput(const cString& line) {}
    // Called with every composed console line, outside the console's lock, on the printing thread.
    virtual void OnLinePrinted(const cString& composedLine) {}
};
