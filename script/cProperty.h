// cProperty: a named value of a module, numeric (float components) or string, that scripts read and write.
#pragma once

#include "base/cArray.h"
#include "base/cSearchable.h"

#include <cstdint>

class cProperty : public cSearchable
{
public:
    cProperty() = default;

    // A component beyond the count reads as 0.
    float Get(int component) const
    {
        return component >= 0 && component < values.Count() ? values[component] : 0.0f;
    }
    // Grows the components to component + 1 (new ones are 0) and stores the value.
    void Set(int component, float value)
    {
        if (component < 0)
            return;
        if (component >= values.Count())
            values.SetCount(component + 1);
        values[component] = value;
    }

    // Negative ids are plain values that never reach UpdateProperty or CommitProperty.
    int32_t id = -1;
    cString label = "Property";
    cArray<float> values{4};
    cString text;
    bool isString = false;
    bool locked = false;
};
