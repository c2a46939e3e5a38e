// The 3D model at the scale of real buildings: 10k, 100k and 1M entities from the sample
// generator (about fifty vertices per entity), through every stage a model goes through: building
// the tree, saving it into memory, loading it, a deep copy, equality, building both index maps and
// looking identifiers up through them, beside std::unordered_map built and searched over the same
// identifiers.
//
// Each size runs its stages in order on one model kept between them (only one size is held at a
// time, so the 1M run stays well inside memory). Counters: rss_per_entity (resident set growth of
// the stage's result, bytes per entity), file_per_entity (bytes per entity of the saved model) and
// peak_rss_MiB (the process's peak resident set during the stage; reset before each stage).
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <memory>
#include <random>
#include <unordered_map>
#include <vector>

#include "../tools/kelvara/Samples.h"
#include "LinkContainers.h"
#include "Resident.h"
#include "kelvara/model3d/CMapEntity3DIDToEntity3D.h"

namespace kelvara::bench {
namespace {

// The model of one size, kept from one stage to the next.
struct Model {
    int size = 0;
    CEntity3DArray entities;
    BuildingElements made;
    std::vector<std::uint8_t> file;
    std::vector<CEntity3DID> ids;  // every entity's identifier, in a shuffled order
};

Model& current() {
    static Model model;
    return model;
}

IEntity3DArrayHandle handleOn(const CEntity3DArray& array) { return IEntity3DArrayHandle(new CEntity3DArrayHandle(&array)); }

Model& modelOf(int n) {
    Model& m = current();
    if (m.size == n && m.entities.GetSize() > 0) return m;
    m.entities.RemoveAll();
    m.file.clear();
    m.file.shrink_to_fit();
    m.ids.clear();
    m.made = buildBuildings(m.entities, n, true);
    m.size = n;
    return m;
}

const std::vector<CEntity3DID>& idsOf(Model& m) {
    if (!m.ids.empty()) return m.ids;
    CMapEntity3DIDToEntity3D all(true);
    all.buildMap(handleOn(m.entities));
    for (const auto& entry : all.entries()) m.ids.push_back(entry.id);
    std::shuffle(m.ids.begin(), m.ids.end(), std::mt19937_64(5));
    return m.ids;
}

void finish(benchmark::State& state, int n) {
    state.counters["entities"] = n;
    state.counters["peak_rss_MiB"] = peakMiB();
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_EntityBuild(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Model& m = current();
    double growth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        m.entities.RemoveAll();
        m.file.clear();
        m.file.shrink_to_fit();
        m.ids.clear();
        m.size = 0;
        resetPeak();
        const double before = residentBytes();
        state.ResumeTiming();
        m.made = buildBuildings(m.entities, n, true);
        state.PauseTiming();
        growth = residentBytes() - before;
        m.size = n;
        state.ResumeTiming();
    }
    state.counters["rss_per_entity"] = growth / m.made.entityCount;
    state.counters["vertices_per_entity"] = static_cast<double>(m.made.vertexCount) / m.made.entityCount;
    finish(state, m.made.entityCount);
}

void BM_EntitySave(benchmark::State& state) {
    Model& m = modelOf(static_cast<int>(state.range(0)));
    resetPeak();
    for (auto _ : state) {
        CKelvaraArchive ar;
        m.entities.Serialize(ar);
        m.file = ar.takeBuffer();
    }
    state.counters["file_per_entity"] = static_cast<double>(m.file.size()) / m.made.entityCount;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(m.file.size()));
    finish(state, m.made.entityCount);
}

void BM_EntityLoad(benchmark::State& state) {
    Model& m = modelOf(static_cast<int>(state.range(0)));
    if (m.file.empty()) {
        CKelvaraArchive ar;
        m.entities.Serialize(ar);
        m.file = ar.takeBuffer();
    }
    resetPeak();
    double growth = 0;
    bool equal = true;
    for (auto _ : state) {
        const double before = residentBytes();
        auto loaded = std::make_unique<CEntity3DArray>();
        CKelvaraArchive ar(m.file.data(), m.file.size(), CKelvaraArchive::kCurrentFileVersion);
        loaded->Serialize(ar);
        state.PauseTiming();
        growth = residentBytes() - before;
        equal = loaded->GetSize() == m.entities.GetSize();
        loaded.reset();
        state.ResumeTiming();
    }
    if (!equal) state.SkipWithError("the loaded model lost entities");
    state.counters["rss_per_entity"] = growth / m.made.entityCount;
    finish(state, m.made.entityCount);
}

void BM_EntityDeepCopy(benchmark::State& state) {
    Model& m = modelOf(static_cast<int>(state.range(0)));
    resetPeak();
    double growth = 0;
    for (auto _ : state) {
        const double before = residentBytes();
        auto copy = std::make_unique<CEntity3DArray>(m.entities);
        state.PauseTiming();
        growth = residentBytes() - before;
        copy.reset();
        state.ResumeTiming();
    }
    state.counters["rss_per_entity"] = growth / m.made.entityCount;
    finish(state, m.made.entityCount);
}

void BM_EntityEquality(benchmark::State& state) {
    Model& m = modelOf(static_cast<int>(state.range(0)));
    const auto copy = std::make_unique<CEntity3DArray>(m.entities);
    resetPeak();
    bool equal = false;
    for (auto _ : state) {
        equal = *copy == m.entities;
        benchmark::DoNotOptimize(equal);
    }
    if (!equal) state.SkipWithError("a deep copy differs from its source");
    finish(state, m.made.entityCount);
}

template <class Map>
void buildMapStage(benchmark::State& state, Map& map) {
    Model& m = modelOf(static_cast<int>(state.range(0)));
    resetPeak();
    double growth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        map.RemoveAll();
        malloc_trim(0);
        const double before = residentBytes();
        state.ResumeTiming();
        map.buildMap(handleOn(m.entities));
        state.PauseTiming();
        growth = residentBytes() - before;
        state.ResumeTiming();
    }
    state.counters["rss_per_entity"] = growth / map.GetCount();
    finish(state, map.GetCount());
}

