// Tests of IntToString and FloatToString.
#include "base/NumberFormat.h"

#include <gtest/gtest.h>

TEST(NumberFormat, IntegersAndFloatsAsSavesAndListingsPrintThem)
{
    EXPECT_STREQ(IntToString(7, -3).Text(), "007");
    EXPECT_STREQ(IntToString(7, 3).Text(), "  7");
    EXPECT_STREQ(IntToString(-42, 0).Text(), "-42");
    EXPECT_STREQ(IntToString(1234, 2).Text(), "1234");
    EXPECT_STREQ(FloatToString(0.5f, 0, 10).Text(), "0.5000000000");
    EXPECT_STREQ(FloatToString(1.0f, 0, 10).Text(), "1.0000000000");
    EXPECT_STREQ(FloatToString(-2.5f, 0, 10).Text(), "-2.5000000000");
    EXPECT_STREQ(FloatToString(211.0f, 1, 2).Text(), "211.00");
    EXPECT_STREQ(FloatToString(0.1f, 0, 10).Text(), "0.1000000015") << "printed as the float's double";
}
