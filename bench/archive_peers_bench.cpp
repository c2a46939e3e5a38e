// The archive beside three serialisation libraries, on the same links: each library stores from
// and loads into its own live objects, one heap object per record as the owning array has.
//   protobuf:    SerializeToArray of a Links message / ParseFromArray into one (a message object
//                per link);
//   FlatBuffers: building the buffer from plain records / verifying it and making a plain record
//                per table (FlatBuffers reads in place; the copy out is what "live objects" costs);
//   cereal:      its binary archive over a vector of owned plain records, both ways.
// Every row reports bytes per second of its own encoding and the bytes per record as a counter.
// A library that is not installed leaves its rows out.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "LinkContainers.h"
#include "Timing.h"

#ifdef KELVARA_BENCH_PROTOBUF
#include "links.pb.h"
#endif
#ifdef KELVARA_BENCH_FLATBUFFERS
#include "links_generated.h"
#endif
#ifdef KELVARA_BENCH_CEREAL
#include <cereal/archives/binary.hpp>
#include <cereal/types/memory.hpp>
#include <cereal/types/vector.hpp>

#include <sstream>
#endif

#if defined(KELVARA_BENCH_PROTOBUF) || defined(KELVARA_BENCH_FLATBUFFERS) || defined(KELVARA_BENCH_CEREAL)
namespace kelvara::bench {
namespace {

// One link's stored fields as plain numbers.
struct PlainLink {
    std::uint64_t idHigh = 0, idLow = 0, upstreamHigh = 0, upstreamLow = 0, calendarHigh = 0, calendarLow = 0;
    std::int32_t type = 0, status = 0, delayType = 0;
    bool delayValid = false;
    std::int64_t delay = 0;

