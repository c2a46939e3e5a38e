// What every container benchmark shares: one million random link identifiers (the first n of them
// make the size-n fixture, the same for every container), the owning array and its three peers
// behind one small adapter each, and fixtures built once per size and kept for the whole run.
//
// The peers own their CLink through std::unique_ptr, as the owning array does. That is what a user
// of this model would write: handles keep raw pointers to objects, so an object must not move when
// its container grows, and absl::btree_map moves the values it holds. It also keeps one heap object
// per element everywhere, so the numbers compare the containers rather than allocation counts.
#pragma once

#include <absl/container/btree_map.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <unordered_map>
#include <vector>

#include "kelvara/schedule/CLink.h"

namespace kelvara::bench {

// KELVARA_BENCH_SMOKE=1 shrinks every size a thousandfold (to at least 10 elements): continuous
// integration runs each benchmark once that way, so that none of them rots unnoticed.
inline int benchSize(int n) {
    static const bool smoke = [] {
        const char* v = std::getenv("KELVARA_BENCH_SMOKE");
        return v && *v && *v != '0';
    }();
    return smoke ? std::max(10, n / 1000) : n;
}
inline int maxElements() { return benchSize(1'000'000); }

// With --benchmark_repetitions every benchmark also reports its fastest repetition: on a shared
// machine that is the least disturbed time. (Its rate counters are the lowest rates, not the
// fastest repetition's: read times, not rates, from the _min rows.)
inline double fastest(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}
#define KELVARA_FASTEST ComputeStatistics("min", ::kelvara::bench::fastest)

// A 64-bit mix of both identifier halves; the peers' equality is CIDBase::operator==.
struct LinkIDHash {
    std::size_t operator()(const CIDBase& id) const noexcept {
        std::uint64_t h = id.orderKeyHigh() ^ (id.orderKeyLow() * 0x9E3779B97F4A7C15ull);
        h ^= h >> 32;
        h *= 0xD6E8FEB86659FD93ull;
        h ^= h >> 32;
        return static_cast<std::size_t>(h);
    }
};

// Identifiers as the generator hands them to new objects, so in random identifier order.
inline const std::vector<CLinkID>& linkIDs() {
    static const std::vector<CLinkID> ids = [] {
        std::vector<CLinkID> v(static_cast<std::size_t>(maxElements()));
        for (CLinkID& id : v) id.generate();
        return v;
    }();
    return ids;
}

// The first n identifiers in a shuffled order (fixed seed): the keys the lookups ask for.
inline const std::vector<CLinkID>& probesOf(int n) {
    static std::map<int, std::vector<CLinkID>> cache;
    auto [it, fresh] = cache.try_emplace(n);
    if (fresh) {
        const auto& ids = linkIDs();
        it->second.assign(ids.begin(), ids.begin() + n);
        std::shuffle(it->second.begin(), it->second.end(), std::mt19937_64(20240601u + static_cast<unsigned>(n)));
    }
    return it->second;
}

// Every inserted object is a copy of this one under another identifier.
inline CLink& prototypeLink() {
    static CLink link;
    return link;
}

// The owning array in the adapter vocabulary. find answers what findByID answers (a position);
// the walk in identifier order follows the ordered index.
struct OwningArray {
    static constexpr const char* kName = "OwningArray";
    CLinkArray array;

    void add(const CLink& link) { array.Add(link); }
    void addBulk(const CLink& link) { array.AddNoSort(link); }
    void finishBulk() { array.sort(); }
    int find(const CLinkID& id) const { return array.findByID(id); }
    template <class F>
    void walkInOrder(F&& f) const {
        const int count = array.getOrderedIndexSize();
        for (int k = 0; k < count; ++k) f(*array.elementAt(array.getOrderedIndex(k)));
    }
    std::size_t size() const { return static_cast<std::size_t>(array.GetSize()); }
};

// A map from identifier to owned link; bulk building is plain insertion, one by one.
template <class Map, const char* Name>
struct MapPeer {
    static constexpr const char* kName = Name;
    Map map;

    void add(const CLink& link) { map.try_emplace(link.getID(), std::make_unique<CLink>(link)); }
    void addBulk(const CLink& link) { add(link); }
    void finishBulk() {}
    auto find(const CLinkID& id) const { return map.find(id); }
    template <class F>
    void walkInOrder(F&& f) const {
        for (const auto& entry : map) f(*entry.second);
    }
    std::size_t size() const { return map.size(); }
};

inline constexpr char kStdMapName[] = "std::map";
inline constexpr char kStdUnorderedMapName[] = "std::unordered_map";
inline constexpr char kAbslBtreeMapName[] = "absl::btree_map";

using StdMap = MapPeer<std::map<CLinkID, std::unique_ptr<CLink>>, kStdMapName>;
// Walks in bucket order: there is no identifier order to walk in.
using StdUnorderedMap = MapPeer<std::unordered_map<CLinkID, std::unique_ptr<CLink>, LinkIDHash>, kStdUnorderedMapName>;
using AbslBtreeMap = MapPeer<absl::btree_map<CLinkID, std::unique_ptr<CLink>>, kAbslBtreeMapName>;

// Adds the first n identifiers' links to c the bulk way.
template <class C>
void fillBulk(C& c, int n) {
    const auto& ids = linkIDs();
    CLink& link = prototypeLink();
    for (int i = 0; i < n; ++i) {
        link.setID(ids[static_cast<std::size_t>(i)]);
        c.addBulk(link);
    }
    c.finishBulk();
}

// The size-n container, built on first use and kept for the rest of the run.
template <class C>
const C& fixture(int n) {
    static std::map<int, std::unique_ptr<C>> cache;
    auto [it, fresh] = cache.try_emplace(n);
    if (fresh) {
        it->second = std::make_unique<C>();
        fillBulk(*it->second, n);
    }
    return *it->second;
}

}  // namespace kelvara::bench
