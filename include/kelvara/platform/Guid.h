// GUID generation: version-4 values from a per-thread generator seeded from the OS entropy.
#pragma once

#include "kelvara/platform/Types.h"

// Fills *guid with a fresh random value; answers 0 (success) or a negative error when guid is null.
long CoCreateGuid(_GUID* guid) noexcept;
