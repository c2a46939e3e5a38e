// A full forward walk in identifier order that reads every object (its identifier's first word):
// the owning array follows its ordered index, the ordered peers iterate, std::unordered_map can
// only walk its buckets and is shown for scale.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "LinkContainers.h"

namespace kelvara::bench {
namespace {

template <class C>
void BM_WalkInOrder(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const C& c = fixture<C>(n);
    for (auto _ : state) {
        std::uint64_t sum = 0;
        c.walkInOrder([&sum](const CLink& link) { sum += link.getID().getGUID().Data1; });
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetLabel(C::kName);
}

#define KELVARA_WALK(C) BENCHMARK_TEMPLATE(BM_WalkInOrder, C)->Arg(benchSize(100'000))->Arg(benchSize(1'000'000))->Unit(benchmark::kMicrosecond)->KELVARA_FASTEST
KELVARA_WALK(OwningArray);
KELVARA_WALK(StdMap);
KELVARA_WALK(StdUnorderedMap);
KELVARA_WALK(AbslBtreeMap);

}  // namespace
}  // namespace kelvara::bench
