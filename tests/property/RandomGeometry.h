// Random geometric values for the property tests.
#pragma once

#include "kelvara/base/Geometry.h"
#include "property/Randomize.h"

namespace kelvara::test {

inline float coordinate(Rng& rng) { return static_cast<float>(between(rng, -100000, 100000)) / 16.0f; }

template <>
struct Randomizer<CGraphicalPoint3D> {
    static void apply(CGraphicalPoint3D& p, Rng& rng) { p.set(coordinate(rng), coordinate(rng), coordinate(rng)); }
};
template <>
struct Randomizer<CGraphicalVector3D> {
    static void apply(CGraphicalVector3D& v, Rng& rng) { v.set(coordinate(rng), coordinate(rng), coordinate(rng)); }
};
template <>
struct Randomizer<CGraphicalPoint2D> {
    static void apply(CGraphicalPoint2D& p, Rng& rng) { p.set(coordinate(rng), coordinate(rng)); }
};
template <>
struct Randomizer<CPlane> {
    static void apply(CPlane& p, Rng& rng) { p = CPlane(coordinate(rng), coordinate(rng), coordinate(rng), coordinate(rng)); }
};
template <>
struct Randomizer<CQuat> {
    static void apply(CQuat& q, Rng& rng) { q = CQuat(unitFloat(rng), unitFloat(rng), unitFloat(rng), unitFloat(rng)); }
};

}  // namespace kelvara::test
