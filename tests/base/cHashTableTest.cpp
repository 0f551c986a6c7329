// Tests of cHashTable and the name hash.
#include "base/cHashTable.h"

#include <gtest/gtest.h>

TEST(cHashObject, HashIsThirtyOneTimesOverSignedBytes)
{
    EXPECT_EQ(cHashObject::HashOf(""), 0);
    EXPECT_EQ(cHashObject::HashOf("a"), 97);
    EXPECT_EQ(cHashObject::HashOf("ab"), 97 * 31 + 98);
    EXPECT_EQ(cHashObject::HashOf("\xff"), -1) << "bytes count as signed";
}

TEST(cHashTable, NegativeHashesStillPickABucketInRange)
{
    cHashTable table(1024);
    const char* name = "a name long enough to overflow the hash";
    const int32_t hash = cHashObject::HashOf(name);
    ASSERT_LT(hash, 0);
    const int bucket = table.BucketIndex(hash);
    EXPECT_GE(bucket, 0);
    EXPECT_LT(bucket, 1024);
    EXPECT_EQ(uint32_t(bucket), uint32_t(hash) % 1024u);
}

TEST(cHashTable, AddFindRebuildAndClear)
{
    cHashTable table(7);
    cHashObject* a = QNEW cHashObject(cString("0_0_0_1"));
    cHashObject* b = QNEW cHashObject(cString("0_0_0_2"));
    cHashObject* twin = QNEW cHashObject(cString("0_0_0_1"));
    table.Add(a);
    table.Add(b);
    table.Add(twin);
    EXPECT_STREQ(twin->name.Text(), "0_0_0_3") << "a taken name is raised";
    EXPECT_EQ(table.Find("0_0_0_1"), a);
    EXPECT_EQ(table.Find("0_0_0_3"), twin);
    EXPECT_EQ(table.Find("missing"), nullptr);
    table.Rebuild(1024);
    EXPECT_EQ(table.BucketCount(), 1024);
    EXPECT_EQ(table.Find("0_0_0_2"), b);
    EXPECT_EQ(table.Flat().Count(), 3);
    table.Remove(b);
    EXPECT_EQ(table.Find("0_0_0_2"), nullptr);
    EXPECT_EQ(table.Flat().Count(), 2);
    delete b;
    table.ClearAndDelete();
    EXPECT_EQ(table.Count(), 0);
}
