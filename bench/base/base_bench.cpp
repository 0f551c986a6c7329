// Benchmarks of the foundation: name-sorted list insertion and lookup, and the tracking allocator.
#include "base/TrackedAllocator.h"
#include "base/cSearchableList.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
std::vector<cString> MakeNames(int count)
{
    std::vector<cString> names;
    names.reserve(size_t(count));
    uint32_t seed = 1;
    for (int i = 0; i < count; ++i)
    {
        seed = seed * 69069u + 1u;
        names.push_back(cString::Format("Entity_%08X", seed));
    }
    return names;
}

void SearchableListInsert(benchmark::State& state)
{
    const std::vector<cString> names = MakeNames(int(state.range(0)));
    for (auto _ : state)
    {
        cSearchableList list;
        std::vector<cSearchable> records(names.size());
        for (size_t i = 0; i < names.size(); ++i)
        {
            records[i].name = names[i];
            list.Insert(&records[i]);
        }
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SearchableListInsert)->Arg(100)->Arg(1000)->Arg(10000);

void SearchableListFind(benchmark::State& state)
{
    const std::vector<cString> names = MakeNames(int(state.range(0)));
    cSearchableList list;
    std::vector<cSearchable> records(names.size());
    for (size_t i = 0; i < names.size(); ++i)
    {
        records[i].name = names[i];
        list.Insert(&records[i]);
    }
    size_t next = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(list.Find(names[next]));
        next = (next + 1) % names.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SearchableListFind)->Arg(100)->Arg(10000);

void TrackedAllocFree(benchmark::State& state)
{
    const size_t size = size_t(state.range(0));
    for (auto _ : state)
    {
        void* block = TrackedAlloc(size, "bench", __LINE__);
        benchmark::DoNotOptimize(block);
        TrackedFree(block);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(TrackedAllocFree)->Arg(24)->Arg(4096)->ThreadRange(1, 2);
} // namespace
