// cSearchable: a sortable record with a name, the member type of every name-sorted list.
#pragma once

#include "base/cSortable.h"
#include "base/cString.h"

class cSearchable : public cSortable
{
public:
    cSearchable() = default;
    explicit cSearchable(const cString& initialName) : name(initialName) {}

    virtual void SetName(const cString& newName) { name = newName; }
    const cString& GetName() const { return name; }

    cString name;
};
