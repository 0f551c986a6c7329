// cFile: an operating-system file that shows "Fatal Error!" boxes for failed reads and writes.
#pragma once

#include "base/cString.h"
#include "platform/cOSFile.h"

#include <cstdint>

class cFile
{
public:
    cFile() = default;
    cFile(const cFile&) = delete;
    cFile& operator=(const cFile&) = delete;
    ~cFile();

    // Opens an existing regular file for reading; false for a missing file or a folder.
    bool Open(const cString& diskPath);
    void Close();
    bool IsOpen() const { return handle.IsOpen(); }
    int64_t GetSize() const { return handle.Size(); }

    // Reads through a buffer when one is set, else straight from the system. A failing read
    // shows "ReadFile failed!", a short one "Read failed!"; either way what was read stays.
    bool Read(void* buffer, int count);
    void SetBuffered(int bufferSize);

    // Replaces a disk file with the bytes; the old contents survive any failure. Zero bytes
    // leave the file empty and show "Write failed!".
    static bool WriteWhole(const cString& diskPath, const void* bytes, int count);

    const cString& GetPath() const { return path; }

private:
    bool ReadDirect(void* buffer, int count);

    cOSFile handle;
    cString path = "/*Noname*/";
    bool buffered = false;
    char* readBuffer = nullptr;
    int readBufferSize = 0;
    int readBufferFill = 0;
    int readBufferPosition = 0;
};
