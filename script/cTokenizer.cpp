// cTokenizer: the script token rules.
#include "script/cTokenizer.h"

namespace
{
bool IsSeparator(char c)
{
    return c == ' ' || c == ',' || c == '\t';
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}
} // namespace

bool cTokenizer::Next(const char*& token, int& length)
{
    buffer.Clear();
    bool quoted = false;
    while (cursor < end)
    {
        const char c = *cursor++;
        if (IsQuote(c))
        {
            if (!quoted)
            {
                quoted = true;
                continue;
            }
            quoted = false;
            if (buffer.Count() > 0)
                break;
            continue;
        }
        if (!quoted && IsSeparator(c))
        {
            if (buffer.Count() > 0)
                break;
            continue;
        }
        buffer.Add(c);
    }
    if (buffer.Count() == 0)
        return false;
    length = buffer.Count();
    buffer.Add(0);
    token = buffer.Data();
    return true;
}
