// cFile: reads with an optional buffer and whole-file writes, reporting system failures.
#include "base/cFile.h"

#include "base/FatalMessage.h"
#include "base/TrackedAllocator.h"

#include <cstring>

cFile::~cFile()
{
    Close();
    TrackedFree(readBuffer);
}

bool cFile::Open(const cString& diskPath)
{
    Close();
    if (!handle.OpenForReading(diskPath.Text()))
        return false;
    path = diskPath;
    readBufferFill = readBufferPosition = 0;
    return true;
}

void cFile::Close()
{
    handle.Close();
    path = "/*Noname*/";
    readBufferFill = readBufferPosition = 0;
}

void cFile::SetBuffered(int bufferSize)
{
    buffered = bufferSize > 0;
    if (!buffered)
        return;
    readBuffer = static_cast<char*>(TrackedRealloc(readBuffer, size_t(bufferSize), "cFile", __LINE__));
    readBufferSize = bufferSize;
    readBufferFill = readBufferPosition = 0;
}

bool cFile::ReadDirect(void* buffer, int count)
{
    int done = 0;
    while (done < count)
    {
        const long got = handle.Read(static_cast<char*>(buffer) + done, size_t(count - done));
        if (got < 0)
        {
            FatalMessage("ReadFile failed!");
            return false;
        }
        if (got == 0)
        {
            FatalMessage("Read failed!");
            return false;
        }
        done += int(got);
    }
    return true;
}

bool cFile::Read(void* buffer, int count)
{
    if (count <= 0)
        return true;
    if (!buffered)
        return ReadDirect(buffer, count);
    char* out = static_cast<char*>(buffer);
    while (count > 0)
    {
        if (readBufferPosition == readBufferFill)
        {
            const long got = handle.Read(readBuffer, size_t(readBufferSize));
            if (got < 0)
            {
                FatalMessage("ReadFile failed!");
                return false;
            }
            if (got == 0)
            {
                FatalMessage("Read failed!");
                return false;
            }
            readBufferFill = int(got);
            readBufferPosition = 0;
        }
        const int available = readBufferFill - readBufferPosition;
        const int chunk = count < available ? count : available;
        std::memcpy(out, readBuffer + readBufferPosition, size_t(chunk));
        readBufferPosition += chunk;
        out += chunk;
        count -= chunk;
    }
    return true;
}

bool cFile::WriteWhole(const cString& diskPath, const void* bytes, int count)
{
    switch (cOSFile::ReplaceFile(diskPath.Text(), bytes, size_t(count > 0 ? count : 0)))
    {
    case cOSFile::eReplaceResult::Written:
        return true;
    case cOSFile::eReplaceResult::NothingWritten:
        FatalMessage("Write failed!");
        return false;
    case cOSFile::eReplaceResult::CreateFailed:
    case cOSFile::eReplaceResult::WriteFailed:
        break;
    }
    FatalMessage("WriteFile failed!");
    return false;
}
