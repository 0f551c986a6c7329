// cGroup: a named set of modules ("Bugs", "WayPoints", "Helpers"...), created on first use by the interpreter.
#pragma once

#include "base/cSearchable.h"
#include "base/cSearchableList.h"

class cModule;

class cGroup : public cSearchable
{
public:
    explicit cGroup(const cString& groupName) : cSearchable(groupName) {}

    cSearchableListOf<cModule> members;
};
