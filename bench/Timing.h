// Timing helpers shared by the benchmarks.
#pragma once

#include <benchmark/benchmark.h>

namespace kelvara::bench {

// Times make() once per iteration; what it made is dropped outside the timing, so that freeing
// it (a whole project, a gigabyte buffer) is not counted as part of making it.
template <class Make>
void eachTimed(benchmark::State& state, Make make) {
    for (auto _ : state) {
        auto made = make();
        benchmark::DoNotOptimize(made);
        state.PauseTiming();
        made = decltype(made)();
        state.ResumeTiming();
    }
}

}  // namespace kelvara::bench
