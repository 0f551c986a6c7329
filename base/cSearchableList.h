// cSearchableList: named records kept sorted by name for binary search, with a lazily sorted ordered view.
#pragma once

#include "base/cArray.h"
#include "base/cSearchable.h"

class cSearchableList
{
public:
    cSearchableList() = default;
    cSearchableList(const cSearchableList&) = delete;
    cSearchableList& operator=(const cSearchableList&) = delete;
    virtual ~cSearchableList() = default;

    cSearchable* Find(const cString& name) const;
    cSearchable* Find(const char* name) const;
    // Index of the equal name, otherwise the insertion point; -1 for an empty list.
    int IndexOf(const cString& name) const;
    int IndexOf(const char* name) const;

    // Renames the object until its name is free, inserts it in name order and, when the
    // view is on, appends it to the view. Returns its index.
    int Insert(cSearchable* object);
    // Removes the object from the items when its name's slot holds exactly it, and every
    // occurrence of it from the view.
    void Remove(cSearchable* object);
    void RemoveByName(const cString& name);
    void Clear();
    // Deletes every object, then clears.
    void ClearAndDelete();

    int Count() const { return items.Count(); }
    cSearchable* At(int index) const { return items[index]; }
    // The ordered view: turned on and sorted by descending key (or value) when needed.
    cSearchable* OrderedAt(int index);
    bool Contains(const cSearchable* object) const;

    // Gives object a name that no member of the list carries yet by raising its trailing number.
    static void MakeUniqueName(const cSearchableList& list, cSearchable* object);

private:
    int Search(const char* name, int length, bool& found) const;
    void EnableView();
    void SortView();

    cArray<cSearchable*> items;
    cArray<cSearchable*> view;
    bool viewEnabled = false;
    bool viewSorted = false;
};

// A cSearchableList whose members are all of type T.
template <typename T>
class cSearchableListOf : public cSearchableList
{
public:
    T* Find(const cString& name) const { return static_cast<T*>(cSearchableList::Find(name)); }
    T* Find(const char* name) const { return static_cast<T*>(cSearchableList::Find(name)); }
    T* At(int index) const { return static_cast<T*>(cSearchableList::At(index)); }
    T* OrderedAt(int index) { return static_cast<T*>(cSearchableList::OrderedAt(index)); }
    int Insert(T* object) { return cSearchableList::Insert(object); }
};

// Sorts pointers to named records by ascending key, or by value when the first one sorts by value.
// Equal keys are swapped too, so equal elements change places on every sort.
template <typename T>
void SortByKey(cArray<T*>& array)
{
    static_assert(std::is_base_of_v<cSortable, T>, "SortByKey sorts named records");
    const int count = array.Count();
    if (count == 0)
        return;
    const bool byValue = static_cast<const cSortable*>(array[0])->sortByValue;
    for (int i = 0; i < count - 1; ++i)
    {
        for (int j = i + 1; j < count; ++j)
        {
            const cSortable* at = array[i];
            const cSortable* later = array[j];
            const bool swap = byValue ? !(at->sortValue < later->sortValue) : later->sortKey <= at->sortKey;
            if (swap)
            {
                T* held = array[i];
                array[i] = array[j];
                array[j] = held;
            }
        }
    }
}
