// cString: storage in blocks of the tracking allocator, at least 41 bytes each.
#include "base/cString.h"

#include "base/TrackedAllocator.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <utility>

namespace
{
constexpr int kMinimumAllocation = 41;

int TextLength(const char* text)
{
    return text ? int(std::strlen(text)) : 0;
}
} // namespace

cString::cString(const char* text)
{
    Assign(text, TextLength(text));
}

cString::cString(const char* text, int count)
{
    Assign(text, count);
}

cString::cString(const cString& other)
{
    Assign(other.data, other.length);
}

cString::cString(cString&& other) noexcept : data(other.data), length(other.length)
{
    other.data = nullptr;
    other.length = 0;
}

cString::~cString()
{
    TrackedFree(data);
}

cString& cString::operator=(const cString& other)
{
    if (this != &other)
        Assign(other.data, other.length);
    return *this;
}

cString& cString::operator=(cString&& other) noexcept
{
    if (this != &other)
    {
        std::swap(data, other.data);
        std::swap(length, other.length);
        other.Clear();
    }
    return *this;
}

cString& cString::operator=(const char* text)
{
    Assign(text, TextLength(text));
    return *this;
}

cString& cString::operator+=(const cString& other)
{
    if (this == &other)
    {
        const cString copy(other);
        Append(copy.data, copy.length);
        return *this;
    }
    Append(other.data, other.length);
    return *this;
}

cString& cString::operator+=(const char* text)
{
    Append(text, TextLength(text));
    return *this;
}

cString& cString::operator+=(char character)
{
    Append(&character, 1);
    return *this;
}

// Grows the block to hold count bytes and the terminator.
void cString::Reserve(int count)
{
    const int wanted = count + 1 > kMinimumAllocation ? count + 1 : kMinimumAllocation;
    data = static_cast<char*>(TrackedRealloc(data, size_t(wanted), "cString", __LINE__));
}

void cString::Assign(const char* text, int count)
{
    if (!text || count <= 0)
    {
        Clear();
        return;
    }
    if (data && text >= data && text < data + length)
    {
        const cString copy(text, count);
        *this = copy;
        return;
    }
    Reserve(count);
    std::memcpy(data, text, size_t(count));
    data[count] = 0;
    length = count;
}

void cString::Append(const char* text, int count)
{
    if (!text || count <= 0)
        return;
    if (data && text >= data && text < data + length)
    {
        const cString copy(text, count);
        Append(copy.data, copy.length);
        return;
    }
    Reserve(length + count);
    std::memcpy(data + length, text, size_t(count));
    length += count;
    data[length] = 0;
}

void cString::Clear()
{
    TrackedFree(data);
    data = nullptr;
    length = 0;
}

cString cString::Left(int count) const
{
    if (count > length)
        count = length;
    return cString(data, count);
}

cString cString::Right(int count) const
{
    if (count > length)
        count = length;
    if (count <= 0)
        return cString();
    return cString(data + length - count, count);
}

cString cString::Mid(int start, int count) const
{
    if (start < 0)
        start = 0;
    if (start >= length)
        return cString();
    if (count < 0 || count > length - start)
        count = length - start;
    return cString(data + start, count);
}

bool cString::operator==(const cString& other) const
{
    return length == other.length && (length == 0 || std::memcmp(data, other.data, size_t(length)) == 0);
}

bool cString::operator==(const char* text) const
{
    const int otherLength = TextLength(text);
    return length == otherLength && (length == 0 || std::memcmp(data, text, size_t(length)) == 0);
}

int cString::CompareBytes(const char* left, int leftLength, const char* right, int rightLength)
{
    const int common = leftLength < rightLength ? leftLength : rightLength;
    const int order = common > 0 ? std::memcmp(left, right, size_t(common)) : 0;
    if (order != 0)
        return order;
    return leftLength < rightLength ? -1 : leftLength > rightLength ? 1 : 0;
}

int cString::Compare(const cString& other) const
{
    return CompareBytes(Text(), length, other.Text(), other.length);
}

int cString::Compare(const char* text) const
{
    return CompareBytes(Text(), length, text ? text : "", TextLength(text));
}

cString cString::Format(const char* format, ...)
{
    char small[256];
    va_list arguments;
    va_start(arguments, format);
    const int needed = std::vsnprintf(small, sizeof small, format, arguments);
    va_end(arguments);
    if (needed < 0)
        return cString();
    if (needed < int(sizeof small))
        return cString(small, needed);
    cString result;
    result.Reserve(needed);
    va_start(arguments, format);
    std::vsnprintf(result.data, size_t(needed) + 1, format, arguments);
    va_end(arguments);
    result.length = needed;
    return result;
}

cString operator+(const cString& left, const cString& right)
{
    cString result(left);
    result += right;
    return result;
}

cString operator+(const cString& left, const char* right)
{
    cString result(left);
    result += right;
    return result;
}

cString operator+(const char* left, const cString& right)
{
    cString result(left);
    result += right;
    return result;
}
