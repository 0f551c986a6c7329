// cRenderCallLog: the readable record of the calls made on the null graphics system and its devices.
#pragma once

#include <mutex>
#include <string>
#include <vector>

// One line per call, for example "SetRenderState ZEnable 1" or "Clear 3 FF000000 1". Safe to append
// from several threads.
class cRenderCallLog
{
public:
    void Add(const std::string& line);
    std::vector<std::string> Lines() const;
    // All lines joined with '\n', each followed by one.
    std::string Text() const;
    // Lines that start with prefix, in order.
    std::vector<std::string> LinesStartingWith(const std::string& prefix) const;
    bool Contains(const std::string& line) const;
    void Clear();

private:
    mutable std::mutex mutex;
    std::vector<std::string> lines;
};
