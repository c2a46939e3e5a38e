// Random geometric values for the property tests.
#pragma once

#include "kelvara/base/Geometry.h"
#include "property/Randomize.h"

namespace kelvara::test {

inline float coordinate(Rng& rng) { return static_cast<float>(between(rng, -100000, 100000)) / 16.0f; }

template <>
struct Randomizer<CGraphicalPoint3D> {
    static void apply(CGraphicalPoint3D& p, Rng& rng) {
        const auto c = drawInOrder<3>(rng, coordinate);
        p.set(c[0], c[1], c[2]);
    }
};
template <>
struct Randomizer<CGraphicalVector3D> {
    static void apply(CGraphicalVector3D& v, Rng& rng) {
        const auto c = drawInOrder<3>(rng, coordinate);
        v.set(c[0], c[1], c[2]);
    }
};
template <>
struct Randomizer<CGraphicalPoint2D> {
    static void apply(CGraphicalPoint2D& p, Rng& rng) {
        const auto c = drawInOrder<2>(rng, coordinate);
        p.set(c[0], c[1]);
    }
};
template <>
struct Randomizer<CPlane> {
    static void apply(CPlane& p, Rng& rng) {
        const auto c = drawInOrder<4>(rng, coordinate);
        p = CPlane(c[0], c[1], c[2], c[3]);
    }
};
template <>
struct Randomizer<CQuat> {
    static void apply(CQuat& q, Rng& rng) {
        const auto c = drawInOrder<4>(rng, unitFloat);
        q = CQuat(c[0], c[1], c[2], c[3]);
    }
};

}  // namespace kelvara::test
