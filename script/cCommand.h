// cCommand: a registered script command (word, id, owner class, default arguments) or one call of it.
#pragma once

#include "base/cArray.h"
#include "base/cSearchable.h"
#include "script/CommandArgument.h"

#include <cstdint>

class cCommand : public cSearchable
{
public:
    cCommand() = default;
    cCommand(const cCommand&) = delete;
    cCommand& operator=(const cCommand&) = delete;
    ~cCommand() override;

    // Splits text with the script tokeniser: the first token is the word, the rest the arguments.
    void Parse(const char* text, int length);
    void Parse(const cString& text) { Parse(text.Text(), text.Length()); }

    int ArgumentCount() const { return usedArguments; }
    // The argument at index, or a shared empty argument beyond the count.
    const CommandArgument& Argument(int index) const;
    // An argument in use, for handlers and the interpreter that rewrite it.
    CommandArgument& ArgumentAt(int index) { return *arguments[index]; }
    CommandArgument& AddArgument();
    // Keeps the argument records for reuse and forgets the count.
    void ClearArguments() { usedArguments = 0; }
    void DeleteArguments();

    bool isSystem = false;
    int32_t id = 0;
    cString owner;
    cString word = "<NULL>";

private:
    // Records beyond usedArguments are kept for the next call that reuses this object.
    cArray<CommandArgument*> arguments;
    int usedArguments = 0;
};
