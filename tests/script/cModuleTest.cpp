// Tests of cModule: properties, names in the tree and in groups, registration and the save format.
#include "ScriptFixture.h"

#include "base/NumberFormat.h"

using ModuleTest = ScriptTest;

TEST_F(ModuleTest, PropertyAccessAndItsMessages)
{
    cTestModule bug("Bug");
    EXPECT_EQ(bug.GetProperty("Speed"), 1.0f);
    EXPECT_EQ(bug.updates, 1);
    bug.SetProperty("Position", 2, 7.0f);
    EXPECT_EQ(bug.FindProperty("Position")->values.Count(), 3) << "writing component 2 grows to three";
    EXPECT_EQ(bug.GetProperty("Position", 2), 7.0f);
    EXPECT_EQ(bug.GetProperty("Position", 9), 0.0f);
    EXPECT_EQ(bug.commits, 1);

    const int updatesBefore = bug.updates;
    bug.SetProperty("Plain", 0, 3.0f);
    EXPECT_EQ(bug.GetProperty("Plain"), 3.0f);
    EXPECT_EQ(bug.commits, 1) << "negative ids never commit";
    EXPECT_EQ(bug.updates, updatesBefore) << "negative ids never update";

    printed.clear();
    EXPECT_EQ(bug.GetProperty("Missing"), 0.0f);
    bug.SetProperty("Missing", 0, 1.0f);
    EXPECT_STREQ(bug.GetStringProperty("Speed").Text(), "");
    bug.SetStringProperty("Missing", "x");
    bug.LockProperty("Missing");
    bug.RegisterProperty("Speed", 9, 0.0f);
    EXPECT_EQ(printed, (std::vector<std::string>{
                           "Bug[TESTMODULE]: Warning: Cannot get property 'Missing'. Property not found.",
                           "Bug[TESTMODULE]: Warning: Cannot set property 'Missing'. Property not found.",
                           "Bug[TESTMODULE]: Warning: Cannot get string property 'Speed'. Property not found.",
                           "Bug[TESTMODULE]: Warning: Cannot set string property 'Missing'. Property not found.",
                           "Bug[TESTMODULE]: Warning: Cannot lock property 'Missing'. Property not found.",
                           "Bug[TESTMODULE]: Warning: Cannot register property 'Speed'. Name already exists.",
                       }));
}

TEST_F(ModuleTest, TheBaseReportsIdsItCannotHandle)
{
    cModule plain;
    plain.RegisterProperty("Size", 4, 1.0f);
    printed.clear();
    plain.GetProperty("Size");
    plain.SetProperty("Size", 0, 2.0f);
    EXPECT_EQ(printed, (std::vector<std::string>{
                           "Unnamed[UNKNOWN]: Warning: Cannot update property 'Size'. Update not implemented.",
                           "Unnamed[UNKNOWN]: Warning: Cannot commit property 'Size'. Commit not implemented.",
                       }));
}

TEST_F(ModuleTest, LockedPropertiesKeepValuesButNoLongerReachTheModule)
{
    cTestModule bug("Bug");
    game.AddChild(&bug);
    bug.LockProperty("Speed");
    Run("Bug/sp Speed 4");
    EXPECT_EQ(bug.FindProperty("Speed")->Get(0), 4.0f);
    EXPECT_EQ(bug.commits, 0);
    cString saved;
    bug.Save(saved, "", false);
    EXPECT_EQ(std::string(saved.Text()).find("Speed"), std::string::npos);
}

TEST_F(ModuleTest, NamesStayUniqueAndFindableInTheParentAndInGroups)
{
    cTestModule first("Ant");
    cTestModule second("Bee");
    game.AddChild(&first);
    game.AddChild(&second);
    second.SetName("Ant");
    EXPECT_STREQ(second.name.Text(), "Ant1");
    EXPECT_EQ(game.FindChild("Ant1"), &second);
    EXPECT_EQ(game.FindChild("Ant"), &first);

    // Renaming through the "Name" property goes the same way.
    Run("Ant1/sp Name Wasp");
    EXPECT_EQ(game.FindChild("Wasp"), &second);

    cTestModule stray("Wasp");
    stray.JoinGroup("Bugs");
    second.JoinGroup("Bugs");
    EXPECT_STREQ(second.name.Text(), "Wasp1") << "a name taken in the group is raised";
    EXPECT_EQ(game.FindChild("Wasp1"), &second);
    cGroup* bugs = interpreter->GetGroup("Bugs");
    EXPECT_EQ(bugs->members.Find("Wasp1"), &second);
    second.SetName("Hornet");
    EXPECT_EQ(bugs->members.Find("Hornet"), &second);
    EXPECT_EQ(game.FindChild("Hornet"), &second);
    second.LeaveGroup("Bugs");
    EXPECT_FALSE(second.IsInGroup("Bugs"));
    EXPECT_EQ(bugs->members.Find("Hornet"), nullptr);
}

TEST_F(ModuleTest, DeletingAModuleLeavesItsGroupsAndItsParent)
{
    cTestModule* bug = QNEW cTestModule("Bug");
    game.AddChild(bug);
    bug->JoinGroup("Bugs");
    delete bug;
    EXPECT_EQ(game.FindChild("Bug"), nullptr);
    EXPECT_EQ(interpreter->GetGroup("Bugs")->members.Count(), 0);
}

