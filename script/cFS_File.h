// cFS_File: a file of the file system, held whole in memory, read and written at a position, written back on close.
#pragma once

#include "base/cString.h"

#include <cstdint>

class cFS_File
{
public:
    cFS_File() = default;
    cFS_File(const cFS_File&) = delete;
    cFS_File& operator=(const cFS_File&) = delete;
    ~cFS_File();

    // Reading works only while loaded. Read copies what remains but always advances by count.
    bool Read(void* buffer, int count);
    bool ReadInt32(void* buffer) { return Read(buffer, 4); }
    // Bytes up to the next CR LF (removed) or the end of the data.
    cString ReadLine();
    bool AtEnd() const { return position >= size; }
    void SetPosition(int newPosition) { position = newPosition < 0 ? 0 : newPosition; }
    int GetPosition() const { return position; }
    int GetSize() const { return size; }
    const uint8_t* GetData() const { return data; }

    // Writing works only while writable.
    bool Write(const void* bytes, int count);
    bool WriteInt32(int32_t value);
    bool WriteLine(const cString& text);
    bool Write(const cString& text) { return Write(text.Text(), text.Length()); }
    // Drops the contents so that what follows replaces the whole file.
    bool Empty();

    bool found = false;
    bool writable = false;
    bool exists = false;
    bool archived = false;
    bool loaded = false;
    bool dirty = false;
    int32_t size = 0;
    int32_t position = 0;
    uint8_t* data = nullptr;
    cString name = "<NULL>";
    cString root;
    // Where the file lies on disk, after the case-tolerant lookup.
    cString diskPath;
};
