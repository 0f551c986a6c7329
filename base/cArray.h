// cArray: a growable array of plain values (pointers, floats, records) that grows in steps and never shrinks.
#pragma once

#include "base/TrackedAllocator.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

template <typename T>
class cArray
{
    static_assert(std::is_trivially_copyable_v<T>, "cArray moves its elements as bytes");

public:
    explicit cArray(int growStep = 16) : growBy(growStep > 0 ? growStep : 16) {}
    cArray(const cArray& other) : growBy(other.growBy)
    {
        SetCount(other.count);
        if (count)
            std::memcpy(items, other.items, sizeof(T) * size_t(count));
    }
    cArray& operator=(const cArray& other)
    {
        if (this != &other)
        {
            SetCount(other.count);
            if (count)
                std::memcpy(items, other.items, sizeof(T) * size_t(count));
        }
        return *this;
    }
    ~cArray() { TrackedFree(items); }

    int Count() const { return count; }
    int CapacityBytes() const { return capacity; }
    T& operator[](int index) { return items[index]; }
    const T& operator[](int index) const { return items[index]; }
    T* Data() { return items; }
    const T* Data() const { return items; }
    T* begin() { return items; }
    T* end() { return items + count; }
    const T* begin() const { return items; }
    const T* end() const { return items + count; }

    // Appends and returns the new index.
    int Add(const T& item)
    {
        const T copy = item; // item may live in the buffer that is about to move
        SetCount(count + 1);
        items[count - 1] = copy;
        return count - 1;
    }

    // Inserts before index; -1 (or an index at or past the end) appends.
    int Insert(int index, const T& item)
    {
        if (index < 0 || index >= count)
            return Add(item);
        const T copy = item;
        SetCount(count + 1);
        std::memmove(static_cast<void*>(items + index + 1), items + index, sizeof(T) * size_t(count - 1 - index));
        items[index] = copy;
        return index;
    }

    // Removes the element at index; -1 removes the last one. The buffer keeps its size.
    void Remove(int index)
    {
        if (count == 0)
            return;
        if (index < 0)
            index = count - 1;
        if (index >= count)
            return;
        std::memmove(static_cast<void*>(items + index), items + index + 1, sizeof(T) * size_t(count - 1 - index));
        --count;
    }

    // Index of the last element equal to item, or -1.
    int Find(const T& item) const
    {
        for (int index = count - 1; index >= 0; --index)
        {
            if (Same(items[index], item))
                return index;
        }
        return -1;
    }

    // Changes the number of elements in use; new elements are zeroed.
    void SetCount(int newCount)
    {
        if (newCount < 0)
            newCount = 0;
        Reserve(newCount);
        if (newCount > count)
            std::memset(static_cast<void*>(items + count), 0, sizeof(T) * size_t(newCount - count));
        count = newCount;
    }

    void Clear() { count = 0; }

private:
    static bool Same(const T& left, const T& right)
    {
        if constexpr (requires { left == right; })
            return left == right;
        else
            return std::memcmp(&left, &right, sizeof(T)) == 0;
    }

    // Room for n elements: the larger of 16 and n rounded up to the growth step.
    void Reserve(int n)
    {
        int elements = (n + growBy - 1) / growBy * growBy;
        if (elements < 16)
            elements = 16;
        const int64_t bytes = int64_t(elements) * int64_t(sizeof(T));
        if (bytes <= capacity)
            return;
        items = static_cast<T*>(TrackedRealloc(items, size_t(bytes), "cArray", 257));
        capacity = int32_t(bytes);
    }

    int32_t count = 0;
    int32_t capacity = 0; // bytes
    int32_t growBy = 16;
    T* items = nullptr;
};