    template <class Archive>
    void serialize(Archive& ar) {
        ar(idHigh, idLow, upstreamHigh, upstreamLow, calendarHigh, calendarLow, type, status, delayType, delayValid,
           delay);
    }
};

PlainLink plainOf(const CLink& link) {
    PlainLink p;
    p.idHigh = link.getID().orderKeyHigh();
    p.idLow = link.getID().orderKeyLow();
    p.upstreamHigh = link.getUpstreamTaskID().orderKeyHigh();
    p.upstreamLow = link.getUpstreamTaskID().orderKeyLow();
    p.calendarHigh = link.getDelayCalendarID().orderKeyHigh();
    p.calendarLow = link.getDelayCalendarID().orderKeyLow();
    p.type = link.getType().getCurrentValue();
    p.status = link.getStatus().getCurrentValue();
    p.delayType = link.getDelayType().getCurrentValue();
    p.delayValid = link.getDelay().isValid();
    p.delay = link.getDelay().getValue();
    return p;
}

// The records of the size-n fixture, in position order.
const std::vector<PlainLink>& plainLinks(int n) {
    static std::map<int, std::vector<PlainLink>> cache;
    auto [it, fresh] = cache.try_emplace(n);
    if (fresh) {
        const CLinkArray& array = fixture<OwningArray>(n).array;
        for (int p = 0; p < array.GetSize(); ++p) it->second.push_back(plainOf(array.getConstReference(p)));
    }
    return it->second;
}

void report(benchmark::State& state, std::size_t bytes, int n) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    state.counters["bytes/record"] = static_cast<double>(bytes) / n;
}

#ifdef KELVARA_BENCH_PROTOBUF
const pb::Links& protobufLinks(int n) {
    static std::map<int, pb::Links> cache;
    auto [it, fresh] = cache.try_emplace(n);
    if (fresh) {
        for (const PlainLink& p : plainLinks(n)) {
            pb::Link* l = it->second.add_links();
            l->set_id_high(p.idHigh);
            l->set_id_low(p.idLow);
            l->set_upstream_task_high(p.upstreamHigh);
            l->set_upstream_task_low(p.upstreamLow);
            l->set_delay_calendar_high(p.calendarHigh);
            l->set_delay_calendar_low(p.calendarLow);
            l->set_type(p.type);
            l->set_status(p.status);
            l->set_delay_type(p.delayType);
            l->set_delay_valid(p.delayValid);
            l->set_delay(p.delay);
        }
    }
    return it->second;
}

void BM_Peer_ProtobufStore(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const pb::Links& links = protobufLinks(n);
    std::size_t size = 0;
    eachTimed(state, [&] {
        std::vector<std::uint8_t> bytes(links.ByteSizeLong());
        if (!links.SerializeToArray(bytes.data(), static_cast<int>(bytes.size()))) state.SkipWithError("not stored");
        size = bytes.size();
        return bytes;
    });
    report(state, size, n);
}

void BM_Peer_ProtobufLoad(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::string bytes = protobufLinks(n).SerializeAsString();
    eachTimed(state, [&] {
        auto links = std::make_unique<pb::Links>();
        if (!links->ParseFromArray(bytes.data(), static_cast<int>(bytes.size())) || links->links_size() != n)
            state.SkipWithError("not loaded");
        return links;
    });
    report(state, bytes.size(), n);
}

BENCHMARK(BM_Peer_ProtobufStore)->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
BENCHMARK(BM_Peer_ProtobufLoad)->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
#endif

#ifdef KELVARA_BENCH_FLATBUFFERS
std::vector<std::uint8_t> flatbuffersOf(const std::vector<std::unique_ptr<PlainLink>>& records) {
    flatbuffers::FlatBufferBuilder builder(1024);
    std::vector<flatbuffers::Offset<fb::Link>> offsets;
    offsets.reserve(records.size());
    for (const auto& p : records) {
        const fb::Guid id(p->idHigh, p->idLow), upstream(p->upstreamHigh, p->upstreamLow),
            calendar(p->calendarHigh, p->calendarLow);
        offsets.push_back(
            fb::CreateLink(builder, &id, &upstream, &calendar, p->type, p->status, p->delayType, p->delayValid, p->delay));
    }
    builder.Finish(fb::CreateLinks(builder, builder.CreateVector(offsets)));
    return std::vector<std::uint8_t>(builder.GetBufferPointer(), builder.GetBufferPointer() + builder.GetSize());
}
#endif

#if defined(KELVARA_BENCH_FLATBUFFERS) || defined(KELVARA_BENCH_CEREAL)
// The records as owned objects, the form a program would hold them in.
std::vector<std::unique_ptr<PlainLink>> ownedLinks(int n) {
    std::vector<std::unique_ptr<PlainLink>> v;
    for (const PlainLink& p : plainLinks(n)) v.push_back(std::make_unique<PlainLink>(p));
    return v;
}
#endif

#ifdef KELVARA_BENCH_FLATBUFFERS
void BM_Peer_FlatBuffersStore(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto records = ownedLinks(n);
    std::size_t size = 0;
    eachTimed(state, [&] {
        // The builder's own buffer is the stored form; taking it out is part of storing here
        // exactly as takeBuffer is for the archive.
        std::vector<std::uint8_t> bytes = flatbuffersOf(records);
        size = bytes.size();
        return bytes;
    });
    report(state, size, n);
}

void BM_Peer_FlatBuffersLoad(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<std::uint8_t> bytes = flatbuffersOf(ownedLinks(n));
    eachTimed(state, [&] {
        flatbuffers::Verifier verifier(bytes.data(), bytes.size(), 64, 2'000'000'000);
        if (!fb::VerifyLinksBuffer(verifier)) state.SkipWithError("not verified");
        std::vector<std::unique_ptr<PlainLink>> records;
        const fb::Links* links = fb::GetLinks(bytes.data());
        records.reserve(links->links()->size());
        for (const fb::Link* l : *links->links()) {
            auto p = std::make_unique<PlainLink>();
            p->idHigh = l->id()->high();
            p->idLow = l->id()->low();
            p->upstreamHigh = l->upstream_task()->high();
            p->upstreamLow = l->upstream_task()->low();
            p->calendarHigh = l->delay_calendar()->high();
            p->calendarLow = l->delay_calendar()->low();
            p->type = l->type();
            p->status = l->status();
            p->delayType = l->delay_type();
            p->delayValid = l->delay_valid();
            p->delay = l->delay();
            records.push_back(std::move(p));
        }
        if (records.size() != static_cast<std::size_t>(n)) state.SkipWithError("not loaded");
        return records;
    });
    report(state, bytes.size(), n);
}

BENCHMARK(BM_Peer_FlatBuffersStore)->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
BENCHMARK(BM_Peer_FlatBuffersLoad)->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
#endif

#ifdef KELVARA_BENCH_CEREAL
std::string cerealOf(const std::vector<std::unique_ptr<PlainLink>>& records) {
    std::ostringstream out(std::ios::binary);
    {
        cereal::BinaryOutputArchive ar(out);
        ar(records);
    }
    return std::move(out).str();
}

void BM_Peer_CerealStore(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto records = ownedLinks(n);
    std::size_t size = 0;
    eachTimed(state, [&] {
        std::string bytes = cerealOf(records);
        size = bytes.size();
        return bytes;
    });
    report(state, size, n);
}

void BM_Peer_CerealLoad(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::string bytes = cerealOf(ownedLinks(n));
    eachTimed(state, [&] {
        std::istringstream in(bytes, std::ios::binary);
        std::vector<std::unique_ptr<PlainLink>> records;
        {
            cereal::BinaryInputArchive ar(in);
            ar(records);
        }
        if (records.size() != static_cast<std::size_t>(n)) state.SkipWithError("not loaded");
        return records;
    });
    report(state, bytes.size(), n);
}

BENCHMARK(BM_Peer_CerealStore)->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
BENCHMARK(BM_Peer_CerealLoad)->Arg(maxElements())->Unit(benchmark::kMillisecond)->KELVARA_FASTEST;
#endif

}  // namespace
}  // namespace kelvara::bench
#endif
