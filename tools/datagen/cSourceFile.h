// cSourceFile: reads the hand-written sources of the data tool whole, and splits them into lines.
#pragma once

#include <string>
#include <vector>

class cSourceFile
{
public:
    // The whole file; false when it cannot be read.
    static bool Read(const std::string& path, std::string& bytes);
    // Lines cut at LF; a CR before the LF is kept so that callers can refuse it.
    static std::vector<std::string> SplitLines(const std::string& bytes);
};
