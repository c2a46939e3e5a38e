// Link arrays in the older layout, without stored index entries.
#include "LinkArrayFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { return fuzzLinkArray(data, size, 192); }
