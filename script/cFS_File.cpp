// cFS_File: in-memory reads and writes.
#include "script/cFS_File.h"

#include "base/TrackedAllocator.h"

#include <cstring>

cFS_File::~cFS_File()
{
    TrackedFree(data);
}

bool cFS_File::Read(void* buffer, int count)
{
    if (!loaded || count < 0)
        return false;
    const int remaining = size - position;
    const int copied = count < remaining ? count : (remaining > 0 ? remaining : 0);
    if (copied > 0)
        std::memcpy(buffer, data + position, size_t(copied));
    position += count;
    return true;
}

cString cFS_File::ReadLine()
{
    cString line;
    if (!loaded)
        return line;
    const int start = position;
    int end = start;
    while (end < size && !(end > start && data[end - 1] == '\r' && data[end] == '\n'))
        ++end;
    if (end < size)
    {
        // data[end] is the LF of a CR LF pair.
        line.Assign(reinterpret_cast<const char*>(data) + start, end - 1 - start);
        position = end + 1;
        return line;
    }
    if (end > start)
        line.Assign(reinterpret_cast<const char*>(data) + start, end - start);
    position = end > position ? end : position;
    return line;
}

bool cFS_File::Write(const void* bytes, int count)
{
    if (!writable || count < 0)
        return false;
    if (!loaded)
    {
        TrackedFree(data);
        data = static_cast<uint8_t*>(TrackedAlloc(size_t(count), ".\\cFS_File", __LINE__));
        if (count)
            std::memcpy(data, bytes, size_t(count));
        size = position = count;
        dirty = loaded = true;
        return true;
    }
    if (position + count > size)
    {
        data = static_cast<uint8_t*>(TrackedRealloc(data, size_t(position + count), ".\\cFS_File", __LINE__));
        if (position > size)
            std::memset(data + size, 0, size_t(position - size));
        size = position + count;
    }
    if (count)
        std::memcpy(data + position, bytes, size_t(count));
    position += count;
    dirty = loaded = true;
    return true;
}

bool cFS_File::WriteInt32(int32_t value)
{
    const uint8_t bytes[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
    return Write(bytes, 4);
}

bool cFS_File::WriteLine(const cString& text)
{
    return Write(text.Text(), text.Length()) && Write("\r\n", 2);
}

bool cFS_File::Empty()
{
    if (!writable)
        return false;
    size = position = 0;
    loaded = dirty = true;
    return true;
}
