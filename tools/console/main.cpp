// qorn-console: the headless console; runs script lines from standard input against the real engine tree.
//
// Every line read is typed into the engine's console followed by return, one line per tick; every
// console line is written to standard output the moment it is printed. "@wait SECONDS" ticks the
// engine for that much simulated time instead. The engine ends at the end of input or on "quit".
#include "base/TrackedAllocator.h"
#include "game/cGame.h"
#include "platform/cClock.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace
{
struct Options
{
    double step = 0.01;
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--step") == 0 && i + 1 < argc)
        {
            options.step = std::atof(argv[++i]);
            if (options.step <= 0.0)
                return false;
            continue;
        }
        return false;
    }
    return true;
}

// One simulated tick: the clock moves on by the step first.
bool TickOnce(cGame& game, cManualClock& clock, double step)
{
    clock.Advance(step);
    return game.Tick();
}

void TypeLine(cConsole& console, const std::string& line)
{
    for (unsigned char c : line)
        console.OnKey(c);
    console.OnKey(13);
}
} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
    {
        std::fprintf(stderr, "usage: qorn-console [--step SECONDS] < script\n");
        return 2;
    }
    cManualClock clock;
    cGame* game = QNEW cGame;
    game->SetClock(&clock);
    game->SetConsoleMirror(stdout);
    game->Initialise();
    if (game->IsInitialised())
    {
        game->GetConsole()->SetInputEnabled(true);
        std::string line;
        bool quit = false;
        while (!quit && std::getline(std::cin, line))
        {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.rfind("@wait", 0) == 0 && (line.size() == 5 || line[5] == ' '))
            {
                const double seconds = line.size() > 5 ? std::atof(line.c_str() + 5) : 0.0;
                for (double waited = 0.0; !quit && waited + 1e-9 < seconds; waited += options.step)
                    quit = TickOnce(*game, clock, options.step);
                continue;
            }
            TypeLine(*game->GetConsole(), line);
            quit = TickOnce(*game, clock, options.step);
        }
    }
    game->Shutdown();
    delete game;
    return 0;
}
