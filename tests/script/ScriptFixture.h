// A console, an interpreter and a small module tree for the script runtime tests.
#pragma once

#include "base/cConsole.h"
#include "script/cInterpreter.h"
#include "script/cModule.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

// A module with numeric, vector and string properties and two commands of its own.
class cTestModule : public cModule
{
public:
    explicit cTestModule(const char* moduleName, const char* classWord = "TESTMODULE")
    {
        name = moduleName;
        className = classWord;
        if (!HasClassCommands())
        {
            AddCommand(1, "poke 7 seven");
            AddCommand(2, "jump");
            AddConstant(42, "ANSWER");
        }
        RegisterProperty("Speed", 1, 1.0f);
        RegisterProperty("Position", 2, 0.0f);
        RegisterStringProperty("Color", 3, "FFFFFFFF");
        RegisterProperty("Plain", -1, 5.0f);
    }

    void OnCommand(cCommand& call) override
    {
        lastCall.clear();
        lastCall.push_back(call.word.Text());
        for (int i = 0; i < call.ArgumentCount(); ++i)
            lastCall.push_back(call.Argument(i).text.Text() + std::string("=") + std::to_string(call.Argument(i).value));
        ++commandsReceived;
    }
    void UpdateProperty(cProperty& property) override
    {
        ++updates;
        if (property.id == 0)
            cModule::UpdateProperty(property);
    }
    void CommitProperty(cProperty& property) override
    {
        ++commits;
        if (property.id == 0)
            cModule::CommitProperty(property);
    }

    std::vector<std::string> lastCall;
    int commandsReceived = 0;
    int updates = 0;
    int commits = 0;
};

class ScriptTest : public ::testing::Test, public cConsoleHost
{
protected:
    ScriptTest()
    {
        console.Initialise();
        console.SetHost(this);
        interpreter = QNEW cInterpreter;
        game.name = "Game";
        game.className = "GAME";
        game.AddChild(interpreter);
        interpreter->SetRoot(&game);
        printed.clear();
    }
    ~ScriptTest() override
    {
        game.RemoveChild(interpreter);
        delete interpreter;
        console.SetHost(nullptr);
    }

    void OnLinePrinted(const cString& composed) override { printed.push_back(composed.Text()); }

    // Executes lines and returns what they printed.
    std::vector<std::string> Run(std::initializer_list<const char*> lines)
    {
        printed.clear();
        for (const char* line : lines)
            interpreter->Execute(cString(line));
        return printed;
    }
    std::vector<std::string> Run(const char* line) { return Run({line}); }

    cConsole console;
    cModule game;
    cInterpreter* interpreter = nullptr;
    std::vector<std::string> printed;
};
