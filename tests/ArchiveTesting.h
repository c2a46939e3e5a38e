// Archive round trips for tests: the bytes a record stores, and loading bytes back into a record.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "kelvara/base/CKelvaraArchive.h"

namespace kelvara::test {

using Bytes = std::vector<std::uint8_t>;

// The bytes write(ar) stores.
template <class Write>
Bytes craft(Write&& write) {
    CKelvaraArchive ar;
    write(ar);
    return ar.takeBuffer();
}

// The bytes object stores.
template <class C>
Bytes store(C& object) {
    return craft([&](CKelvaraArchive& ar) { object.Serialize(ar); });
}

// Loads bytes into object as written at version; every byte must be read.
template <class C>
void load(C& object, const Bytes& bytes, int version = CKelvaraArchive::kCurrentFileVersion) {
    CKelvaraArchive ar(bytes.data(), bytes.size(), version);
    object.Serialize(ar);
    EXPECT_EQ(ar.remaining(), 0u) << "the record did not read all it wrote";
}

}  // namespace kelvara::test
