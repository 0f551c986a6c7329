// cRenderCallLog: the readable record of the calls made on the null graphics system and its devices.
#include "platform/video/cRenderCallLog.h"

void cRenderCallLog::Add(const std::string& line)
{
    std::lock_guard<std::mutex> guard(mutex);
    lines.push_back(line);
}

std::vector<std::string> cRenderCallLog::Lines() const
{
    std::lock_guard<std::mutex> guard(mutex);
    return lines;
}

std::string cRenderCallLog::Text() const
{
    std::lock_guard<std::mutex> guard(mutex);
    std::string text;
    for (const std::string& line : lines)
    {
        text += line;
        text += '\n';
    }
    return text;
}

std::vector<std::string> cRenderCallLog::LinesStartingWith(const std::string& prefix) const
{
    std::lock_guard<std::mutex> guard(mutex);
    std::vector<std::string> found;
    for (const std::string& line : lines)
    {
        if (line.compare(0, prefix.size(), prefix) == 0)
        {
            found.push_back(line);
        }
    }
    return found;
}

bool cRenderCallLog::Contains(const std::string& line) const
{
    std::lock_guard<std::mutex> guard(mutex);
    for (const std::string& entry : lines)
    {
        if (entry == line)
        {
            return true;
        }
    }
    return false;
}

void cRenderCallLog::Clear()
{
    std::lock_guard<std::mutex> guard(mutex);
    lines.clear();
}
