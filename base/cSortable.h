// cSortable: the root of every named record, carrying the key by which ordered views sort it.
#pragma once

#include <cstdint>

class cSortable
{
public:
    cSortable() = default;
    virtual ~cSortable() = default;

    int32_t sortKey = 0;
    float sortValue = 0.0f;
    bool sortByValue = false;
};
