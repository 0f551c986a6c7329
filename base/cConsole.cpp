// cConsole: the ring of lines, the composed line format and console input.
#include "base/cConsole.h"

#include "base/TrackedAllocator.h"

namespace
{
const ConsoleLine emptyLine;
}

cConsole::cConsole()
{
    current = this;
}

cConsole::~cConsole()
{
    Resize(0);
    if (current == this)
        current = nullptr;
}

void cConsole::Initialise()
{
    if (initialised)
        return;
    Resize(kDefaultLines);
    Clear();
    initialised = true;
}

void cConsole::Shutdown()
{
    Resize(0);
    destroyed = true;
}

cString cConsole::ComposeLine(const cString& text, int level, const cString& moduleName,
                              const cString& moduleClass)
{
    cString composed;
    if (!moduleName.IsEmpty())
        composed += moduleName;
    if (!moduleClass.IsEmpty())
    {
        composed += "[";
        composed += moduleClass;
        composed += "]";
    }
    if (!moduleName.IsEmpty() || !moduleClass.IsEmpty())
        composed += ": ";
    if (level == 2 || level == 3)
        composed += "Warning: ";
    else if (level == 4)
        composed += "Error: ";
    composed += text;
    return composed;
}

void cConsole::Print(const cString& text, int level, const cString& moduleName, const cString& moduleClass)
{
    cString composed;
    {
        std::lock_guard<std::mutex> guard(lock);
        if (lines.Count() > 0)
        {
            ConsoleLine* line = lines[writeIndex];
            line->text = text;
            line->moduleName = moduleName;
            line->moduleClass = moduleClass;
            line->level = level;
            writeIndex = (writeIndex + 1) % lines.Count();
        }
        composed = ComposeLine(text, level, moduleName, moduleClass);
    }
    if (host)
        host->OnLinePrinted(composed);
}

const ConsoleLine& cConsole::GetLine(int k) const
{
    const int count = lines.Count();
    if (count == 0 || k < 1 || k > count)
        return emptyLine;
    return *lines[((writeIndex - k) % count + count) % count];
}

void cConsole::Resize(int n)
{
    if (n < 0)
        n = 0;
    std::lock_guard<std::mutex> guard(lock);
    cArray<ConsoleLine*> resized;
    const int keep = n < lines.Count() ? n : lines.Count();
    // Oldest kept line first, so the newest ends just before the new write position.
    for (int k = keep; k >= 1; --k)
    {
        const int index = ((writeIndex - k) % lines.Count() + lines.Count()) % lines.Count();
        resized.Add(lines[index]);
        lines[index] = nullptr;
    }
    for (ConsoleLine* line : lines)
        delete line;
    while (resized.Count() < n)
        resized.Add(QNEW ConsoleLine);
    lines = resized;
    writeIndex = n ? keep % n : 0;
}

void cConsole::Clear()
{
    std::lock_guard<std::mutex> guard(lock);
    for (ConsoleLine* line : lines)
    {
        line->text.Clear();
        line->moduleName.Clear();
        line->moduleClass.Clear();
        line->level = 0;
    }
}

void cConsole::OnKey(int character)
{
    if (!inputEnabled)
        return;
    switch (character)
    {
    case 8:
        if (!input.IsEmpty())
            input = input.Left(input.Length() - 1);
        return;
    case 27:
        input.Clear();
        return;
    case 13:
    {
        const cString line = input;
        input.Clear();
        if (host)
            host->WaitForPendingJobs();
        const cString prompt = "*" + (host ? host->GetCurrentModuleName() : cString()) + ">" + line;
        Print(prompt);
        if (host)
            host->ExecuteInput(line);
        Print(" ");
        return;
    }
    default:
        input += char(character);
        return;
    }
}

void ConsolePrint(const cString& text, int level, const cString& moduleName, const cString& moduleClass)
{
    if (cConsole* console = cConsole::Get())
        console->Print(text, level, moduleName, moduleClass);
}
