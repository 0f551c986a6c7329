// cTextData: one entry of the language table, a text id with its 8-bit text.
#pragma once

#include "base/cSearchable.h"

class cTextData : public cSearchable
{
public:
    cTextData(const cString& id, const cString& content) : cSearchable(id), text(content) {}

    cString text;
};
