// Tests of the language table and the character map.
#include "FileFixture.h"

using LanguageTest = FileTest;
using Lines = std::vector<std::string>;

namespace
{
std::string Bytes(std::initializer_list<const char*> parts)
{
    std::string bytes;
    for (const char* part : parts)
        bytes.append(part, std::strlen(part) + 1);
    return bytes;
}
} // namespace

TEST_F(LanguageTest, IdsAndTextsPairUpAcrossRunsOfZeros)
{
    std::string table = Bytes({"GUI_OK", "OK"});
    table += std::string(2, '\0');
    table += Bytes({"GUI_BACK", "Back", "HINT_A"});
    table += '\0';
    table += Bytes({"HINT_B", "GUI_OK1", "first", "GUI_OK1", "second"});
    table += "TRAILING";
    WriteDisk("Data/Scripts/lang4.qln", table);
    WriteDisk("Data/Scripts/lang4_chars.qsc", "char 0041 65\r\nchar 00e9 233\r\nchar 00C9 201\r\nchar 0020 1\r\nchar 0020 2");
    interpreter->LoadLanguage();

    EXPECT_STREQ(interpreter->GetText("GUI_OK").Text(), "OK");
    EXPECT_STREQ(interpreter->GetText("GUI_BACK").Text(), "Back");
    EXPECT_STREQ(interpreter->GetText("HINT_A").Text(), "HINT_B") << "an empty text cannot be stored";
    EXPECT_STREQ(interpreter->GetText("GUI_OK1").Text(), "first");
    EXPECT_STREQ(interpreter->GetText("GUI_OK2").Text(), "second") << "a duplicate id is raised";
    EXPECT_STREQ(interpreter->GetText("TRAILING").Text(), "");

    EXPECT_EQ(interpreter->GetGlyph(0x41), 65);
    EXPECT_EQ(interpreter->GetGlyph(0xE9), 0) << "lookups use upper-case digits";
    EXPECT_EQ(interpreter->GetGlyph(0xC9), 201);
    EXPECT_EQ(interpreter->GetGlyph(0x20), 1);
    EXPECT_EQ(interpreter->GetGlyph(0x21), 2) << "a duplicate char line answers for the next code";
    EXPECT_EQ(interpreter->GetGlyph(0x7A), 0);

    printed.clear();
    EXPECT_STREQ(interpreter->GetText("").Text(), "");
    EXPECT_TRUE(printed.empty());
    EXPECT_STREQ(interpreter->GetText("GUI_NOPE").Text(), "");
    EXPECT_EQ(printed, (Lines{"Interpreter[INTERPRETER]: TextID 'GUI_NOPE' not found"}));
    EXPECT_EQ(interpreter->GetCurrent(), nullptr) << "the character map ran in the interpreter and left it";
}

TEST_F(LanguageTest, MissingFilesAreReportedAndLeaveEmptyTables)
{
    interpreter->characters.Insert(QNEW cInterpreter::cChar("0041", 65));
    printed.clear();
    interpreter->LoadLanguage();
    EXPECT_EQ(printed, (Lines{"Interpreter[INTERPRETER]: Warning: File 'Scripts/lang4_chars.qsc' not found.",
                              "Interpreter[INTERPRETER]: Warning: File 'Scripts/lang4.qln' not found."}));
    EXPECT_EQ(interpreter->GetGlyph(0x41), 0);
    EXPECT_EQ(interpreter->texts.Count(), 0);
}

TEST_F(LanguageTest, CharWithoutArgumentsMapsTheBlank)
{
    Run("Interpreter/char");
    EXPECT_EQ(interpreter->GetGlyph(0x20), 32);
    Run("Interpreter/char 00FC 252.9");
    EXPECT_EQ(interpreter->GetGlyph(0xFC), 252);
    Run("Interpreter/char 00FD 1e30");
    EXPECT_EQ(interpreter->GetGlyph(0xFD), INT32_MAX) << "a glyph beyond the range stops at its end";
}
