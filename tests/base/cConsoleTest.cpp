// Tests of cConsole: the ring, the composed line format and typed input.
#include "base/cConsole.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct RecordingHost : cConsoleHost
{
    void WaitForPendingJobs() override { events.push_back("wait"); }
    cString GetCurrentModuleName() override { return "Game"; }
    void ExecuteInput(const cString& line) override { events.push_back(std::string("exec:") + line.Text()); }
    void OnLinePrinted(const cString& composed) override { printed.push_back(composed.Text()); }
    std::vector<std::string> events;
    std::vector<std::string> printed;
};
} // namespace

TEST(cConsole, ComposedLinesCarryNameClassAndLevelPrefix)
{
    struct Case
    {
        const char* name;
        const char* className;
        int level;
        const char* expected;
    };
    const Case cases[] = {
        {"Screen", "SCREEN", 4, "Screen[SCREEN]: Error: text"},
        {"Interpreter", "INTERPRETER", 2, "Interpreter[INTERPRETER]: Warning: text"},
        {"Interpreter", "INTERPRETER", 3, "Interpreter[INTERPRETER]: Warning: text"},
        {"", "CLASS", 0, "[CLASS]: text"},
        {"Qorn", "", 1, "Qorn: text"},
        {"", "", 0, "text"},
        {"", "", 1, "text"},
        {"", "", 7, "text"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(cConsole::ComposeLine("text", c.level, c.name, c.className).Text(), c.expected);
}

TEST(cConsole, TheRingKeepsTheNewest1024Lines)
{
    cConsole console;
    console.Initialise();
    EXPECT_EQ(console.LineCount(), 1024);
    EXPECT_STREQ(console.GetLine(1).text.Text(), "");
    for (int i = 1; i <= 1025; ++i)
        console.Print(cString::Format("line %d", i), 3, "M", "C");
    EXPECT_STREQ(console.GetLine(1).text.Text(), "line 1025");
    EXPECT_EQ(console.GetLine(1).level, 3);
    EXPECT_STREQ(console.GetLine(1).moduleName.Text(), "M");
    EXPECT_STREQ(console.GetLine(1024).text.Text(), "line 2") << "the 1025th line overwrote the first";

    console.Resize(10);
    EXPECT_STREQ(console.GetLine(1).text.Text(), "line 1025");
    EXPECT_STREQ(console.GetLine(10).text.Text(), "line 1016");
    console.Print("after");
    EXPECT_STREQ(console.GetLine(1).text.Text(), "after");
    EXPECT_STREQ(console.GetLine(10).text.Text(), "line 1017");
    console.Clear();
    EXPECT_STREQ(console.GetLine(1).text.Text(), "");
    console.Shutdown();
    EXPECT_EQ(console.LineCount(), 0);
    console.Print("nowhere to go");
}

TEST(cConsole, TypedInputEditsAndExecutesTheLine)
{
    cConsole console;
    console.Initialise();
    RecordingHost host;
    console.SetHost(&host);
    console.OnKey('x');
    EXPECT_TRUE(console.GetInput().IsEmpty()) << "input is ignored while disabled";
    console.SetInputEnabled(true);
    console.OnKey(8);
    EXPECT_TRUE(console.GetInput().IsEmpty());
    for (char c : std::string("lmx"))
        console.OnKey(c);
    console.OnKey(8);
    EXPECT_STREQ(console.GetInput().Text(), "lm");
    console.OnKey(13);
    EXPECT_TRUE(console.GetInput().IsEmpty());
    EXPECT_EQ(host.events, (std::vector<std::string>{"wait", "exec:lm"}));
    EXPECT_EQ(host.printed, (std::vector<std::string>{"*Game>lm", " "}));
    console.OnKey('q');
    console.OnKey(27);
    EXPECT_TRUE(console.GetInput().IsEmpty());
}

TEST(cConsole, PrintingWithoutAConsoleDoesNothing)
{
    ASSERT_EQ(cConsole::Get(), nullptr);
    ConsolePrint("dropped");
    cConsole console;
    console.Initialise();
    ConsolePrint("kept", 2);
    EXPECT_STREQ(console.GetLine(1).text.Text(), "kept");
}
