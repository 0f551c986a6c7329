// Compares the interpreter's speed on a generated script of property lines with tclsh on an equivalent file of set lines.
//
// Prints both rates in lines per second and, as the last line, "ratio <ours/tclsh>". tclsh's start-up
// is measured on an empty script and subtracted. Each side runs a few times and counts its fastest run,
// so that other work on a shared machine disturbs the comparison less.
#include "base/cConsole.h"
#include "script/cFileSystem.h"
#include "script/cInterpreter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace
{
constexpr int kLines = 1000000;
constexpr int kRuns = 3;

// A module whose Position commits into live state, as a body's does.
class cBenchModule : public cModule
{
public:
    cBenchModule()
    {
        name = "Target";
        className = "BENCH";
        RegisterProperty("Position", 1, 0.0f);
    }
    void CommitProperty(cProperty& property) override
    {
        if (property.id != 1)
        {
            cModule::CommitProperty(property);
            return;
        }
        x = property.Get(0);
        y = property.Get(1);
        z = property.Get(2);
    }
    float x = 0, y = 0, z = 0;
};

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The fastest of kRuns runs of a shell command, or -1 when it fails.
double TimeCommand(const std::string& command)
{
    double best = -1.0;
    for (int run = 0; run < kRuns; ++run)
    {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0)
            return -1.0;
        const double seconds = Seconds(start);
        if (best < 0.0 || seconds < best)
            best = seconds;
    }
    return best;
}

void WriteScripts(const std::filesystem::path& folder)
{
    std::ofstream ours(folder / "Data/bench.qsc", std::ios::binary);
    std::ofstream theirs(folder / "bench.tcl", std::ios::binary);
    for (int i = 0; i < kLines; ++i)
    {
        const int k = i % 100;
        ours << "sp Position 1." << k << " 2 3\r\n";
        theirs << "set Position {1." << k << " 2 3}\n";
    }
    std::ofstream(folder / "empty.tcl") << "";
}
} // namespace

int main()
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("qorn-bench-interpreter-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "Data");
    std::filesystem::current_path(folder);
    WriteScripts(folder);

    cConsole console;
    console.Initialise();
    cInterpreter* interpreter = QNEW cInterpreter;
    cFileSystem* fileSystem = QNEW cFileSystem;
    cBenchModule target;

    double ourSeconds = 0.0;
    for (int run = 0; run < kRuns; ++run)
    {
        const auto start = std::chrono::steady_clock::now();
        interpreter->RunFile("bench", &target);
        const double seconds = Seconds(start);
        if (run == 0 || seconds < ourSeconds)
            ourSeconds = seconds;
    }
    const double ourRate = kLines / ourSeconds;
    std::printf("qorn interpreter: %.0f lines/s (%.3f s, last position %.2f %.0f %.0f)\n", ourRate, ourSeconds,
                double(target.x), double(target.y), double(target.z));

    const double empty = TimeCommand("tclsh empty.tcl");
    const double full = TimeCommand("tclsh bench.tcl");
    int status = 0;
    if (empty < 0.0 || full < 0.0)
    {
        std::printf("tclsh: not available\n");
        status = 1;
    }
    else
    {
        const double tclRate = kLines / (full - empty);
        std::printf("tclsh: %.0f lines/s (%.3f s minus %.3f s start-up)\n", tclRate, full, empty);
        std::printf("ratio %.2f\n", ourRate / tclRate);
    }
    delete fileSystem;
    delete interpreter;
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(folder);
    return status;
}
