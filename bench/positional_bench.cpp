// Positional edits of a sorted array beside std::vector doing the same shifts. The element order
// is the caller's, so an insert or removal in the middle moves the later elements by nature; what
// the array adds on top is the upkeep of its ordered index. Every iteration inserts an element at
// a random position and removes it again (or moves one element), so the size stays n.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <vector>

#include "LinkContainers.h"

namespace kelvara::bench {
namespace {

constexpr std::size_t kProbes = 4096;

// Random positions in 0..n-1 and identifiers no fixture holds.
struct Edits {
    std::vector<int> first, second;
    std::vector<CLinkID> fresh;
};
const Edits& editsOf(int n) {
    static std::map<int, Edits> cache;
    auto [it, made] = cache.try_emplace(n);
    if (made) {
        std::mt19937_64 rng(77u + static_cast<unsigned>(n));
        for (std::size_t k = 0; k < kProbes; ++k) {
            it->second.first.push_back(static_cast<int>(rng() % static_cast<std::uint64_t>(n)));
            it->second.second.push_back(static_cast<int>(rng() % static_cast<std::uint64_t>(n)));
            it->second.fresh.emplace_back();
            it->second.fresh.back().generate();
        }
    }
    return it->second;
}

// A sorted array of the first n identifiers' links, the element order being the bulk order.
std::unique_ptr<CLinkArray> sortedArray(int n) {
    auto array = std::make_unique<CLinkArray>();
    const auto& ids = linkIDs();
    CLink link = prototypeLink();
    for (int i = 0; i < n; ++i) {
        link.setID(ids[static_cast<std::size_t>(i)]);
        array->AddNoSort(link);
    }
    array->sort();
    return array;
}

std::vector<std::unique_ptr<CLink>> plainVector(int n) {
    std::vector<std::unique_ptr<CLink>> v;
    v.reserve(static_cast<std::size_t>(n) + 1);
    const auto& ids = linkIDs();
    for (int i = 0; i < n; ++i) {
        v.push_back(std::make_unique<CLink>(prototypeLink()));
        v.back()->setID(ids[static_cast<std::size_t>(i)]);
    }
    return v;
}

void BM_InsertAtRemoveAt_Array(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Edits& edits = editsOf(n);
    auto array = sortedArray(n);
    CLink link = prototypeLink();
    std::size_t k = 0;
    for (auto _ : state) {
        const int p = edits.first[k];
        link.setID(edits.fresh[k]);
        array->InsertAt(p, link);
        array->RemoveAt(p);
        if (++k == kProbes) k = 0;
    }
    if (array->GetSize() != n || array->findByID(linkIDs()[0]) < 0) state.SkipWithError("the array lost elements");
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("InsertAt + RemoveAt");
}

void BM_InsertAtRemoveAt_Vector(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Edits& edits = editsOf(n);
    auto v = plainVector(n);
    std::size_t k = 0;
    for (auto _ : state) {
        const auto p = static_cast<std::ptrdiff_t>(edits.first[k]);
        v.insert(v.begin() + p, std::make_unique<CLink>(prototypeLink()));
        v.erase(v.begin() + p);
        if (++k == kProbes) k = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("std::vector insert + erase");
}

void BM_ChangePosition_Array(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Edits& edits = editsOf(n);
    auto array = sortedArray(n);
    std::size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(array->changePosition(edits.first[k], edits.second[k]));
        if (++k == kProbes) k = 0;
    }
    if (array->GetSize() != n || !array->isSorted()) state.SkipWithError("the array lost elements");
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("changePosition");
}

void BM_ChangePosition_Vector(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Edits& edits = editsOf(n);
    auto v = plainVector(n);
    std::size_t k = 0;
    for (auto _ : state) {
        const auto source = static_cast<std::ptrdiff_t>(edits.second[k]);
        std::unique_ptr<CLink> moved = std::move(v[static_cast<std::size_t>(source)]);
        v.erase(v.begin() + source);
        v.insert(v.begin() + edits.first[k], std::move(moved));
        if (++k == kProbes) k = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("std::vector erase + insert");
}

#define KELVARA_POSITIONAL(F) BENCHMARK(F)->Arg(benchSize(100'000))->Arg(maxElements())->KELVARA_FASTEST
KELVARA_POSITIONAL(BM_InsertAtRemoveAt_Array);
KELVARA_POSITIONAL(BM_InsertAtRemoveAt_Vector);
KELVARA_POSITIONAL(BM_ChangePosition_Array);
KELVARA_POSITIONAL(BM_ChangePosition_Vector);

}  // namespace
}  // namespace kelvara::bench
