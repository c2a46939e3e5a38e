// Loads project files from arbitrary bytes. The checksum would refuse nearly every mutation before
// any record is read, so each input is also tried with its header repaired (length and checksum
// recomputed), which sends the fuzzer into the record parsers themselves. A failed load must leave
// the document as it was; a successful one must save back to bytes that load to an equal project,
// and must schedule: a cycle among its links is refused with CScheduleCycleError, anything else
// (hostile durations, delays, constraints, calendars) gives a schedule.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "kelvara/document/CProjectDocument.h"
#include "kelvara/AllKinds.h"
#include "kelvara/platform/Exceptions.h"
#include "kelvara/scheduling/ProjectSchedule.h"
#include "kelvara/scheduling/ProjectScheduleAccessor.h"

namespace {

void tryLoad(const std::uint8_t* data, std::size_t size) {
    CProjectDocument document;
    const CProjectDocument before = document;  // every new root has a fresh identifier
    try {
        document.load(data, size);
    } catch (const CArchiveException&) {
        if (document != before) std::abort();  // refused loads change nothing
        return;
    }
    std::vector<std::uint8_t> saved = document.save();
    CProjectDocument again;
    again.load(saved.data(), saved.size());
    if (again != document) std::abort();
    try {
        const CProjectSchedule schedule(document);
        const CProjectScheduleAccessor accessor(schedule);
        for (int i = 0; i < schedule.taskCount(); ++i) {
            const CTaskID& id = schedule.task(i).getID();
            (void)accessor.getSummaryTaskTotalCost(id, CCostTotalType(CCostTotalType::Actual));
            (void)accessor.getDuration(id);
        }
    } catch (const CScheduleCycleError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tryLoad(data, size);
    if (size >= CProjectDocument::kHeaderSize) {
        std::vector<std::uint8_t> repaired(data, data + size);
        std::memcpy(repaired.data(), CProjectDocument::kMagic, sizeof CProjectDocument::kMagic);
        const std::uint64_t length = size - CProjectDocument::kHeaderSize;
        const std::uint64_t sum = CProjectDocument::checksum(repaired.data() + CProjectDocument::kHeaderSize, length);
        std::memcpy(repaired.data() + 16, &length, 8);
        std::memcpy(repaired.data() + 24, &sum, 8);
        tryLoad(repaired.data(), repaired.size());
    }
    return 0;
}
