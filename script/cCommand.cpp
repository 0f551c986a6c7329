// cCommand: argument storage (reused across calls) and parsing of a command text.
#include "script/cCommand.h"

#include "base/TrackedAllocator.h"
#include "script/cTokenizer.h"

namespace
{
const CommandArgument emptyArgument;
}

cCommand::~cCommand()
{
    DeleteArguments();
}

void cCommand::DeleteArguments()
{
    for (CommandArgument* argument : arguments)
        delete argument;
    arguments.Clear();
    usedArguments = 0;
}

const CommandArgument& cCommand::Argument(int index) const
{
    if (index < 0 || index >= usedArguments)
        return emptyArgument;
    return *arguments[index];
}

CommandArgument& cCommand::AddArgument()
{
    if (usedArguments == arguments.Count())
        arguments.Add(QNEW CommandArgument);
    return *arguments[usedArguments++];
}

void cCommand::Parse(const char* text, int length)
{
    ClearArguments();
    cTokenizer tokens(text, length);
    const char* token = nullptr;
    int tokenLength = 0;
    bool first = true;
    while (tokens.Next(token, tokenLength))
    {
        if (first)
        {
            word.Assign(token, tokenLength);
            first = false;
            continue;
        }
        AddArgument().Set(token, tokenLength);
    }
    if (first)
        word = "<NULL>";
}
