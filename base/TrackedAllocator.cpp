// The tracking allocator: a thin layer over the C heap that records each block and counts blocks per size class.
#include "base/TrackedAllocator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <atomic>
#include <mutex>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define QORN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QORN_ASAN 1
#endif
#endif

#ifdef QORN_ASAN
#include <sanitizer/asan_interface.h>
#define QORN_POISON(address, size) ASAN_POISON_MEMORY_REGION(address, size)
#define QORN_UNPOISON(address, size) ASAN_UNPOISON_MEMORY_REGION(address, size)
#else
#define QORN_POISON(address, size) ((void)(address), (void)(size))
#define QORN_UNPOISON(address, size) ((void)(address), (void)(size))
#endif

namespace
{
constexpr uint32_t kBlockMagic = 0x4B4C4251; // "QBLK"
constexpr int kMaxSourceFiles = 256;
constexpr int kMaxSourceFileName = 255;
constexpr size_t kDefaultAlignment = 16;

// Stands directly in front of the user area of every block.
struct alignas(16) BlockHeader
{
    uint64_t size;    // requested bytes
    uint64_t reserve; // usable bytes behind the header
    int32_t file;     // index into the source-file table
    int32_t line;
    uint16_t classIndex;
    uint16_t offset; // user area minus the start of the C heap block
    uint32_t magic;
};
static_assert(sizeof(BlockHeader) == 32, "the header keeps the user area 16-byte aligned");

struct SourceFileTable
{
    char names[kMaxSourceFiles][kMaxSourceFileName + 1];
    int count;
};

// Per-class counters are atomic so that the common paths take no lock; the lock guards the
// source-file table only.
struct ClassCounters
{
    std::atomic<int64_t> blocksInUse;
    std::atomic<int64_t> bytesInUse;
};

std::mutex allocatorLock;
ClassCounters classStats[kTrackedClassCount];
SourceFileTable sourceFiles;

// Source file names are literals, so their pointers are cheap keys; each thread remembers the
// indices it looked up recently.
struct FileIndexCache
{
    const char* pointer[64];
    int index[64];
};
thread_local FileIndexCache fileIndexCache;

BlockHeader* HeaderOf(const void* pointer)
{
    return reinterpret_cast<BlockHeader*>(const_cast<char*>(static_cast<const char*>(pointer)) -
                                          sizeof(BlockHeader));
}

int LookUpSourceFile(const char* file)
{
    std::lock_guard<std::mutex> guard(allocatorLock);
    int index = 0;
    while (index < sourceFiles.count && std::strncmp(sourceFiles.names[index], file, kMaxSourceFileName) != 0)
        ++index;
    if (index < sourceFiles.count)
        return index;
    if (sourceFiles.count == kMaxSourceFiles)
        return kMaxSourceFiles;
    std::strncpy(sourceFiles.names[index], file, kMaxSourceFileName);
    sourceFiles.names[index][kMaxSourceFileName] = 0;
    ++sourceFiles.count;
    return index;
}

int SourceFileIndex(const char* file)
{
    if (!file)
        file = "<unknown>";
    const size_t slot = (reinterpret_cast<uintptr_t>(file) >> 3) & 63;
    FileIndexCache& cache = fileIndexCache;
    if (cache.pointer[slot] == file)
        return cache.index[slot];
    const int index = LookUpSourceFile(file);
    cache.pointer[slot] = file;
    cache.index[slot] = index;
    return index;
}

size_t ClassReserve(size_t size)
{
    const int classIndex = TrackedClassIndex(size);
    const size_t classSize = size_t(32) << classIndex;
    return size > classSize ? size : classSize;
}

void Record(BlockHeader* header, size_t size, const char* file, int line)
{
    header->size = size;
    header->file = SourceFileIndex(file);
    header->line = line;
    header->classIndex = uint16_t(TrackedClassIndex(size));
    ClassCounters& stats = classStats[header->classIndex];
    stats.blocksInUse.fetch_add(1, std::memory_order_relaxed);
    stats.bytesInUse.fetch_add(int64_t(size), std::memory_order_relaxed);
}

void Unrecord(BlockHeader* header)
{
    ClassCounters& stats = classStats[header->classIndex];
    stats.blocksInUse.fetch_sub(1, std::memory_order_relaxed);
    stats.bytesInUse.fetch_sub(int64_t(header->size), std::memory_order_relaxed);
}

// Takes a block from the C heap with room for reserve bytes, aligned to alignment.
void* AllocateBlock(size_t size, size_t reserve, size_t alignment, const char* file, int line)
{
    if (alignment < kDefaultAlignment)
        alignment = kDefaultAlignment;
    const size_t offset = alignment > sizeof(BlockHeader) ? alignment : sizeof(BlockHeader);
    void* raw = alignment == kDefaultAlignment ? std::malloc(offset + reserve)
                                               : std::aligned_alloc(alignment, (offset + reserve + alignment - 1) /
                                                                                   alignment * alignment);
    if (!raw)
        return nullptr;
    char* user = static_cast<char*>(raw) + offset;
    BlockHeader* header = HeaderOf(user);
    header->reserve = reserve;
    header->offset = uint16_t(offset);
    header->magic = kBlockMagic;
    Record(header, size, file, line);
    QORN_POISON(user + size, reserve - size);
    return user;
}

void ReleaseBlock(void* pointer)
{
    BlockHeader* header = HeaderOf(pointer);
    if (header->magic != kBlockMagic)
    {
        std::fprintf(stderr, "TrackedFree: %p was not allocated by the tracking allocator\n", pointer);
        std::abort();
    }
    Unrecord(header);
    header->magic = 0;
    header->size = uint64_t(-1);
    header->file = -1;
    header->line = -1;
    QORN_UNPOISON(pointer, header->reserve);
    std::free(static_cast<char*>(pointer) - header->offset);
}

void* AllocateOrDie(size_t size, size_t alignment, const char* file, int line)
{
    void* pointer = AllocateBlock(size, size ? size : 1, alignment, file, line);
    if (!pointer)
    {
        std::fprintf(stderr, "Out of memory allocating %zu bytes\n", size);
        std::abort();
    }
    return pointer;
}
} // namespace

