// What the original platform's system calls answered: system colours, file existence, the clock.
#pragma once

#include <cstdint>

#include "kelvara/platform/CString.h"
#include "kelvara/platform/Types.h"

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The classic default colour of a system colour index (0..30); 0 for any other index.
COLORREF GetSysColor(int index) noexcept;

class CFileUtilities {
public:
    static bool fileExists(const CString& path);  // a regular file (or a link to one) at path
};

// Milliseconds since 1970-01-01 UTC.
std::int64_t currentTimeMilliseconds() noexcept;
