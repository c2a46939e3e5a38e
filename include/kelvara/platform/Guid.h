// GUID generation: version-4 values from a per-thread generator seeded from the OS entropy.
#pragma once

#include "kelvara/platform/Types.h"

// Fills *guid with a fresh random value; answers 0 (success) or a negative error when guid is null.
long CoCreateGuid(_GUID* guid) noexcept;

// Restarts the calling thread's generator from seed, so that the identifiers it generates next are
// a fixed sequence: for reproducible samples and the golden files of the tests, never for
// identifiers that must be unique across projects. Other threads are not affected.
void seedGuidGenerator(std::uint64_t seed) noexcept;
