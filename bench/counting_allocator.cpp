// The replaced global operator new and delete of the benchmark binary (CountingAllocator.h). They
// live in a file of their own so that no caller sees them inline: each pair then stays matched as
// far as the compiler can tell.
#include "CountingAllocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace kelvara::bench {
namespace {

// The record is taken from malloc, so that recording never calls operator new itself.
std::atomic<bool> recording{false};
std::size_t* recorded = nullptr;
std::size_t recordedCount = 0, recordedCapacity = 0;
bool overflow = false;

void record(std::size_t n) noexcept {
    if (recordedCount == recordedCapacity) {
        const std::size_t grown = recordedCapacity ? recordedCapacity * 2 : (std::size_t{1} << 20);
        void* more = std::realloc(recorded, grown * sizeof(std::size_t));
        if (!more) {
            overflow = true;
            return;
        }
        recorded = static_cast<std::size_t*>(more);
        recordedCapacity = grown;
    }
    recorded[recordedCount++] = n;
}

}  // namespace

void startRecordingAllocations() {
    recordedCount = 0;
    overflow = false;
    recording.store(true, std::memory_order_relaxed);
}

std::vector<std::size_t> stopRecordingAllocations() {
    recording.store(false, std::memory_order_relaxed);
    if (overflow) return {};
    return std::vector<std::size_t>(recorded, recorded + recordedCount);
}

}  // namespace kelvara::bench

void* operator new(std::size_t n) {
    if (kelvara::bench::recording.load(std::memory_order_relaxed)) kelvara::bench::record(n);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
