// The benchmark binary replaces the global operator new and delete (counting_allocator.cpp) with
// ones that take memory from malloc as the default ones do, and can record the size of every
// allocation made through operator new while recording is on. The benchmarks that compare a load
// with its allocation floor replay that record.
//
// Thread safety: recording is meant for one thread; start and stop it from the thread whose
// allocations are recorded, with no other thread allocating meanwhile.
#pragma once

#include <cstddef>
#include <vector>

namespace kelvara::bench {

// Starts a fresh record.
void startRecordingAllocations();
// Stops recording and answers the sizes recorded since the start, in order (empty if the record
// could not grow).
[[nodiscard]] std::vector<std::size_t> stopRecordingAllocations();

}  // namespace kelvara::bench
