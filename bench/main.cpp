// Runs every container benchmark in one process, so the ratios between the owning array and its
// peers are read from one run on one machine state.
#include <benchmark/benchmark.h>

#include <string>

#include "LinkContainers.h"

namespace {

const bool kContextAdded = [] {
    benchmark::AddCustomContext("sizeof(CLink)", std::to_string(sizeof(CLink)));
    benchmark::AddCustomContext("sizeof(CLinkID)", std::to_string(sizeof(CLinkID)));
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
