// cHashTable: named objects spread over buckets by the hash of their names.
#pragma once

#include "base/cArray.h"
#include "base/cHashObject.h"
#include "base/cSearchableList.h"

class cHashTable
{
public:
    explicit cHashTable(int bucketCount = 64);
    cHashTable(const cHashTable&) = delete;
    cHashTable& operator=(const cHashTable&) = delete;
    ~cHashTable();

    void Add(cHashObject* object);
    void Remove(cHashObject* object);
    cHashObject* Find(const cString& name) const;
    cHashObject* Find(const char* name) const;
    // Re-buckets every object over a new number of buckets.
    void Rebuild(int bucketCount);
    // Forgets every object; the objects are not deleted.
    void Clear();
    void ClearAndDelete();

    int Count() const { return all.Count(); }
    int BucketCount() const { return buckets.Count(); }
    // The bucket a hash falls into: the hash taken as unsigned, modulo the bucket count.
    int BucketIndex(int32_t hash) const { return int(uint32_t(hash) % uint32_t(buckets.Count())); }
    // Every object in one array, rebuilt on demand after changes.
    const cArray<cHashObject*>& Flat();

private:
    void DeleteBuckets();

    cArray<cSearchableList*> buckets;
    cSearchableList all;
    cArray<cHashObject*> flat;
    bool flatStale = true;
};
