// The tracking allocator: every heap block of the program with its requested size, source file and line.
#pragma once

#include <cstddef>
#include <cstdint>

// Blocks are counted in 22 size classes; class i holds requests of up to 32 << i bytes.
constexpr int kTrackedClassCount = 22;

struct TrackedClassStats
{
    int64_t blockSize = 0;   // 32 << class index
    int64_t blocksInUse = 0; // blocks of this class not yet freed
    int64_t bytesInUse = 0;  // requested bytes of those blocks
};

// Returns a block of at least size bytes, recorded with the allocating source file and line.
void* TrackedAlloc(size_t size, const char* file, int line);

// A null pointer allocates. A block whose reserve still holds size stays where it is and only
// its record changes; otherwise a block reserved to the size class of the request takes over
// the old contents and the old block is released.
void* TrackedRealloc(void* pointer, size_t size, const char* file, int line);

// Releases a block; null is ignored.
void TrackedFree(void* pointer);

// The size class of a request: max(0, ceil(log2(size)) - 5), the last class for anything larger.
int TrackedClassIndex(size_t size);

TrackedClassStats GetTrackedClassStats(int classIndex);

// What the allocator knows of a live block.
size_t TrackedBlockSize(const void* pointer);
const char* TrackedBlockFile(const void* pointer);
int TrackedBlockLine(const void* pointer);

// Number of distinct source files seen (at most 256 are named).
int TrackedSourceFileCount();

// Releases the allocator's own tables. Live blocks stay valid: they still belong to the C heap.
void TrackedShutdown();

// Allocation with the source position: QNEW cModule() records this file and line.
void* operator new(size_t size, const char* file, int line);
void* operator new[](size_t size, const char* file, int line);
void operator delete(void* pointer, const char* file, int line) noexcept;
void operator delete[](void* pointer, const char* file, int line) noexcept;

#define QNEW new (__FILE__, __LINE__)
