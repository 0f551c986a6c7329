// Tests of script files: running, nesting, terminate and the module a file runs in.
#include "FileFixture.h"

using RunFileTest = FileTest;
using Lines = std::vector<std::string>;

TEST_F(RunFileTest, MissingFilesAreReportedByRunButNotByRunIfExists)
{
    EXPECT_EQ(Run({"run nothing", "runifexists nothing", "run"}),
              (Lines{"Interpreter[INTERPRETER]: Warning: File 'nothing.qsc' not found.",
                     "Interpreter[INTERPRETER]: Warning: File 'null.qsc' not found."}));
    WriteDisk("Data/hello.qsc", "echo hello\r\n");
    WriteDisk("User/mine.qsc", "echo mine");
    WriteDisk("xdg/Tessaverde/Vexmoor/config.qsc", "echo config\r\n");
    EXPECT_EQ(Run({"runifexists hello", "run #mine", "run @Tessaverde\\Vexmoor\\config"}),
              (Lines{"hello", "mine", "config"}));
}

TEST_F(RunFileTest, AFileThatRunsItselfStopsAfterEightLevels)
{
    WriteDisk("Data/self.qsc", "echo level\r\nrun self\r\n");
    const Lines expected = [] {
        Lines lines(8, "level");
        lines.push_back("Interpreter[INTERPRETER]: Warning: Cannot run 'self'. Maximum file depth exceeded.");
        return lines;
    }();
    EXPECT_EQ(Run("run self"), expected);
    EXPECT_EQ(interpreter->runDepth, 0);
    EXPECT_EQ(Run("run self"), expected) << "a fresh run works again";

    // Files run from code do not count, so eight more levels nest below one.
    printed.clear();
    interpreter->RunFile("self");
    EXPECT_EQ(printed.size(), 10u);
}

TEST_F(RunFileTest, NavigationPersistsUnlessTheFileRunsInAModule)
{
    cTestModule world("World");
    game.AddChild(&world);
    WriteDisk("Data/enter.qsc", "enter World\r\nsp Speed 3\r\n");
    Run("run enter");
    EXPECT_EQ(interpreter->GetCurrent(), &world);
    EXPECT_EQ(world.GetProperty("Speed"), 3.0f);

    interpreter->SetCurrent(&game);
    WriteDisk("Data/speed.qsc", "sp Speed 4\r\nexit\r\n");
    interpreter->RunFile("speed", &world);
    EXPECT_EQ(world.GetProperty("Speed"), 4.0f);
    EXPECT_EQ(interpreter->GetCurrent(), &game);
}

TEST_F(RunFileTest, BinaryAndEmptyFilesRunWithoutHarm)
{
    std::string garbage;
    for (int i = 0; i < 2000; ++i)
        garbage += char((i * 131 + 7) & 0xFF);
    WriteDisk("Data/garbage.qsc", garbage);
    WriteDisk("Data/empty.qsc", "");
    Run({"run garbage", "run empty"});
    EXPECT_EQ(interpreter->GetCurrent(), &game);
    EXPECT_EQ(fileSystem->OpenFileCount(), 0);
}
