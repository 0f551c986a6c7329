// cSearchableList: binary search by byte-wise name order, unique names on insertion, the ordered view.
#include "base/cSearchableList.h"

#include <cstring>

int cSearchableList::Search(const char* name, bool& found) const
{
    found = false;
    int lo = 0;
    int hi = items.Count() - 1;
    while (lo <= hi)
    {
        const int mid = (lo + hi) / 2;
        const int order = std::strcmp(name, items[mid]->name.Text());
        if (order == 0)
        {
            found = true;
            return mid;
        }
        if (order < 0)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return lo;
}

cSearchable* cSearchableList::Find(const cString& name) const
{
    return Find(name.Text());
}

cSearchable* cSearchableList::Find(const char* name) const
{
    bool found = false;
    const int index = Search(name ? name : "", found);
    return found ? items[index] : nullptr;
}

int cSearchableList::IndexOf(const cString& name) const
{
    return IndexOf(name.Text());
}

int cSearchableList::IndexOf(const char* name) const
{
    if (items.Count() == 0)
        return -1;
    bool found = false;
    return Search(name ? name : "", found);
}

bool cSearchableList::Contains(const cSearchable* object) const
{
    if (!object)
        return false;
    return Find(object->name) == object;
}

void cSearchableList::MakeUniqueName(const cSearchableList& list, cSearchable* object)
{
    while (list.Find(object->name))
    {
        const cString& name = object->name;
        int runStart = name.Length();
        while (runStart > 0 && name[runStart - 1] >= '0' && name[runStart - 1] <= '9')
            --runStart;
        const int runLength = name.Length() - runStart;
        long long number = 0;
        for (int i = runStart; i < name.Length(); ++i)
            number = number * 10 + (name[i] - '0');
        // The run keeps its width (leading zeros stay) and may grow wider.
        const cString digits = cString::Format("%0*lld", runLength, number + 1);
        object->name = name.Left(runStart) + digits;
    }
}

int cSearchableList::Insert(cSearchable* object)
{
    if (!object)
        return -1;
    MakeUniqueName(*this, object);
    bool found = false;
    const int index = Search(object->name.Text(), found);
    items.Insert(index, object);
    if (viewEnabled)
    {
        view.Add(object);
        viewSorted = false;
    }
    return index;
}

void cSearchableList::Remove(cSearchable* object)
{
    if (!object)
        return;
    bool found = false;
    const int index = Search(object->name.Text(), found);
    if (found && items[index] == object)
        items.Remove(index);
    for (int i = view.Count() - 1; i >= 0; --i)
    {
        if (view[i] == object)
            view.Remove(i);
    }
}

void cSearchableList::RemoveByName(const cString& name)
{
    Remove(Find(name));
}

void cSearchableList::Clear()
{
    items.Clear();
    view.Clear();
    viewSorted = false;
}

void cSearchableList::ClearAndDelete()
{
    // Deleting an object may remove it from this very list (modules leave their groups), so
    // work on a copy.
    cArray<cSearchable*> doomed(items);
    Clear();
    for (cSearchable* object : doomed)
        delete object;
}

void cSearchableList::EnableView()
{
    if (viewEnabled)
        return;
    viewEnabled = true;
    view = items;
    viewSorted = false;
}

void cSearchableList::SortView()
{
    const int count = view.Count();
    if (count > 0)
    {
        const bool byValue = view[0]->sortByValue;
        for (int j = 0; j < count - 1; ++j)
        {
            for (int k = j + 1; k < count; ++k)
            {
                const bool greater =
                    byValue ? view[k]->sortValue > view[j]->sortValue : view[k]->sortKey > view[j]->sortKey;
                if (greater)
                {
                    cSearchable* held = view[j];
                    view[j] = view[k];
                    view[k] = held;
                }
            }
        }
    }
    viewSorted = true;
}

cSearchable* cSearchableList::OrderedAt(int index)
{
    EnableView();
    if (!viewSorted)
        SortView();
    return view[index];
}
