// Tests of cString: the empty rule, the minimum allocation, ordering and substrings.
#include "base/TrackedAllocator.h"
#include "base/cString.h"

#include <gtest/gtest.h>

TEST(cString, EmptyHasNoBufferButAnEmptyText)
{
    cString empty;
    EXPECT_EQ(empty.Length(), 0);
    EXPECT_STREQ(empty.Text(), "");
    EXPECT_TRUE(empty == "");
    EXPECT_TRUE(empty == cString(""));
    cString assigned("abc");
    assigned = "";
    EXPECT_TRUE(assigned.IsEmpty());
    EXPECT_STREQ(assigned.Text(), "");
}

TEST(cString, FortyCharactersFitTheMinimumBlockAndTheFortyFirstAsksForFortyTwoBytes)
{
    cString text(std::string(40, 'x').c_str());
    EXPECT_EQ(TrackedBlockSize(text.Text()), 41u);
    const char* before = text.Text();
    text += 'y';
    EXPECT_EQ(text.Length(), 41);
    EXPECT_EQ(TrackedBlockSize(text.Text()), 42u);
    EXPECT_EQ(text.Text(), before) << "the block's size class still holds 42 bytes";
    cString small("a");
    EXPECT_EQ(TrackedBlockSize(small.Text()), 41u);
}

TEST(cString, OrderIsByteWiseAndCaseSensitive)
{
    EXPECT_LT(cString("Item").Compare("item"), 0);
    EXPECT_LT(cString("Zebra").Compare("apple"), 0);
    EXPECT_GT(cString("\xe9").Compare("z"), 0) << "bytes compare unsigned";
    EXPECT_FALSE(cString("item") == "Item");
    EXPECT_LT(cString("Item").Compare("Item1"), 0);
    EXPECT_GT(cString("Item\0", 5).Compare("Item"), 0) << "a zero byte inside counts like any other";
    EXPECT_LT(cString("Item\0", 5).Compare("Item1"), 0);
}

TEST(cString, SubstringsAndConcatenation)
{
    const cString text("Interpreter");
    EXPECT_TRUE(text.Left(5) == "Inter");
    EXPECT_TRUE(text.Right(6) == "preter");
    EXPECT_TRUE(text.Mid(5, 3) == "pre");
    EXPECT_TRUE(text.Mid(5) == "preter");
    EXPECT_TRUE(text.Left(100) == text);
    EXPECT_TRUE(text.Mid(50).IsEmpty());
    EXPECT_TRUE(text.Right(0).IsEmpty());
    EXPECT_TRUE(cString("a") + "b" + cString("c") == "abc");
    cString self("ab");
    self += self;
    EXPECT_TRUE(self == "abab");
    self.Assign(self.Text() + 1, 2);
    EXPECT_TRUE(self == "ba");
}

TEST(cString, FormatGrowsPastItsStackBuffer)
{
    const cString longText = cString::Format("%s-%d", std::string(500, 'q').c_str(), 7);
    EXPECT_EQ(longText.Length(), 502);
    EXPECT_TRUE(longText.Right(2) == "-7");
}
