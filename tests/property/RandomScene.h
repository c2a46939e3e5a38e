// Random content for the scene records' fields that the generic rules of Randomize.h miss.
#pragma once

#include "kelvara/base/Identifiers.h"
#include "property/RandomGeometry.h"
#include "property/Randomize.h"

namespace kelvara::test {

// Identifier lists: the generic rule needs a value_type the lists do not declare.
template <>
struct Randomizer<CCuttingPlaneIDArray> : RandomIDList<CCuttingPlaneIDArray, CCuttingPlaneID> {};
template <>
struct Randomizer<CFilterIDArray> : RandomIDList<CFilterIDArray, CFilterID> {};

}  // namespace kelvara::test
