// Number formatting with the C library's printf conversions.
#include "base/NumberFormat.h"

cString IntToString(int value, int width)
{
    if (width >= 0)
        return cString::Format("%*d", width, value);
    return cString::Format("%0*d", -width, value);
}

cString FloatToString(float value, int width, int precision)
{
    return cString::Format("%*.*f", width, precision, double(value));
}
