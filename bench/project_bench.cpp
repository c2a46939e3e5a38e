// A whole project at the scale of a large job: the sample generator's schedule of about 100k tasks
// (with their links, resource assignments, costs and calendars), its other roots at twenty times the
// demo's counts and a 3D model of about 1M entities. No baseline is recorded: recording one takes
// time quadratic in the task count (Samples.h). Its stages: save into memory, load from a file,
// deep copy, equality, and identifier renewal (fresh identifiers for every element of every root,
// then each root re-sorted).
//
// The load is set beside its floor: reading the same file with the same reader, then making the
// very allocations the load made (recorded, in order, by the counting operator new below) and
// writing each block once, as a constructor would (CountingAllocator.h). What the load costs beyond
// that is decoding.
//
// Counters: file_MiB; rss_per_file_byte (resident set growth of the loaded project over the file
// size); peak_rss_MiB (the process's peak resident set during the stage, reset before it).
// KELVARA_BENCH_SMOKE builds one scale step with 1000 entities instead.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../tools/kelvara/Samples.h"
#include "CountingAllocator.h"
#include "LinkContainers.h"
#include "Resident.h"
#include "Timing.h"
#include "kelvara/platform/CArchive.h"
#include "kelvara/platform/CFile.h"

namespace kelvara::bench {
namespace {

struct WholeProject {
    CProjectDocument project;
    BuildingElements made;
    ScheduleCounts schedule;
    std::string path;
    std::size_t fileBytes = 0;
    std::vector<std::size_t> allocations;  // the sizes one load allocates, in order
};

// The schedule at 524 scale steps (about 100k tasks), every other root at 20 (the sample's other
// content grows with the scale too, and at 500 steps it alone would be gigabytes). KELVARA_BENCH_SMOKE
// makes one scale step with 1000 entities.
SampleSize projectSize() {
    const bool smoke = benchSize(1000) < 1000;
    return SampleSize{smoke ? 1 : 20, smoke ? 1 : 524, benchSize(1'000'000), false};
}

// Removes the saved project (over a gigabyte at full size) when the benchmark process ends.
struct RemoveAtExit {
    std::string path;
    ~RemoveAtExit() {
        if (!path.empty()) std::remove(path.c_str());
    }
};

// Built once, saved to a file in the temporary directory, and its load's allocations recorded.
// The project is never destroyed: freeing gigabytes at exit would only slow the run's end.
WholeProject& whole() {
    static RemoveAtExit savedFile;
    static WholeProject* w = [] {
        auto* p = new WholeProject;
        p->made = buildSampleProject(p->project, projectSize());
        p->schedule = countSchedule(p->project);
        const char* tmp = std::getenv("TMPDIR");
        p->path = std::string(tmp && *tmp ? tmp : "/tmp") + "/kelvara-bench-project.kvp";
        p->project.saveFile(p->path);
        savedFile.path = p->path;
        CFile file(p->path.c_str(), CFile::modeRead);
        p->fileBytes = static_cast<std::size_t>(file.GetLength());
        {
            CProjectDocument loaded;
            startRecordingAllocations();
            loaded.loadFile(p->path);
            p->allocations = stopRecordingAllocations();
        }
        return p;
    }();
    return *w;
}

// peak: the stage's peak resident set in MiB when the stage measured it itself (a stage that frees
// what it made between iterations resets the peak there), else the peak since the stage began.
void finish(benchmark::State& state, const WholeProject& w, double peak = 0) {
    state.counters["tasks"] = static_cast<double>(w.schedule.tasks);
    state.counters["links"] = static_cast<double>(w.schedule.links);
    state.counters["assignments"] = static_cast<double>(w.schedule.assignments + w.schedule.groupAssignments);
    state.counters["costs"] = static_cast<double>(w.schedule.costs);
    state.counters["entities"] = w.made.entityCount;
    state.counters["file_MiB"] = static_cast<double>(w.fileBytes) / (1024.0 * 1024.0);
    state.counters["peak_rss_MiB"] = peak > 0 ? peak : peakMiB();
}

void BM_ProjectSave(benchmark::State& state) {
    WholeProject& w = whole();
    resetPeak();
    std::size_t bytes = 0;
    eachTimed(state, [&] {
        std::vector<std::uint8_t> file = w.project.save();
        bytes = file.size();
        return file;
    });
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
    finish(state, w);
}

void BM_ProjectLoad(benchmark::State& state) {
    WholeProject& w = whole();
    resetPeak();
    double growth = 0, peak = 0;
    bool equal = true;
    for (auto _ : state) {
        const double before = residentBytes();
        auto loaded = std::make_unique<CProjectDocument>();
        loaded->loadFile(w.path);
        state.PauseTiming();
        growth = residentBytes() - before;
        peak = std::max(peak, peakMiB());
        equal = equal && *loaded == w.project;
        loaded.reset();
        resetPeak();
        state.ResumeTiming();
    }
    if (!equal) state.SkipWithError("the loaded project differs from the saved one");
    state.counters["rss_per_file_byte"] = growth / static_cast<double>(w.fileBytes);
    finish(state, w, peak);
}

// The floor: the same file read by the same reader, and the same allocations made and written.
void BM_ProjectLoadFloor(benchmark::State& state) {
    WholeProject& w = whole();
    if (w.allocations.empty()) {
        state.SkipWithError("no allocations were recorded");
        return;
    }
    std::vector<void*> blocks(w.allocations.size());
    double peak = 0;
    resetPeak();
    for (auto _ : state) {
        {
            CFile file(w.path.c_str(), CFile::modeRead);
            CArchive reader(&file, CArchive::load);
            benchmark::DoNotOptimize(reader.data());
        }
        for (std::size_t k = 0; k < blocks.size(); ++k) {
            blocks[k] = ::operator new(w.allocations[k]);
            std::memset(blocks[k], 0, w.allocations[k]);
        }
        benchmark::ClobberMemory();
        state.PauseTiming();
        peak = std::max(peak, peakMiB());
        for (void* b : blocks) ::operator delete(b);
        resetPeak();
        state.ResumeTiming();
    }
    state.counters["allocations"] = static_cast<double>(w.allocations.size());
    finish(state, w, peak);
}

void BM_ProjectDeepCopy(benchmark::State& state) {
    WholeProject& w = whole();
    resetPeak();
    eachTimed(state, [&] { return std::make_unique<CProjectDocument>(w.project); });
    finish(state, w);
}

void BM_ProjectEquality(benchmark::State& state) {
    WholeProject& w = whole();
    const auto copy = std::make_unique<CProjectDocument>(w.project);
    resetPeak();
    bool equal = false;
    for (auto _ : state) {
        equal = *copy == w.project;
        benchmark::DoNotOptimize(equal);
    }
    if (!equal) state.SkipWithError("a deep copy differs from its source");
    finish(state, w);
}

// Fresh identifiers for every element of every root (and all they own), each root re-sorted after.
void renewIdentifiers(CProjectDocument& project) {
    const auto renew = [](auto& array) {
        for (int i = 0; i < array.GetSize(); ++i) (void)array.getWritableReference(i).generateIDs();
        array.sort();
    };
#define KELVARA_RENEW_ROOT(Thing, Identifier, Iteration, Role, Folder) \
    KELVARA_IF_ROOT_##Role(renew(project.get##Thing##Root().getArray());)
    KELVARA_KINDS(KELVARA_RENEW_ROOT)
#undef KELVARA_RENEW_ROOT
}

void BM_ProjectRenewIdentifiers(benchmark::State& state) {
    WholeProject& w = whole();
    auto copy = std::make_unique<CProjectDocument>(w.project);
    resetPeak();
    for (auto _ : state) renewIdentifiers(*copy);
    if (*copy == w.project) state.SkipWithError("renewing the identifiers left the project as it was");
    finish(state, w);
}

const bool kRegistered = [] {
    const int iterations = 2;
    auto add = [&](const char* name, void (*fn)(benchmark::State&)) {
        benchmark::RegisterBenchmark(name, fn)->Iterations(iterations)->Unit(benchmark::kMillisecond)->UseRealTime();
    };
    add("BM_ProjectSave", BM_ProjectSave);
    add("BM_ProjectLoad", BM_ProjectLoad);
    add("BM_ProjectLoadFloor", BM_ProjectLoadFloor);
    add("BM_ProjectDeepCopy", BM_ProjectDeepCopy);
    add("BM_ProjectEquality", BM_ProjectEquality);
    add("BM_ProjectRenewIdentifiers", BM_ProjectRenewIdentifiers);
    return true;
}();

}  // namespace
}  // namespace kelvara::bench
