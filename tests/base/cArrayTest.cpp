// Tests of cArray: the growth rule, insertion and removal at -1, search from the back.
#include "base/cArray.h"

#include <gtest/gtest.h>

TEST(cArray, CapacityIsSixteenElementsOrTheGrowthStepAndNeverShrinks)
{
    cArray<int> numbers;
    EXPECT_EQ(numbers.CapacityBytes(), 0);
    numbers.Add(1);
    EXPECT_EQ(numbers.CapacityBytes(), 16 * 4);
    for (int i = 0; i < 16; ++i)
        numbers.Add(i);
    EXPECT_EQ(numbers.CapacityBytes(), 32 * 4);
    while (numbers.Count())
        numbers.Remove(-1);
    EXPECT_EQ(numbers.CapacityBytes(), 32 * 4);
    numbers.Clear();
    EXPECT_EQ(numbers.CapacityBytes(), 32 * 4);

    cArray<int> stepped(40);
    stepped.Add(1);
    EXPECT_EQ(stepped.CapacityBytes(), 40 * 4);
    stepped.SetCount(41);
    EXPECT_EQ(stepped.CapacityBytes(), 80 * 4);
    cArray<int> fine(4);
    fine.SetCount(17);
    EXPECT_EQ(fine.CapacityBytes(), 20 * 4);
}

TEST(cArray, InsertRemoveAndFind)
{
    cArray<int> numbers;
    numbers.Insert(-1, 3);
    numbers.Insert(0, 1);
    numbers.Insert(1, 2);
    numbers.Add(2);
    ASSERT_EQ(numbers.Count(), 4);
    EXPECT_EQ(numbers[0], 1);
    EXPECT_EQ(numbers[1], 2);
    EXPECT_EQ(numbers[2], 3);
    EXPECT_EQ(numbers.Find(2), 3) << "Find scans from the back";
    EXPECT_EQ(numbers.Find(9), -1);
    numbers.Remove(-1);
    EXPECT_EQ(numbers.Count(), 3);
    EXPECT_EQ(numbers[2], 3);
    numbers.Remove(0);
    EXPECT_EQ(numbers[0], 2);
    numbers.Remove(7);
    EXPECT_EQ(numbers.Count(), 2);
}

TEST(cArray, AddingAnElementOfTheArrayItselfSurvivesTheMove)
{
    cArray<double> values;
    for (int i = 0; i < 16; ++i)
        values.Add(i + 0.5);
    values.Add(values[3]);
    EXPECT_EQ(values[16], 3.5);
}
