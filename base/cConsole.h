// cConsole: the engine's log, a ring of the newest 1024 lines, and the typed console input line.
#pragma once

#include "base/cArray.h"
#include "base/cConsoleHost.h"
#include "base/cString.h"

#include <cstdint>
#include <mutex>

struct ConsoleLine
{
    cString text;
    cString moduleName;
    cString moduleClass;
    int32_t level = 0;
};

class cConsole
{
public:
    static constexpr int kDefaultLines = 1024;

    cConsole();
    ~cConsole();

    // The console of the running engine, or null before one is created.
    static cConsole* Get() { return current; }

    void Initialise();
    void Shutdown();
    void SetHost(cConsoleHost* newHost) { host = newHost; }

    // The single entry point for all output; any thread may print.
    void Print(const cString& text, int level = 0, const cString& moduleName = cString(),
               const cString& moduleClass = cString());
    // The k-th most recent line, k = 1 the newest.
    const ConsoleLine& GetLine(int k) const;
    int LineCount() const { return lines.Count(); }
    // Keeps the newest n lines; 0 releases all.
    void Resize(int n);
    void Clear();
    // Typed input: backspace, escape, return, or a character to append. Only while input is enabled.
    void OnKey(int character);

    void SetInputEnabled(bool enabled) { inputEnabled = enabled; }
    bool IsInputEnabled() const { return inputEnabled; }
    const cString& GetInput() const { return input; }

    // The printed form: "Name[CLASS]: Warning: text".
    static cString ComposeLine(const cString& text, int level, const cString& moduleName,
                               const cString& moduleClass);

private:
    static inline cConsole* current = nullptr;

    bool initialised = false;
    bool destroyed = false;
    bool inputEnabled = false;
    int32_t writeIndex = 0;
    cArray<ConsoleLine*> lines;
    std::mutex lock;
    cString input;
    cConsoleHost* host = nullptr;
};

// Prints through the engine's console; does nothing when no console exists yet.
void ConsolePrint(const cString& text, int level = 0, const cString& moduleName = cString(),
                  const cString& moduleClass = cString());