TEST_F(ModuleTest, CommandsRegisterOncePerClassWord)
{
    printed.clear();
    cTestModule a("A");
    cTestModule b("B");
    EXPECT_TRUE(printed.empty()) << "a second instance registers nothing and logs nothing";
    EXPECT_TRUE(interpreter->HasClassCommands("TESTMODULE"));
    EXPECT_FALSE(interpreter->HasClassCommands("TESTMOD"));
    cTestModule other("C", "OTHERCLASS");
    EXPECT_TRUE(interpreter->HasClassCommands("OTHERCLASS"));
    EXPECT_NE(interpreter->commands.Find("OTHERCLASS/poke"), nullptr);

    printed.clear();
    interpreter->AddCommand(&a, 5, "poke 1");
    interpreter->AddSystemCommand(5, "echo twice");
    interpreter->AddConstant(&a, 1, "ANSWER");
    EXPECT_EQ(printed, (std::vector<std::string>{
                           "Interpreter[INTERPRETER]: Warning: Cannot add Command 'poke 1'. Name already exists.",
                           "Interpreter[INTERPRETER]: Warning: Cannot add System Command 'echo twice'. Name already "
                           "exists.",
                           "Interpreter[INTERPRETER]: Warning: Cannot add Constant 'ANSWER'. Name already exists.",
                       }));
}

TEST_F(ModuleTest, SaveWritesSortedPropertiesAndSavedChildren)
{
    cModule level;
    level.name = "Level";
    level.RegisterProperty("Zeta", 5, 0.5f);
    level.RegisterStringProperty("Model", 6, "ant", 100);
    level.RegisterProperty("ScaleFactor", 7, 2.0f, 110);
    level.RegisterProperty("Save_PlayerID", 8, 1.0f, 120);
    level.RegisterProperty("Empty", -1, 0.0f);
    level.FindProperty("Empty")->values.Clear();
    cTestModule child("Flower");
    child.FindProperty("Position")->values.SetCount(3);
    child.FindProperty("Position")->values[0] = 1.0f;
    child.FindProperty("Position")->values[2] = 2.5f;
    level.AddChild(&child);
    cModule camera;
    camera.name = "Camera";
    camera.className = "CAMERA";
    level.AddChild(&camera);
    cModule holder;
    holder.name = "Dust";
    holder.className = "PARTICLEHOLDER";
    level.AddChild(&holder);
    cModule helper;
    helper.name = "Marker";
    helper.JoinGroup("Helpers");
    level.AddChild(&helper);
    cModule hidden;
    hidden.name = "Hidden";
    hidden.saveEnabled = false;
    level.AddChild(&hidden);

    cString saved;
    level.Save(saved, "", true);
    level.RemoveChild(&child);
    level.RemoveChild(&camera);
    level.RemoveChild(&holder);
    level.RemoveChild(&helper);
    level.RemoveChild(&hidden);
    EXPECT_STREQ(saved.Text(), "sp \"Save_PlayerID\" 1.0000000000\r\n"
                               "sp \"ScaleFactor\" 2.0000000000\r\n"
                               "sp \"Model\" \"ant\"\r\n"
                               "sp \"Zeta\" 0.5000000000\r\n"
                               "\r\n"
                               "> \"Flower\"\r\n"
                               "\tsp \"Color\" \"FFFFFFFF\"\r\n"
                               "\tsp \"Plain\" 5.0000000000\r\n"
                               "\tsp \"Position\" 1.0000000000 0.0000000000 2.5000000000\r\n"
                               "\tsp \"Speed\" 1.0000000000\r\n"
                               "\t<\r\n"
                               "\r\n");
}

TEST_F(ModuleTest, ASavedTreeReadsBackWithTheSameValues)
{
    cTestModule world("World");
    cTestModule bug("Bug");
    world.AddChild(&bug);
    game.AddChild(&world);
    bug.SetProperty("Position", 0, 0.1234567891f);
    bug.SetProperty("Position", 1, -250.5f);
    bug.SetStringProperty("Color", "FF00FF00");
    world.SetProperty("Speed", 0, 3.25f);
    cString saved;
    world.Save(saved, "", true);

    cTestModule copy("Copy");
    cTestModule copiedBug("Bug");
    copy.AddChild(&copiedBug);
    game.AddChild(&copy);
    interpreter->SetCurrent(&copy);
    interpreter->RunText(saved.Text(), saved.Length());
    EXPECT_EQ(interpreter->GetCurrent(), &copy) << "the exit line returns to the parent";
    EXPECT_EQ(FloatToString(copiedBug.GetProperty("Position", 0)), FloatToString(bug.GetProperty("Position", 0)));
    EXPECT_EQ(copiedBug.GetProperty("Position", 1), -250.5f);
    EXPECT_STREQ(copiedBug.GetStringProperty("Color").Text(), "FF00FF00");
    EXPECT_EQ(copy.GetProperty("Speed"), 3.25f);
    EXPECT_STREQ(copy.name.Text(), "Copy") << "Name is not saved";
}

TEST_F(ModuleTest, SaveConnectionsWritesEveryPropertyThatIsNotLocked)
{
    cModule plain;
    plain.name = "Thing";
    plain.RegisterProperty("Size", -1, 2.0f);
    plain.RegisterProperty("Secret", -1, 1.0f);
    plain.LockProperty("Secret");
    cString out;
    plain.SaveConnections(out);
    EXPECT_STREQ(out.Text(), "sp \"Name\" \"\"\r\nsp \"Size\" 2.0000000000\r\n");
}
