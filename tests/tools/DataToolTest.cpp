// Tests of the data tool's pieces: the charset, the text compiler, the script, texture and metrics encodings.
#include "tools/datagen/cCharMapWriter.h"
#include "tools/datagen/cCharset.h"
#include "tools/datagen/cFontMetricsWriter.h"
#include "tools/datagen/cImage.h"
#include "tools/datagen/cLanguageWriter.h"
#include "tools/datagen/cScriptWriter.h"
#include "tools/datagen/cTextureWriter.h"
#include "tools/datagen/cUtf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
cCharset SmallCharset()
{
    cCharset charset;
    EXPECT_TRUE(charset.Parse("0020-007E # ASCII\n00E9\n20AC\n2026\n")) << charset.GetError();
    return charset;
}
} // namespace

TEST(CharsetTest, LatinCodesKeepTheirValueAndOthersCountUpFrom256)
{
    const cCharset charset = SmallCharset();
    EXPECT_EQ(charset.GlyphOf('A'), 65);
    EXPECT_EQ(charset.GlyphOf(0xE9), 0xE9);
    EXPECT_EQ(charset.GlyphOf(0x20AC), 256);
    EXPECT_EQ(charset.GlyphOf(0x2026), 257);
    EXPECT_EQ(charset.GlyphOf(0xFC), -1);
    EXPECT_EQ(charset.GetEntries().size(), 95u + 3u);
}

TEST(CharsetTest, FaultyListsAreRefusedWithTheirLine)
{
    const struct
    {
        const char* text;
        const char* error;
    } cases[] = {
        {"0041\n0041", "2: The code 0041 is listed twice."},
        {"0009", "1: The code 0009 is not a drawable character."},
        {"0080", "1: The code 0080 is not a drawable character."},
        {"\n41", "2: '41' is not a code (0041) or a range of codes (0041-005A)."},
        {"005A-0041", "1: The range '005A-0041' runs backwards."},
        {"0100-04FF", "1: More characters than the 1024 glyphs a font sheet holds."},
    };
    for (const auto& c : cases)
    {
        cCharset charset;
        EXPECT_FALSE(charset.Parse(c.text)) << c.text;
        EXPECT_EQ(charset.GetError(), c.error) << c.text;
    }
}

TEST(CharsetTest, GlyphsFrom255OnTakeThreeBytes)
{
    const struct
    {
        int glyph;
        std::string bytes;
    } cases[] = {
        {65, "A"}, {254, "\xFE"}, {255, "\xFF\x81\xFF"}, {256, "\xFF\x82\x80"}, {1023, "\xFF\x87\xFF"},
    };
    for (const auto& c : cases)
    {
        std::string bytes;
        cCharset::AppendGlyph(c.glyph, bytes);
        EXPECT_EQ(bytes, c.bytes) << c.glyph;
        if (bytes.size() == 3)
        {
            // The way the text layout reads it back.
            const int b1 = uint8_t(bytes[1]);
            const int b2 = uint8_t(bytes[2]);
            EXPECT_EQ(b1 * 128 + b2 - 16512, c.glyph);
        }
    }
}

TEST(Utf8Test, MalformedSequencesAreFoundAtTheirOffset)
{
    std::vector<uint32_t> codes;
    size_t at = 0;
    EXPECT_TRUE(cUtf8::Decode("a\xC3\xA9\xE2\x80\xA6", codes, at));
    EXPECT_EQ(codes, (std::vector<uint32_t>{'a', 0xE9, 0x2026}));
    for (const char* bad : {"ab\xC3", "ab\xC0\xAF", "ab\xED\xA0\x80", "ab\x80", "ab\xE2\x28\xA1"})
    {
        EXPECT_FALSE(cUtf8::Decode(bad, codes, at)) << bad;
        EXPECT_EQ(at, 2u) << bad;
    }
    EXPECT_EQ(cUtf8::Encode(0x2026), "\xE2\x80\xA6");
}

TEST(LanguageWriterTest, TextsBecomeGlyphCodes)
{
    const cCharset charset = SmallCharset();
    cLanguageWriter writer(charset, "", "", "");
    const struct
    {
        const char* text;
        std::string bytes;
    } cases[] = {
        {"Caf\xC3\xA9", "Caf\xE9"},
        {"Two\\nlines", "Two\nlines"},
        {"a\\\\b", "a\\b"},
        {"Wait\xE2\x80\xA6", "Wait\xFF\x82\x81"},
        {"#Cr#cyRed#C0#c0 #o3#O3faint", "#Cr#cyRed#C0#c0 #o3#O3faint"},
        {" ", " "},
    };
    for (const auto& c : cases)
    {
        std::string bytes;
        std::string problem;
        EXPECT_TRUE(writer.ConvertText(c.text, bytes, problem)) << c.text << ": " << problem;
        EXPECT_EQ(bytes, c.bytes) << c.text;
    }
}

