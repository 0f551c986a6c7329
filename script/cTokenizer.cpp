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

// Quoted tokens are assembled here; one per thread, reused for every token.
thread_local cArray<char> assembled(64);
} // namespace

bool cTokenizer::Next(const char*& token, int& length)
{
    // The common case: a plain token with no quote in it is handed out in place.
    while (cursor < end && IsSeparator(*cursor))
        ++cursor;
    const char* start = cursor;
    while (cursor < end && !IsSeparator(*cursor) && !IsQuote(*cursor))
        ++cursor;
    if (cursor > start && (cursor == end || IsSeparator(*cursor)))
    {
        token = start;
        length = int(cursor - start);
        return true;
    }
    cArray<char>& buffer = assembled;
    buffer.Clear();
    for (const char* c = start; c < cursor; ++c)
        buffer.Add(*c);
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
