// Link arrays in the current layout, whose stored index is checked before it is trusted.
#include "LinkArrayFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { return fuzzLinkArray(data, size, 250); }
