// cOSFile: an operating-system file handle with plain reads and writes, and the safe whole-file replacement.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class cOSFile
{
public:
    cOSFile() = default;
    cOSFile(const cOSFile&) = delete;
    cOSFile& operator=(const cOSFile&) = delete;
    ~cOSFile() { Close(); }

    // Opens an existing regular file for reading; a folder or a missing file fails.
    bool OpenForReading(const std::string& path);
    void Close();
    bool IsOpen() const { return descriptor >= 0; }
    // Bytes read, 0 at the end, -1 on failure.
    long Read(void* buffer, size_t count);
    int64_t Size() const;

    enum class eReplaceResult
    {
        Written,
        CreateFailed, // no temporary file could be made beside the target
        WriteFailed,  // the write or the final rename failed
        NothingWritten
    };
    // Replaces the file at path with the bytes: they go to a temporary file in the same folder,
    // which is flushed and renamed over the old file, so a failure leaves the old contents.
    // Zero bytes leave an empty file and report NothingWritten.
    static eReplaceResult ReplaceFile(const std::string& path, const void* bytes, size_t count);

    // Tests: the next replacement fails after writing this many bytes (negative: never).
    static void InjectWriteFailureAfter(long bytes);

private:
    int descriptor = -1;
};