void BM_MapParentBuild(benchmark::State& state) {
    CMapEntity3DIDToParent map;
    buildMapStage(state, map);
}

void BM_MapEntityBuild(benchmark::State& state) {
    CMapEntity3DIDToEntity3D map(true);
    buildMapStage(state, map);
}

// One lookup of every identifier through each map: its parent's identifier and the entity.
void BM_MapLookup(benchmark::State& state) {
    Model& m = modelOf(static_cast<int>(state.range(0)));
    CMapEntity3DIDToParent parents;
    parents.buildMap(handleOn(m.entities));
    CMapEntity3DIDToEntity3D entities(true);
    entities.buildMap(handleOn(m.entities));
    const auto& ids = idsOf(m);
    resetPeak();
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (const CEntity3DID& id : ids) {
            found += !parents.getParentID(id).isNULL();
            found += !entities.getEntity3D(id).isNull();
        }
        benchmark::DoNotOptimize(found);
    }
    finish(state, static_cast<int>(ids.size()));
}

// The peer: std::unordered_map from the identifier's 128 bits to the entity, built over the same
// identifiers (gathered beforehand, untimed) and searched in the same order.
struct Key {
    std::uint64_t hi, lo;
    bool operator==(const Key& o) const noexcept { return hi == o.hi && lo == o.lo; }
};
struct KeyHash {
    std::size_t operator()(const Key& k) const noexcept { return k.hi * 0x9E3779B97F4A7C15ull ^ k.lo; }
};

void BM_PeerUnorderedMapBuild(benchmark::State& state) {
    Model& m = modelOf(static_cast<int>(state.range(0)));
    CMapEntity3DIDToEntity3D source(true);
    source.buildMap(handleOn(m.entities));
    std::vector<std::pair<Key, const IEntity3D*>> pairs;
    for (const auto& e : source.entries()) pairs.push_back({{e.id.orderKeyHigh(), e.id.orderKeyLow()}, e.entity});
    std::shuffle(pairs.begin(), pairs.end(), std::mt19937_64(5));
    resetPeak();
    for (auto _ : state) {
        std::unordered_map<Key, const IEntity3D*, KeyHash> map;
        for (const auto& [key, entity] : pairs) map[key] = entity;
        benchmark::DoNotOptimize(map.size());
        state.PauseTiming();
        map = {};
        state.ResumeTiming();
    }
    finish(state, static_cast<int>(pairs.size()));
}

void BM_PeerUnorderedMapLookup(benchmark::State& state) {
    Model& m = modelOf(static_cast<int>(state.range(0)));
    const auto& ids = idsOf(m);
    CMapEntity3DIDToEntity3D source(true);
    source.buildMap(handleOn(m.entities));
    std::unordered_map<Key, const IEntity3D*, KeyHash> map;
    for (const auto& e : source.entries()) map[{e.id.orderKeyHigh(), e.id.orderKeyLow()}] = e.entity;
    resetPeak();
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (const CEntity3DID& id : ids) found += map.count({id.orderKeyHigh(), id.orderKeyLow()});
        benchmark::DoNotOptimize(found);
    }
    finish(state, static_cast<int>(ids.size()));
}

// Every stage of one size before the next size, so one model serves them all.
const bool kRegistered = [] {
    for (const int size : {10'000, 100'000, 1'000'000}) {
        const int n = benchSize(size);
        const int iterations = size >= 1'000'000 ? 1 : size >= 100'000 ? 2 : 10;
        auto add = [&](const char* name, void (*fn)(benchmark::State&)) {
            benchmark::RegisterBenchmark(name, fn)->Arg(n)->Iterations(iterations)->Unit(benchmark::kMillisecond)->UseRealTime();
        };
        add("BM_EntityBuild", BM_EntityBuild);
        add("BM_EntitySave", BM_EntitySave);
        add("BM_EntityLoad", BM_EntityLoad);
        add("BM_EntityDeepCopy", BM_EntityDeepCopy);
        add("BM_EntityEquality", BM_EntityEquality);
        add("BM_MapParentBuild", BM_MapParentBuild);
        add("BM_MapEntityBuild", BM_MapEntityBuild);
        add("BM_PeerUnorderedMapBuild", BM_PeerUnorderedMapBuild);
        add("BM_MapLookup", BM_MapLookup);
        add("BM_PeerUnorderedMapLookup", BM_PeerUnorderedMapLookup);
    }
    return true;
}();

}  // namespace
}  // namespace kelvara::bench