int TrackedClassIndex(size_t size)
{
    int classIndex = 0;
    while (classIndex < kTrackedClassCount - 1 && (size_t(32) << classIndex) < size)
        ++classIndex;
    return classIndex;
}

void* TrackedAlloc(size_t size, const char* file, int line)
{
    return AllocateBlock(size, size ? size : 1, kDefaultAlignment, file, line);
}

void* TrackedRealloc(void* pointer, size_t size, const char* file, int line)
{
    if (!pointer)
        return AllocateBlock(size, ClassReserve(size), kDefaultAlignment, file, line);
    BlockHeader* header = HeaderOf(pointer);
    if (size == header->size && header->offset == sizeof(BlockHeader))
    {
        // The same request again (a short string reassigned): only the source position may move.
        header->file = SourceFileIndex(file);
        header->line = line;
        return pointer;
    }
    if (size <= header->reserve && header->offset == sizeof(BlockHeader))
    {
        // The block stays: only its record and the counters change.
        const int classIndex = TrackedClassIndex(size);
        if (classIndex == header->classIndex)
        {
            classStats[classIndex].bytesInUse.fetch_add(int64_t(size) - int64_t(header->size),
                                                         std::memory_order_relaxed);
            header->size = size;
            header->file = SourceFileIndex(file);
            header->line = line;
        }
        else
        {
            Unrecord(header);
            Record(header, size, file, line);
        }
        QORN_UNPOISON(pointer, header->reserve);
        QORN_POISON(static_cast<char*>(pointer) + size, header->reserve - size);
        return pointer;
    }
    void* moved = AllocateBlock(size, ClassReserve(size), kDefaultAlignment, file, line);
    if (!moved)
        return nullptr;
    std::memcpy(moved, pointer, header->size < size ? header->size : size);
    ReleaseBlock(pointer);
    return moved;
}

void TrackedFree(void* pointer)
{
    if (pointer)
        ReleaseBlock(pointer);
}

TrackedClassStats GetTrackedClassStats(int classIndex)
{
    TrackedClassStats stats;
    if (classIndex < 0 || classIndex >= kTrackedClassCount)
        return stats;
    stats.blocksInUse = classStats[classIndex].blocksInUse.load(std::memory_order_relaxed);
    stats.bytesInUse = classStats[classIndex].bytesInUse.load(std::memory_order_relaxed);
    stats.blockSize = int64_t(32) << classIndex;
    return stats;
}

size_t TrackedBlockSize(const void* pointer)
{
    return pointer ? size_t(HeaderOf(pointer)->size) : 0;
}

const char* TrackedBlockFile(const void* pointer)
{
    if (!pointer)
        return "";
    std::lock_guard<std::mutex> guard(allocatorLock);
    const int index = HeaderOf(pointer)->file;
    return index >= 0 && index < sourceFiles.count ? sourceFiles.names[index] : "";
}

int TrackedBlockLine(const void* pointer)
{
    return pointer ? HeaderOf(pointer)->line : -1;
}

int TrackedSourceFileCount()
{
    std::lock_guard<std::mutex> guard(allocatorLock);
    return sourceFiles.count;
}

void TrackedShutdown()
{
    // The tables are static and live blocks still refer to them; there is nothing to release.
}

// Every new and delete of the program passes through the tracker; plain new is recorded
// without a source position.
void* operator new(size_t size, const char* file, int line)
{
    return AllocateOrDie(size, kDefaultAlignment, file, line);
}
void* operator new[](size_t size, const char* file, int line)
{
    return AllocateOrDie(size, kDefaultAlignment, file, line);
}
void operator delete(void* pointer, const char*, int) noexcept
{
    TrackedFree(pointer);
}
void operator delete[](void* pointer, const char*, int) noexcept
{
    TrackedFree(pointer);
}

void* operator new(size_t size)
{
    return AllocateOrDie(size, kDefaultAlignment, "<new>", 0);
}
void* operator new[](size_t size)
{
    return AllocateOrDie(size, kDefaultAlignment, "<new>", 0);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    return TrackedAlloc(size, "<new>", 0);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept
{
    return TrackedAlloc(size, "<new>", 0);
}
void* operator new(size_t size, std::align_val_t alignment)
{
    return AllocateOrDie(size, size_t(alignment), "<new>", 0);
}
void* operator new[](size_t size, std::align_val_t alignment)
{
    return AllocateOrDie(size, size_t(alignment), "<new>", 0);
}
void operator delete(void* pointer) noexcept
{
    TrackedFree(pointer);
}
void operator delete[](void* pointer) noexcept
{
    TrackedFree(pointer);
}
void operator delete(void* pointer, size_t) noexcept
{
    TrackedFree(pointer);
}
void operator delete[](void* pointer, size_t) noexcept
{
    TrackedFree(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept
{
    TrackedFree(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept
{
    TrackedFree(pointer);
}
void operator delete(void* pointer, std::align_val_t) noexcept
{
    TrackedFree(pointer);
}
void operator delete[](void* pointer, std::align_val_t) noexcept
{
    TrackedFree(pointer);
}
void operator delete(void* pointer, size_t, std::align_val_t) noexcept
{
    TrackedFree(pointer);
}
void operator delete[](void* pointer, size_t, std::align_val_t) noexcept
{
    TrackedFree(pointer);
}
