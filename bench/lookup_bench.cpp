// Lookup of present identifiers in random order: findByID against each peer's find, and a side
// hash table of positions tried as a way to hash-speed lookups.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "LinkContainers.h"

namespace kelvara::bench {
namespace {

// A design tried for hash-speed lookups, built here beside the library rather than in it: the
// owning array plus a side table of element positions (open addressing with linear probing,
// 4-byte slots, at most half full). A lookup probes the table and confirms the identifier in the
// element, as findByID confirms it. The side_bytes/element counter is what the table costs.
struct SideHashed {
    static constexpr const char* kName = "OwningArray + side hash table";
    OwningArray owning;
    std::vector<std::int32_t> slots;
    std::size_t mask = 0;

    void add(const CLink& link) { owning.addBulk(link); }
    void addBulk(const CLink& link) { owning.addBulk(link); }
    void finishBulk() {
        owning.finishBulk();
        std::size_t capacity = 16;
        while (capacity < 2 * owning.size()) capacity *= 2;
        slots.assign(capacity, -1);
        mask = capacity - 1;
        for (int p = 0; p < owning.array.GetSize(); ++p) {
            std::size_t h = LinkIDHash{}(owning.array.getConstReference(p).getID()) & mask;
            while (slots[h] >= 0) h = (h + 1) & mask;
            slots[h] = p;
        }
    }
    int find(const CLinkID& id) const {
        for (std::size_t h = LinkIDHash{}(id) & mask;; h = (h + 1) & mask) {
            const int p = slots[h];
            if (p < 0) return -1;
            if (owning.array.getConstReference(p).getID() == id) return p;
        }
    }
    std::size_t size() const { return owning.size(); }
};

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
    if constexpr (requires { c.slots; })
        state.counters["side_bytes/element"] = static_cast<double>(c.slots.size() * sizeof(std::int32_t)) / c.size();
}

#define KELVARA_FIND(C) BENCHMARK_TEMPLATE(BM_Find, C)->Arg(benchSize(1000))->Arg(benchSize(100'000))->Arg(benchSize(1'000'000))->KELVARA_FASTEST
KELVARA_FIND(OwningArray);
KELVARA_FIND(StdMap);
KELVARA_FIND(StdUnorderedMap);
KELVARA_FIND(AbslBtreeMap);
KELVARA_FIND(SideHashed);

}  // namespace
}  // namespace kelvara::bench
