// Number formatting for listings and saved scripts: padded integers and fixed-point floats.
#pragma once

#include "base/cString.h"

// width >= 0: right-aligned and padded with blanks; width < 0: padded with zeros to -width.
cString IntToString(int value, int width = 0);

// "%<width>.<precision>f"; saves and listings use width 0 and precision 10.
cString FloatToString(float value, int width = 0, int precision = 10);
