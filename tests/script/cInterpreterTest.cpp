// Tests of cInterpreter: module paths, command lookup, arguments, constants and the system commands.
#include "ScriptFixture.h"

namespace
{
using Lines = std::vector<std::string>;
}

class InterpreterTest : public ScriptTest
{
protected:
    InterpreterTest() : bug("Bug"), world("World")
    {
        game.AddChild(&world);
        world.AddChild(&bug);
    }
    cTestModule bug;
    cTestModule world;
};

TEST_F(InterpreterTest, PathsAddressModulesWithoutMovingTheCurrentOne)
{
    Run("*/Interpreter/lp");
    EXPECT_EQ(printed, (Lines{"Properties of current module:", "Name Interpreter"}));
    EXPECT_EQ(interpreter->GetCurrent(), &game);

    Run({"World/Bug/sp Speed 2", "World\\Bug\\sp Position 1,2,3"});
    EXPECT_EQ(bug.GetProperty("Speed"), 2.0f);
    EXPECT_EQ(bug.GetProperty("Position", 2), 3.0f);
    EXPECT_EQ(interpreter->GetCurrent(), &game);

    Run({"enter World", "Bug//sp Speed 5", "Bug/../Bug/sp Speed 6"});
    EXPECT_EQ(bug.GetProperty("Speed"), 6.0f);
    EXPECT_EQ(interpreter->GetCurrent(), &world);

    EXPECT_EQ(Run({"Nowhere/sp Speed 1", "*/../lm", "exit", "exit"}),
              (Lines{"Interpreter[INTERPRETER]: Warning: Submodule 'Nowhere' not found.",
                     "Interpreter[INTERPRETER]: Warning: Parent module not found.",
                     "Interpreter[INTERPRETER]: Warning: Cannot exit from root."}));
    EXPECT_EQ(interpreter->GetCurrent(), &game);

    // Navigation on a line with a path has no lasting effect; slashes after the first word are text.
    Run({"World/enter Bug", "echo a/b"});
    EXPECT_EQ(interpreter->GetCurrent(), &game);
    EXPECT_EQ(printed.back(), "a/b");
}

TEST_F(InterpreterTest, ALineAddressedToAModuleRunsThere)
{
    interpreter->Execute("sp Speed 9", &bug);
    EXPECT_EQ(bug.GetProperty("Speed"), 9.0f);
    interpreter->Execute("../sp Speed 8", &bug);
    EXPECT_EQ(world.GetProperty("Speed"), 8.0f);
    EXPECT_EQ(interpreter->GetCurrent(), &game);
}

TEST_F(InterpreterTest, UnknownWordsAndWordsInAnotherCase)
{
    EXPECT_EQ(Run({"Echo hi", "World/frobnicate", "", "   ", "\x01\xff garbage"}),
              (Lines{"Interpreter[INTERPRETER]: Warning: Command 'Echo' is not available in module 'Game' [GAME].",
                     "Interpreter[INTERPRETER]: Warning: Command 'frobnicate' is not available in module 'World' "
                     "[TESTMODULE].",
                     "Interpreter[INTERPRETER]: Warning: Command '\x01\xff' is not available in module 'Game' "
                     "[GAME]."}));
}

TEST_F(InterpreterTest, CallsGetTheTemplateDefaultsAndTheClassConstants)
{
    Run("World/Bug/poke");
    EXPECT_EQ(bug.lastCall, (Lines{"poke", "7=7.000000", "seven=0.000000"}));
    Run("World/Bug/poke 1 2 3");
    EXPECT_EQ(bug.lastCall, (Lines{"poke", "1=1.000000", "2=2.000000", "3=3.000000"}));
    Run("World/Bug/poke ANSWER");
    EXPECT_EQ(bug.lastCall, (Lines{"poke", "ANSWER=42.000000", "seven=0.000000"}));
    Run("World/Bug/jump ANSWER");
    EXPECT_EQ(bug.lastCall, (Lines{"jump", "ANSWER=42.000000"}));
}

