// One loader per kind of the registry, chosen by number: the kinds fuzz target and its seed writer
// share this table, so every kind added to the registry is fuzzed from then on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "kelvara/AllKinds.h"
#include "kelvara/model3d/CEntityState.h"
#include "kelvara/model3d/CGeometryArray.h"

namespace kelvara::fuzz {

// Loads one C<Thing> record, then checks that what was loaded stores, reloads and compares
// equal (a loaded object that does not survive its own round trip is a finding).
using KindLoader = void (*)(CKelvaraArchive& ar);

template <class C>
void loadKind(CKelvaraArchive& ar) {
    C object;
    object.Serialize(ar);
    CKelvaraArchive out;
    object.Serialize(out);
    const std::vector<std::uint8_t> bytes = out.takeBuffer();
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    C again;
    again.Serialize(in);
    if (!(again == object) || in.remaining() != 0) __builtin_trap();
}

// Every kind, then the stored forms that are not kinds (written inside their owners' records);
// kExtraLoaderNames names the latter in order, for the seed writer.
#define KELVARA_FUZZ_LOADER_(Thing, Identifier, Iteration, Role, Folder) &loadKind<C##Thing>,
inline constexpr KindLoader kKindLoaders[] = {KELVARA_KINDS(KELVARA_FUZZ_LOADER_) & loadKind<CEntityStateArray>, &loadKind<CGeometryArray>};
inline constexpr const char* kExtraLoaderNames[] = {"EntityStateArray", "GeometryArray"};
#undef KELVARA_FUZZ_LOADER_

// The input's first byte picks the kind, the second the file version (the current one, or one of
// the older ones a layout changed at); the record follows.
inline constexpr int kFuzzVersions[] = {CKelvaraArchive::kCurrentFileVersion, 192, 40};

}  // namespace kelvara::fuzz
