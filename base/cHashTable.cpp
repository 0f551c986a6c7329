// cHashTable: buckets created on first use, a list of all members and a flat array on demand.
#include "base/cHashTable.h"

cHashTable::cHashTable(int bucketCount)
{
    buckets.SetCount(bucketCount > 0 ? bucketCount : 1);
}

cHashTable::~cHashTable()
{
    DeleteBuckets();
}

void cHashTable::DeleteBuckets()
{
    for (cSearchableList* bucket : buckets)
        delete bucket;
    for (cSearchableList*& bucket : buckets)
        bucket = nullptr;
}

void cHashTable::Add(cHashObject* object)
{
    if (!object)
        return;
    // A taken name is raised against the whole table first; the hash follows the final name.
    const cString asked = object->name;
    all.Insert(object);
    if (object->name != asked)
        object->hashStale = true;
    const int index = BucketIndex(object->GetHash());
    if (!buckets[index])
        buckets[index] = QNEW cSearchableList;
    buckets[index]->Insert(object);
    flatStale = true;
}

void cHashTable::Remove(cHashObject* object)
{
    if (!object)
        return;
    cSearchableList* bucket = buckets[BucketIndex(object->GetHash())];
    if (bucket)
        bucket->Remove(object);
    all.Remove(object);
    flatStale = true;
}

cHashObject* cHashTable::Find(const cString& name) const
{
    return Find(name.Text());
}

cHashObject* cHashTable::Find(const char* name) const
{
    const cSearchableList* bucket = buckets[BucketIndex(cHashObject::HashOf(name ? name : ""))];
    return bucket ? static_cast<cHashObject*>(bucket->Find(name)) : nullptr;
}

void cHashTable::Rebuild(int bucketCount)
{
    DeleteBuckets();
    buckets.SetCount(bucketCount > 0 ? bucketCount : 1);
    for (int i = 0; i < all.Count(); ++i)
    {
        cHashObject* object = static_cast<cHashObject*>(all.At(i));
        const int index = BucketIndex(object->GetHash());
        if (!buckets[index])
            buckets[index] = QNEW cSearchableList;
        buckets[index]->Insert(object);
    }
}

void cHashTable::Clear()
{
    for (cSearchableList* bucket : buckets)
    {
        if (bucket)
            bucket->Clear();
    }
    all.Clear();
    flat.Clear();
    flatStale = true;
}

void cHashTable::ClearAndDelete()
{
    cArray<cHashObject*> doomed(Flat());
    Clear();
    for (cHashObject* object : doomed)
        delete object;
}

const cArray<cHashObject*>& cHashTable::Flat()
{
    if (flatStale)
    {
        flat.Clear();
        for (int i = 0; i < all.Count(); ++i)
            flat.Add(static_cast<cHashObject*>(all.At(i)));
        flatStale = false;
    }
    return flat;
}