TEST(LanguageWriterTest, TextsTheGameCannotShowAreRefused)
{
    const cCharset charset = SmallCharset();
    cLanguageWriter writer(charset, "", "", "");
    const struct
    {
        const char* text;
        const char* problem;
    } cases[] = {
        {"", "the text is empty."},
        {"\xC3\xBC", "the character U+00FC '\xC3\xBC' is not in the charset."},
        {"tab\there", "the character U+0009 '\t' is not in the charset."},
        {"a\\tb", "only \\n (line break) and \\\\ (backslash) are escapes."},
        {"end\\", "only \\n (line break) and \\\\ (backslash) are escapes."},
        {"No. #1", "'#' starts a markup code: #C or #c with one of 0abcgkmry, #O or #o with 0 to 4."},
        {"#Cz", "'#' starts a markup code: #C or #c with one of 0abcgkmry, #O or #o with 0 to 4."},
        {"#O5", "'#' starts a markup code: #C or #c with one of 0abcgkmry, #O or #o with 0 to 4."},
        {"\xC3", "malformed UTF-8 at byte 0 of the text."},
    };
    for (const auto& c : cases)
    {
        std::string bytes;
        std::string problem;
        EXPECT_FALSE(writer.ConvertText(c.text, bytes, problem)) << c.text;
        EXPECT_EQ(problem, c.problem) << c.text;
    }
}

TEST(LanguageWriterTest, TheTableAlternatesIdsAndTextsEachEndedByNul)
{
    const cCharset charset = SmallCharset();
    cLanguageWriter writer(charset, "", "", "");
    std::string table;
    ASSERT_TRUE(writer.Compile("# comment\n\nGUI_OK\tOK\nGUI_BACK\tBack\\nnow\n", table))
        << writer.GetError();
    EXPECT_EQ(table, std::string("GUI_OK\0OK\0GUI_BACK\0Back\nnow\0", 28));
    EXPECT_EQ(writer.GetIds(), (std::vector<std::string>{"GUI_OK", "GUI_BACK"}));

    const struct
    {
        const char* source;
        const char* error;
    } faults[] = {
        {"GUI_OK\tOK\nGUI_OK\tAgain", "2: the id 'GUI_OK' is defined twice."},
        {"GUI_OK OK", "1: expected an id, a TAB and the text."},
        {"GUI OK\tOK", "1: 'GUI OK' is not an id (letters, digits and '_')."},
        {"GUI_OK\t", "1: GUI_OK: the text is empty."},
    };
    for (const auto& fault : faults)
    {
        EXPECT_FALSE(writer.Compile(fault.source, table)) << fault.source;
        EXPECT_EQ(writer.GetError(), fault.error) << fault.source;
    }
}

TEST(LanguageWriterTest, IdListsSkipCommentsAndBlanks)
{
    EXPECT_EQ(cLanguageWriter::ParseIdList("# ids\nGUI_OK\n\n  GUI_BACK  # trailing\n"),
              (std::vector<std::string>{"GUI_OK", "GUI_BACK"}));
}

TEST(ScriptWriterTest, SourceLinesGetCrLfAndStrayCrIsRefused)
{
    std::string script;
    std::string problem;
    EXPECT_TRUE(cScriptWriter::Convert("root\n\necho hi", script, problem));
    EXPECT_EQ(script, "root\r\n\r\necho hi\r\n");
    EXPECT_FALSE(cScriptWriter::Convert("root\r\necho\n", script, problem));
    EXPECT_EQ(problem, "line 1 holds a CR or NUL byte; keep script sources with LF line ends.");
}

TEST(CharMapWriterTest, OneCharLineForEveryCharacterWithUpperCaseDigits)
{
    cCharset charset;
    ASSERT_TRUE(charset.Parse("0041\n00e9\n20ac"));
    EXPECT_EQ(cCharMapWriter(charset, "").Compose(), "char 0041 65\r\nchar 00E9 233\r\nchar 20AC 256\r\n");
}

TEST(TextureWriterTest, HeaderThenBlueGreenRedAlphaFirstRowFirst)
{
    cImage image(2, 2, 0x00FFFFFF);
    image.SetPixel(1, 0, 0x80112233);
    image.imageWidth = 1;
    const std::string bytes = cTextureWriter::Encode(image);
    ASSERT_EQ(bytes.size(), 16u + 16u);
    EXPECT_EQ(bytes.substr(0, 16), std::string("\2\0\0\0\2\0\0\0\1\0\0\0\2\0\0\0", 16));
    EXPECT_EQ(bytes.substr(16, 8), std::string("\xFF\xFF\xFF\0\x33\x22\x11\x80", 8));
    EXPECT_EQ(cTextureWriter::FileName("Fonts/system_cn"), "Textures/Fonts/system_cn.qtx");
}

TEST(FontMetricsWriterTest, AlwaysTheWidthsOf1024GlyphsInSixtyFourths)
{
    const std::string bytes = cFontMetricsWriter::Encode({32, 300});
    ASSERT_EQ(bytes.size(), 2048u);
    EXPECT_EQ(bytes.substr(0, 6), std::string("\x20\0\x2C\x01\x40\0", 6));
    EXPECT_EQ(bytes.substr(2046), std::string("\x40\0", 2));
}
