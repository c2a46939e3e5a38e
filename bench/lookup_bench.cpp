// Lookup of present identifiers in random order: findByID against each peer's find.
#include <benchmark/benchmark.h>

#include "LinkContainers.h"

namespace kelvara::bench {
namespace {

template <class C>
void BM_Find(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const C& c = fixture<C>(n);
    const auto& probes = probesOf(n);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.find(probes[i]));
        if (++i == probes.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(C::kName);
}

#define KELVARA_FIND(C) BENCHMARK_TEMPLATE(BM_Find, C)->Arg(benchSize(1000))->Arg(benchSize(100'000))->Arg(benchSize(1'000'000))->KELVARA_FASTEST
KELVARA_FIND(OwningArray);
KELVARA_FIND(StdMap);
KELVARA_FIND(StdUnorderedMap);
KELVARA_FIND(AbslBtreeMap);

}  // namespace
}  // namespace kelvara::bench
