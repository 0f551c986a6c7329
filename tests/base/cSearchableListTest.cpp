// Tests of cSearchableList: binary search, unique names, the ordered view and the key sort.
#include "base/cSearchableList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
// Owns the records a test inserts into lists.
struct Records
{
    cSearchable* Make(const char* name, int key = 0)
    {
        owned.push_back(std::make_unique<cSearchable>(cString(name)));
        owned.back()->sortKey = key;
        return owned.back().get();
    }
    std::vector<std::unique_ptr<cSearchable>> owned;
};

std::vector<std::string> Names(const cSearchableList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
        names.push_back(list.At(i)->name.Text());
    return names;
}
} // namespace

TEST(cSearchableList, IndexOfAnEmptyListIsMinusOneAndInsertAppends)
{
    cSearchableList list;
    Records records;
    EXPECT_EQ(list.IndexOf("x"), -1);
    EXPECT_EQ(list.Insert(records.Make("x")), 0);
    EXPECT_EQ(list.IndexOf("x"), 0);
    EXPECT_EQ(list.IndexOf("a"), 0);
    EXPECT_EQ(list.IndexOf("z"), 1);
    EXPECT_EQ(list.Find("y"), nullptr);
}

TEST(cSearchableList, TakenNamesRaiseTheirTrailingNumber)
{
    struct Case
    {
        std::vector<const char*> existing;
        const char* inserted;
        const char* expected;
    };
    const Case cases[] = {
        {{"Item"}, "Item", "Item1"},
        {{"Item", "Item1"}, "Item", "Item2"},
        {{"Item1", "Item2"}, "Item1", "Item3"},
        {{"Item09"}, "Item09", "Item10"},
        {{"Item99"}, "Item99", "Item100"},
        {{"0020"}, "0020", "0021"},
        {{"12"}, "12", "13"},
        {{"A1"}, "A1", "A2"},
        {{"GUI_OK1"}, "GUI_OK1", "GUI_OK2"},
        {{""}, "", "1"},
        {{"item"}, "Item", "Item"},
        {{"Wave99999999999999999999"}, "Wave99999999999999999999", "Wave100000000000000000000"},
        {{"Wave18446744073709551615"}, "Wave18446744073709551615", "Wave18446744073709551616"},
    };
    for (const Case& c : cases)
    {
        cSearchableList list;
        Records records;
        for (const char* name : c.existing)
            list.Insert(records.Make(name));
        cSearchable* added = records.Make(c.inserted);
        list.Insert(added);
        EXPECT_STREQ(added->name.Text(), c.expected) << "inserting " << c.inserted;
        EXPECT_EQ(list.Find(c.expected), added);
    }
}

TEST(cSearchableList, ItemsStayInByteOrder)
{
    cSearchableList list;
    Records records;
    for (const char* name : {"item", "Item", "b", "Ab", "a", "B"})
        list.Insert(records.Make(name));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Ab", "B", "Item", "a", "b", "item"}));
}

TEST(cSearchableList, EveryByteOfANameCountsEvenAZero)
{
    // A name read from binary data may hold a zero byte; it is not the name before that byte.
    cSearchableList list;
    Records records;
    const cString withZero("Interpreter\0x", 13);
    cSearchable* plain = records.Make("Interpreter");
    cSearchable* zeroed = records.Make("");
    zeroed->name = withZero;
    list.Insert(plain);
    list.Insert(zeroed);
    EXPECT_EQ(zeroed->name, withZero) << "no rename: the names differ";
    EXPECT_EQ(list.Find("Interpreter"), plain);
    EXPECT_EQ(list.Find(withZero), zeroed);
    cSearchable* twin = records.Make("");
    twin->name = withZero;
    list.Insert(twin);
    EXPECT_EQ(twin->name, cString("Interpreter\0x1", 14));
    EXPECT_EQ(list.Count(), 3);
}

TEST(cSearchableList, RemoveTakesOnlyThatObject)
{
    cSearchableList list;
    Records records;
    cSearchable* a = records.Make("a");
    list.Insert(a);
    list.OrderedAt(0);
    cSearchable impostor(cString("a"));
    list.Remove(&impostor);
    EXPECT_EQ(list.Count(), 1);
    list.Remove(a);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Find("a"), nullptr);
}

TEST(cSearchableList, OrderedViewSortsByDescendingKeyWithTheExchangeSort)
{
    cSearchableList list;
    Records records;
    list.Insert(records.Make("a", 0));
    list.Insert(records.Make("b", 100));
    list.Insert(records.Make("c", 0));
    list.Insert(records.Make("d", 120));
    list.Insert(records.Make("e", 110));
    std::vector<std::string> order;
    for (int i = 0; i < list.Count(); ++i)
        order.push_back(list.OrderedAt(i)->name.Text());
    // Each swap puts the object that stood at the position into the place of the greater one.
    EXPECT_EQ(order, (std::vector<std::string>{"d", "e", "b", "a", "c"}));

    // Objects inserted after the view is on are appended and the view sorts again.
    list.Insert(records.Make("f", 115));
    EXPECT_STREQ(list.OrderedAt(1)->name.Text(), "f");
}

TEST(cSearchableList, OrderedViewSortsByValueWhenTheFirstSortsByValue)
{
    cSearchableList list;
    Records records;
    for (auto [name, value] : {std::pair{"a", 0.5f}, {"b", 2.0f}, {"c", 1.0f}})
    {
        cSearchable* record = records.Make(name);
        record->sortByValue = true;
        record->sortValue = value;
        list.Insert(record);
    }
    EXPECT_STREQ(list.OrderedAt(0)->name.Text(), "b");
    EXPECT_STREQ(list.OrderedAt(1)->name.Text(), "c");
    EXPECT_STREQ(list.OrderedAt(2)->name.Text(), "a");
}

TEST(SortByKey, AscendingAndEqualKeysTradePlacesOnEverySort)
{
    Records records;
    cArray<cSearchable*> array;
    array.Add(records.Make("x", 5000));
    array.Add(records.Make("p", 128));
    array.Add(records.Make("q", 128));
    array.Add(records.Make("l", 192));
    SortByKey(array);
    EXPECT_EQ(array[0]->sortKey, 128);
    EXPECT_EQ(array[1]->sortKey, 128);
    EXPECT_EQ(array[2]->sortKey, 192);
    EXPECT_EQ(array[3]->sortKey, 5000);
    const cSearchable* firstEqual = array[0];
    SortByKey(array);
    EXPECT_NE(array[0], firstEqual);
    cArray<cSearchable*> empty;
    SortByKey(empty);
    EXPECT_EQ(empty.Count(), 0);
}
