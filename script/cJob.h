// cJob: a queued background job: a parsed command text for the worker that will run it.
#pragma once

#include "script/cCommand.h"

class cWorker;

class cJob : public cCommand
{
public:
    cWorker* worker = nullptr;
};
