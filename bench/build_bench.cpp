// Building a container from nothing. Bulk: the owning array takes AddNoSort of every element and
// one sort(); the peers insert one by one, which is how they are filled. Incremental: the array
// takes Add (a sorted insert), the peers insert, all in random identifier order. Tearing down
// stays untimed.
#include <benchmark/benchmark.h>

#include <memory>

#include "LinkContainers.h"

namespace kelvara::bench {
namespace {

template <class C, bool bulk>
void BM_Build(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto& ids = linkIDs();
    CLink& link = prototypeLink();
    for (auto _ : state) {
        auto c = std::make_unique<C>();
        for (int i = 0; i < n; ++i) {
            link.setID(ids[static_cast<std::size_t>(i)]);
            if constexpr (bulk) c->addBulk(link);
            else c->add(link);
        }
        if constexpr (bulk) c->finishBulk();
        benchmark::DoNotOptimize(c->size());
        state.PauseTiming();
        if (c->size() != static_cast<std::size_t>(n)) state.SkipWithError("lost elements while building");
        c.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetLabel(C::kName);
}

template <class C>
void BM_BulkBuild(benchmark::State& state) { BM_Build<C, true>(state); }
template <class C>
void BM_IncrementalAdd(benchmark::State& state) { BM_Build<C, false>(state); }

#define KELVARA_BULK(C) BENCHMARK_TEMPLATE(BM_BulkBuild, C)->Arg(benchSize(1'000'000))->Unit(benchmark::kMillisecond)->KELVARA_FASTEST
KELVARA_BULK(OwningArray);
KELVARA_BULK(StdMap);
KELVARA_BULK(StdUnorderedMap);
KELVARA_BULK(AbslBtreeMap);

#define KELVARA_INCREMENTAL(C) \
    BENCHMARK_TEMPLATE(BM_IncrementalAdd, C)->Arg(benchSize(10'000))->Arg(benchSize(100'000))->Arg(benchSize(1'000'000))->Unit(benchmark::kMillisecond)->KELVARA_FASTEST
KELVARA_INCREMENTAL(OwningArray);
KELVARA_INCREMENTAL(StdMap);
KELVARA_INCREMENTAL(StdUnorderedMap);
KELVARA_INCREMENTAL(AbslBtreeMap);

}  // namespace
}  // namespace kelvara::bench
