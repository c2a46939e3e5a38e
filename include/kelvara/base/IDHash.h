// A hash of identifiers for unordered containers keyed by any CIDBase kind. Generated identifiers
// are random in every bit; folding both halves and the high bits keeps hand-made ones (few bits
// set) apart too.
#pragma once

#include <cstddef>
#include <cstdint>

#include "kelvara/base/CIDBase.h"

struct CIDHash {
    std::size_t operator()(const CIDBase& id) const noexcept {
        const std::uint64_t mixed = id.orderKeyHigh() * 0x9E3779B97F4A7C15ull ^ id.orderKeyLow();
        return static_cast<std::size_t>(mixed ^ (mixed >> 29));
    }
};
