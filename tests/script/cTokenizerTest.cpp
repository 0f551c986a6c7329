// Tests of the script tokens and the two numeric readings of an argument.
#include "script/CommandArgument.h"
#include "script/cTokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> Tokens(const std::string& text)
{
    cTokenizer tokenizer(text.data(), int(text.size()));
    std::vector<std::string> tokens;
    const char* token = nullptr;
    int length = 0;
    while (tokenizer.Next(token, length))
        tokens.emplace_back(token, size_t(length));
    return tokens;
}
} // namespace

TEST(cTokenizer, SeparatorsQuotesAndEmptyTokens)
{
    struct Case
    {
        const char* text;
        std::vector<std::string> tokens;
    };
    const Case cases[] = {
        {"echo Hello World", {"echo", "Hello", "World"}},
        {"  sp\tPosition 1,2,3  ", {"sp", "Position", "1", "2", "3"}},
        {"echo \"Hello World\"", {"echo", "Hello World"}},
        {"echo 'Hello, World'", {"echo", "Hello, World"}},
        {"echo \"mixed' quotes", {"echo", "mixed", "quotes"}},
        {"sp Name \"\"", {"sp", "Name"}},
        {"a,,b", {"a", "b"}},
        {"abc\"def ghi\"jkl", {"abcdef ghi", "jkl"}},
        {"say \"unterminated text", {"say", "unterminated text"}},
        {"", {}},
        {" , \t ", {}},
        {"\"\"\"\"", {}},
        {"caf\xe9 \x01\x02", {"caf\xe9", "\x01\x02"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tokens(c.text), c.tokens) << c.text;
}

TEST(CommandArgument, DecimalAndHexadecimalReadings)
{
    struct Case
    {
        const char* text;
        float value;
        uint32_t bits;
    };
    const Case cases[] = {
        {"1.5", 1.5f, 0x1u},
        {"0.0f", 0.0f, 0x0u},
        {"FFFFFFFF", 0.0f, 4294967295u},
        {"ff000000", 0.0f, 0xFF000000u},
        {"0x10", 16.0f, 16u},
        {"-3", -3.0f, 0xFFFFFFFDu},
        {"word", 0.0f, 0u},
        {"1e3", 1000.0f, 0x1E3u},
        {"FFFFFFFFFF", 0.0f, 0xFFFFFFFFu},
        {"  12", 12.0f, 0x12u},
    };
    for (const Case& c : cases)
    {
        const CommandArgument argument{cString(c.text)};
        EXPECT_EQ(argument.value, c.value) << c.text;
        EXPECT_EQ(argument.bits, c.bits) << c.text;
        EXPECT_STREQ(argument.text.Text(), c.text);
    }
}

TEST(CommandArgument, IntegerValuesTruncateAndStopAtTheEndsOfTheRange)
{
    struct Case
    {
        const char* text;
        int32_t integer;
    };
    const Case cases[] = {
        {"252.9", 252}, {"-7.9", -7},       {"1e30", INT32_MAX}, {"-1e30", INT32_MIN},
        {"nan", 0},     {"inf", INT32_MAX}, {"word", 0},         {"2147483520", 2147483520},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandArgument{cString(c.text)}.IntegerValue(), c.integer) << c.text;
}
