// Fuzz target for the script runtime: the input is split into a script line, a script file and a language table.
//
// Built as a libFuzzer target with -DQORN_FUZZ=ON (clang); otherwise as a driver that replays the
// inputs given on its command line, which is how the kept crash inputs run as regression tests.
#include "base/cConsole.h"
#include "script/cFileSystem.h"
#include "script/cInterpreter.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace
{
// A module with properties and a command, and children to navigate.
class cFuzzModule : public cModule
{
public:
    explicit cFuzzModule(const char* moduleName)
    {
        name = moduleName;
        className = "FUZZ";
        if (!HasClassCommands())
        {
            AddCommand(1, "poke 1 two");
            AddConstant(7, "SEVEN");
        }
        RegisterProperty("Position", 1, 0.0f);
        RegisterStringProperty("Text", 2, "x");
    }
    void UpdateProperty(cProperty& property) override
    {
        if (property.id == 0)
            cModule::UpdateProperty(property);
    }
    void CommitProperty(cProperty& property) override
    {
        if (property.id == 0)
            cModule::CommitProperty(property);
    }
};

struct Harness
{
    Harness()
    {
        folder = std::filesystem::temp_directory_path() / ("qorn-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder / "Data/Scripts");
        std::filesystem::current_path(folder);
        console.Initialise();
    }
    ~Harness()
    {
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
        std::filesystem::remove_all(folder, ignored);
    }
    std::filesystem::path folder;
    cConsole console;
};

void Write(const std::filesystem::path& path, const uint8_t* data, size_t size)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Harness harness;
    // Three parts separated by the first two 0xFE bytes: a line, a script file, a language table.
    const uint8_t* end = data + size;
    const uint8_t* firstCut = static_cast<const uint8_t*>(std::memchr(data, 0xFE, size));
    const uint8_t* lineEnd = firstCut ? firstCut : end;
    const uint8_t* fileStart = firstCut ? firstCut + 1 : end;
    const uint8_t* secondCut = static_cast<const uint8_t*>(std::memchr(fileStart, 0xFE, size_t(end - fileStart)));
    const uint8_t* fileEnd = secondCut ? secondCut : end;
    const uint8_t* tableStart = secondCut ? secondCut + 1 : end;

    Write(harness.folder / "Data/fuzz.qsc", fileStart, size_t(fileEnd - fileStart));
    Write(harness.folder / "Data/Scripts/lang4.qln", tableStart, size_t(end - tableStart));
    Write(harness.folder / "Data/Scripts/lang4_chars.qsc", fileStart, size_t(fileEnd - fileStart));

    cModule root;
    root.name = "Game";
    root.className = "GAME";
    cInterpreter* interpreter = QNEW cInterpreter;
    cFileSystem* fileSystem = QNEW cFileSystem;
    cFuzzModule* world = QNEW cFuzzModule("World");
    cFuzzModule* bug = QNEW cFuzzModule("Bug");
    root.AddChild(interpreter);
    root.AddChild(fileSystem);
    root.AddChild(world);
    world->AddChild(bug);
    interpreter->SetRoot(&root);

    interpreter->Execute(reinterpret_cast<const char*>(data), int(lineEnd - data), nullptr);
    interpreter->Execute("run fuzz", bug);
    interpreter->LoadLanguage();
    interpreter->GetText("GUI_OK");
    interpreter->GetGlyph(0x41);
    cString saved;
    root.Save(saved, "", true);
    interpreter->RunText(saved.Text(), saved.Length());

    root.RemoveChild(world);
    world->RemoveChild(bug);
    delete bug;
    delete world;
    root.RemoveChild(fileSystem);
    delete fileSystem;
    root.RemoveChild(interpreter);
    delete interpreter;
    return 0;
}

#ifndef QORN_LIBFUZZER
int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        std::ifstream in(argv[i], std::ios::binary);
        const std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    }
    std::printf("replayed %d inputs\n", argc - 1);
    return 0;
}
#endif
