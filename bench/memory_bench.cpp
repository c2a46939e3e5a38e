// Heap bytes per element of each container holding n links, the links themselves included, read
// from the allocator's statistics before and after building it (chunk headers and spare vector
// capacity count, so this is an upper bound of what is resident). "overhead/element" is what
// remains beyond sizeof(CLink): the element pointer, the index entry and the allocator's share.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

#include "LinkContainers.h"

namespace kelvara::bench {
namespace {

std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

template <class C, bool bulk>
void BM_Memory(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto& ids = linkIDs();
    double perElement = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        auto c = std::make_unique<C>();
        CLink& link = prototypeLink();
        for (int i = 0; i < n; ++i) {
            link.setID(ids[static_cast<std::size_t>(i)]);
            if constexpr (bulk) c->addBulk(link);
            else c->add(link);
        }
        if constexpr (bulk) c->finishBulk();
        perElement = static_cast<double>(heapInUse() - before) / n;
        if (c->size() != static_cast<std::size_t>(n)) state.SkipWithError("lost elements while building");
        c.reset();
    }
    state.counters["bytes/element"] = perElement;
    state.counters["overhead/element"] = perElement - static_cast<double>(sizeof(CLink));
    state.SetLabel(C::kName);
}

template <class C>
void BM_MemoryBulk(benchmark::State& state) { BM_Memory<C, true>(state); }
template <class C>
void BM_MemoryIncremental(benchmark::State& state) { BM_Memory<C, false>(state); }

#define KELVARA_MEMORY(C)                                                                                      \
    BENCHMARK_TEMPLATE(BM_MemoryBulk, C)->Arg(maxElements())->Iterations(1)->Unit(benchmark::kMillisecond);     \
    BENCHMARK_TEMPLATE(BM_MemoryIncremental, C)->Arg(maxElements())->Iterations(1)->Unit(benchmark::kMillisecond)
KELVARA_MEMORY(OwningArray);
KELVARA_MEMORY(StdMap);
KELVARA_MEMORY(StdUnorderedMap);
KELVARA_MEMORY(AbslBtreeMap);

}  // namespace
}  // namespace kelvara::bench
