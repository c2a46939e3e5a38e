// Storing and loading links through the array's archive record, against memcpy of the same
// number of bytes. All of them report bytes per second, so each ratio is read off directly.
// 10 000 elements show the per-element cost with every page already mapped; a million is the
// goal's size, where mapping fresh memory is part of the bill.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "LinkContainers.h"

namespace kelvara::bench {
namespace {

// The array's fixtures are sorted already: storing does not have to sort them first.
CLinkArray& storedArray(int n) { return const_cast<CLinkArray&>(fixture<OwningArray>(n).array); }

const std::vector<std::uint8_t>& storedBytes(int n) {
    static std::map<int, std::vector<std::uint8_t>> cache;
    auto [it, fresh] = cache.try_emplace(n);
    if (fresh) {
        CKelvaraArchive ar;
        storedArray(n).Serialize(ar);
        it->second = ar.takeBuffer();
    }
    return it->second;
}

void setBytes(benchmark::State& state, std::size_t size) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}

// What a caller does to get the bytes of a file: archive, Serialize, takeBuffer.
void BM_StoreArray(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    CLinkArray& array = storedArray(n);
    const std::size_t size = storedBytes(n).size();
    for (auto _ : state) {
        auto ar = std::make_unique<CKelvaraArchive>();
        array.Serialize(*ar);
        std::vector<std::uint8_t> bytes = ar->takeBuffer();
        benchmark::DoNotOptimize(bytes.data());
        state.PauseTiming();
        if (bytes.size() != size) state.SkipWithError("stored a different number of bytes");
        bytes = {};
        ar.reset();
        state.ResumeTiming();
    }
    setBytes(state, size);
    state.counters["bytes"] = static_cast<double>(size);
}

// An application saving again and again hands the previous save's buffer back to the archive,
// so the store writes into pages that are already mapped.
void BM_StoreArrayReusedBuffer(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    CLinkArray& array = storedArray(n);
    const std::size_t size = storedBytes(n).size();
    std::vector<std::uint8_t> buffer;
    for (auto _ : state) {
        CKelvaraArchive ar;
        ar.reuseBuffer(std::move(buffer));
        array.Serialize(ar);
        buffer = ar.takeBuffer();
        benchmark::DoNotOptimize(buffer.data());
    }
    if (buffer.size() != size) state.SkipWithError("stored a different number of bytes");
    setBytes(state, size);
}

// Serialize alone, the archive's buffer left where it is: shows what takeBuffer adds.
void BM_StoreArrayWithoutTakeBuffer(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    CLinkArray& array = storedArray(n);
    const std::size_t size = storedBytes(n).size();
    for (auto _ : state) {
        auto ar = std::make_unique<CKelvaraArchive>();
        array.Serialize(*ar);
        benchmark::DoNotOptimize(ar->size());
        state.PauseTiming();
        ar.reset();
        state.ResumeTiming();
    }
    setBytes(state, size);
}

void BM_LoadArray(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto& bytes = storedBytes(n);
    auto array = std::make_unique<CLinkArray>();
    for (auto _ : state) {
        CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        array->Serialize(in);
        benchmark::DoNotOptimize(array->GetSize());
        state.PauseTiming();
        if (array->GetSize() != n || !array->isSorted()) state.SkipWithError("load lost elements or order");
        array->RemoveAll();
        state.ResumeTiming();
    }
    setBytes(state, bytes.size());
}

// The goal's yardstick: copying the stored bytes into a buffer that is already mapped.
void BM_MemcpyStoredBytes(benchmark::State& state) {
    const auto& bytes = storedBytes(static_cast<int>(state.range(0)));
    std::vector<std::uint8_t> target(bytes.size(), 1);
    for (auto _ : state) {
        std::memcpy(target.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    setBytes(state, bytes.size());
}

// Floors no archive format changes. Storing hands out a new buffer, so it maps fresh pages at
// least once; loading creates one heap object per element.
void BM_MemcpyIntoFreshBuffer(benchmark::State& state) {
    const auto& bytes = storedBytes(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<std::uint8_t[]> target(new std::uint8_t[bytes.size()]);
        std::memcpy(target.get(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(target.get());
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    setBytes(state, bytes.size());
}

void BM_NewDefaultLinks(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::size_t size = storedBytes(n).size();
    std::vector<CLink*> links;
    links.reserve(static_cast<std::size_t>(n));
    for (auto _ : state) {
        for (int i = 0; i < n; ++i) links.push_back(new CLink());
        benchmark::DoNotOptimize(links.data());
        state.PauseTiming();
        for (CLink* link : links) delete link;
        links.clear();
        state.ResumeTiming();
    }
    setBytes(state, size);
}

BENCHMARK(BM_StoreArray)->Arg(benchSize(10'000))->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
BENCHMARK(BM_StoreArrayReusedBuffer)->Arg(benchSize(10'000))->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
BENCHMARK(BM_StoreArrayWithoutTakeBuffer)->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
BENCHMARK(BM_LoadArray)->Arg(benchSize(10'000))->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
BENCHMARK(BM_MemcpyStoredBytes)->Arg(benchSize(10'000))->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
BENCHMARK(BM_MemcpyIntoFreshBuffer)->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
BENCHMARK(BM_NewDefaultLinks)->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;

}  // namespace
}  // namespace kelvara::bench