TEST_F(InterpreterTest, EchoAndPropertyCommands)
{
    EXPECT_EQ(Run({"echo Hello World", "echo 'Hello World'", "echo \"Hello World\"", "echo"}),
              (Lines{"Hello", "Hello World", "Hello World", "null"}));

    Run("World/Bug/sp Color \"FF00FF00\"");
    EXPECT_STREQ(bug.GetStringProperty("Color").Text(), "FF00FF00");
    EXPECT_EQ(Run({"World/Bug/pp Color", "World/Bug/pp Position", "World/Bug/pp Nothing"}),
              (Lines{"Color FF00FF00", "Position 0.0000000000"}));

    EXPECT_EQ(Run("World/Bug/sp Missing 1 2"),
              (Lines{"Bug[TESTMODULE]: Warning: Cannot set property 'Missing'. Property not found.",
                     "Bug[TESTMODULE]: Warning: Cannot set property 'Missing'. Property not found."}));

    EXPECT_EQ(Run("World/Bug/lp"), (Lines{"Properties of current module:", "Color FF00FF00", "Name Bug",
                                          "Plain 5.0000000000", "Position 0.0000000000", "Speed 1.0000000000"}));

    // An empty quoted value is no argument, so the default 0 becomes the name.
    Run("World/Bug/sp Name \"\"");
    EXPECT_STREQ(bug.name.Text(), "0");
}

TEST_F(InterpreterTest, Listings)
{
    EXPECT_EQ(Run("lm"), (Lines{"Submodules of current module:", " Interpreter[INTERPRETER]", " World[TESTMODULE]"}));
    const Lines mine = Run("World/lc");
    EXPECT_EQ(mine, (Lines{"Commands of current module:", " jump", " poke"}));
    EXPECT_EQ(Run("World/listcommands 0"), mine);
    EXPECT_EQ(Run("lc INTERPRETER"), (Lines{"Commands of 'INTERPRETER':", " char"}));
    const Lines system = Run("lc SYSTEM");
    ASSERT_GT(system.size(), 3u);
    EXPECT_EQ(system[0], "Commands of 'SYSTEM':");
    EXPECT_EQ(system[1], " <");
    const Lines all = Run("lc all");
    EXPECT_EQ(all[0], "All commands:");
    EXPECT_EQ(all[1], " INTERPRETER/char");
    EXPECT_EQ(all.back(), " TESTMODULE/poke");
    EXPECT_EQ(all.size(), 1 + 19 + 1 + 2u);
}

TEST_F(InterpreterTest, RootAndTerminate)
{
    Run({"enter World", "enter Bug", "root"});
    EXPECT_EQ(interpreter->GetCurrent(), &game);
    EXPECT_FALSE(interpreter->Execute("echo x"));
    EXPECT_TRUE(interpreter->Execute("terminate"));
    const std::string text = "echo one\r\nterminate\r\necho two\r\n";
    printed.clear();
    interpreter->RunText(text.data(), int(text.size()));
    EXPECT_EQ(printed, (Lines{"one"}));
}

TEST_F(InterpreterTest, LinesAreCutAtCarriageReturnLineFeedOnly)
{
    const std::string text = "echo one\necho two\r\n\r\necho three\recho four\r\necho five";
    printed.clear();
    interpreter->RunText(text.data(), int(text.size()));
    EXPECT_EQ(printed, (Lines{"one\necho", "three\recho", "five"})) << "a lone LF or CR stays inside the line";
}

TEST_F(InterpreterTest, VeryLongLinesAndBinaryGarbageDoNoHarm)
{
    std::string longLine = "sp Speed";
    for (int i = 0; i < 20000; ++i)
        longLine += " 1";
    interpreter->Execute(cString(longLine.c_str()), &bug);
    EXPECT_EQ(bug.FindProperty("Speed")->values.Count(), 20000);
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 37) & 0xFF);
    interpreter->RunText(garbage.data(), int(garbage.size()));
    EXPECT_EQ(interpreter->GetCurrent()->GetRoot(), &game);

    // A zero byte inside a new name makes a name of its own, not an endless search for a free one.
    const std::string zeroName("World/sp Name Interpreter\0x", 27);
    interpreter->Execute(zeroName.data(), int(zeroName.size()), nullptr);
    EXPECT_EQ(world.name, cString("Interpreter\0x", 13));
    EXPECT_EQ(game.FindChild("Interpreter"), interpreter);
}
