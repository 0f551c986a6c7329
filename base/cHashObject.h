// cHashObject: a named record that caches the hash of its name for cHashTable.
#pragma once

#include "base/cSearchable.h"

#include <cstdint>

class cHashObject : public cSearchable
{
public:
    cHashObject() = default;
    explicit cHashObject(const cString& initialName) : cSearchable(initialName) {}

    void SetName(const cString& newName) override
    {
        cSearchable::SetName(newName);
        hashStale = true;
    }

    // h = h * 31 + c over the bytes taken as signed, wrapping at 32 bits.
    static int32_t HashOf(const char* text)
    {
        uint32_t h = 0;
        for (const char* c = text; *c; ++c)
            h = h * 31u + uint32_t(int32_t(static_cast<signed char>(*c)));
        return int32_t(h);
    }

    int32_t GetHash()
    {
        if (hashStale)
        {
            hash = HashOf(name.Text());
            hashStale = false;
        }
        return hash;
    }

    int32_t hash = 0;
    bool hashStale = true;
};
