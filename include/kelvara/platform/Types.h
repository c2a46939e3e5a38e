// Fixed-width names the model's interfaces are written in, and the GUID layout.
#pragma once

#include <cstddef>
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using ULONGLONG = std::uint64_t;
using LONGLONG = std::int64_t;
using COLORREF = unsigned long;

// Opaque iteration cursor of the keyed maps (null when the walk is over).
struct __POSITION {};
using POSITION = __POSITION*;

// A 128-bit identifier with the classic field split. Text and ordering use the fields
// as numbers (Data1, Data2, Data3, then Data4 byte by byte), never the memory layout.
struct _GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::uint8_t Data4[8] = {0, 0, 0, 0, 0, 0, 0, 0};
};
using GUID = _GUID;

bool operator==(const _GUID& a, const _GUID& b) noexcept;
inline bool operator!=(const _GUID& a, const _GUID& b) noexcept { return !(a == b); }
