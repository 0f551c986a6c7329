// cSearchableList: binary search by byte-wise name order, unique names on insertion, the ordered view.
#include "base/cSearchableList.h"

#include <cstring>

int cSearchableList::Search(const char* name, int length, bool& found) const
{
    found = false;
    int lo = 0;
    int hi = items.Count() - 1;
    while (lo <= hi)
    {
        const int mid = (lo + hi) / 2;
        const cString& at = items[mid]->name;
        const int order = cString::CompareBytes(name, length, at.Text(), at.Length());
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
    bool found = false;
    const int index = Search(name.Text(), name.Length(), found);
    return found ? items[index] : nullptr;
}

cSearchable* cSearchableList::Find(const char* name) const
{
    bool found = false;
    const int index = Search(name ? name : "", name ? int(std::strlen(name)) : 0, found);
    return found ? items[index] : nullptr;
}

int cSearchableList::IndexOf(const cString& name) const
{
    if (items.Count() == 0)
        return -1;
    bool found = false;
    return Search(name.Text(), name.Length(), found);
}

int cSearchableList::IndexOf(const char* name) const
{
    if (items.Count() == 0)
        return -1;
    bool found = false;
    return Search(name ? name : "", name ? int(std::strlen(name)) : 0, found);
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
        // The run, read as a number, goes up by one and keeps its width (leading zeros stay);
        // a carry out of the first digit makes it wider. Counting on the digits themselves
        // lets a run of any length go up without overflowing.
        cString digits = name.Mid(runStart);
        int at = digits.Length() - 1;
        while (at >= 0 && digits[at] == '9')
            --at;
        cString raised = at >= 0 ? digits.Left(at) : cString("1");
        if (at >= 0)
            raised += char(digits[at] + 1);
        for (int zero = at + 1; zero < digits.Length(); ++zero)
            raised += '0';
        object->name = name.Left(runStart) + raised;
    }
}

int cSearchableList::Insert(cSearchable* object)
{
    if (!object)
        return -1;
    MakeUniqueName(*this, object);
    bool found = false;
    const int index = Search(object->name.Text(), object->name.Length(), found);
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
    const int index = Search(object->name.Text(), object->name.Length(), found);
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
