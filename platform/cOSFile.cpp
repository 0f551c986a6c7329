// cOSFile over POSIX descriptors; replacement through a temporary file and rename.
#include "platform/cOSFile.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::atomic<long> injectedFailureAfter{-1};

// Writes everything, retrying short writes; false on an error.
bool WriteAll(int descriptor, const char* bytes, size_t count)
{
    long failAfter = injectedFailureAfter.exchange(-1);
    size_t done = 0;
    while (done < count)
    {
        size_t chunk = count - done;
        if (failAfter >= 0)
        {
            if (long(done) >= failAfter)
                return false;
            if (done + chunk > size_t(failAfter))
                chunk = size_t(failAfter) - done;
        }
        const ssize_t written = write(descriptor, bytes + done, chunk);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += size_t(written);
    }
    return true;
}
} // namespace

bool cOSFile::OpenForReading(const std::string& path)
{
    Close();
    const int opened = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (opened < 0)
        return false;
    struct stat info;
    if (fstat(opened, &info) != 0 || !S_ISREG(info.st_mode))
    {
        close(opened);
        return false;
    }
    descriptor = opened;
    return true;
}

void cOSFile::Close()
{
    if (descriptor >= 0)
        close(descriptor);
    descriptor = -1;
}

long cOSFile::Read(void* buffer, size_t count)
{
    if (descriptor < 0)
        return -1;
    for (;;)
    {
        const ssize_t got = read(descriptor, buffer, count);
        if (got < 0 && errno == EINTR)
            continue;
        return long(got);
    }
}

int64_t cOSFile::Size() const
{
    struct stat info;
    if (descriptor < 0 || fstat(descriptor, &info) != 0)
        return -1;
    return int64_t(info.st_size);
}

cOSFile::eReplaceResult cOSFile::ReplaceFile(const std::string& path, const void* bytes, size_t count)
{
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = folder + "/." + base + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0)
        return eReplaceResult::CreateFailed;
    // Keep the permissions an existing file had; new files get the usual 0644.
    struct stat info;
    fchmod(descriptor, stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644);
    const bool written = WriteAll(descriptor, static_cast<const char*>(bytes), count) && fsync(descriptor) == 0;
    const bool closed = close(descriptor) == 0;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0)
    {
        unlink(temporary.c_str());
        return eReplaceResult::WriteFailed;
    }
    return count == 0 ? eReplaceResult::NothingWritten : eReplaceResult::Written;
}

void cOSFile::InjectWriteFailureAfter(long bytes)
{
    injectedFailureAfter = bytes;
}
