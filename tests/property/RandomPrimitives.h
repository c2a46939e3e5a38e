// Random values of the geometric primitives' fields: point lists, number buffers, material lists
// and cutting polylines, short enough to keep the property tests fast.
#pragma once

#include "kelvara/model3d/CGeometryArray.h"
#include "kelvara/model3d/CGraphicalVertexParameters.h"
#include "property/RandomGeometry.h"
#include "property/RandomMaterials.h"

namespace kelvara::test {

template <class P>
struct Randomizer<CPointList<P>> {
    static void apply(CPointList<P>& list, Rng& rng) {
        list.RemoveAll();
        const int n = between(rng, 0, 6);
        for (int i = 0; i < n; ++i) {
            P p;
            Randomizer<P>::apply(p, rng);
            list.Add(p);
        }
    }
};

template <class T>
struct Randomizer<CGeometryBuffer<T>> {
    static void apply(CGeometryBuffer<T>& buffer, Rng& rng) {
        const int n = between(rng, 0, 6);
        std::vector<T> values(static_cast<std::size_t>(n));
        for (T& v : values) Randomizer<T>::apply(v, rng);
        buffer.assign(n, values.data());
    }
};

template <>
struct Randomizer<CGeometryFloat> {
    static void apply(CGeometryFloat& v, Rng& rng) { v = coordinate(rng); }
};

template <>
struct Randomizer<CProjectDoubleArray> {
    static void apply(CProjectDoubleArray& list, Rng& rng) {
        list.RemoveAll();
        const int n = between(rng, 0, 4);
        for (int i = 0; i < n; ++i) {
            CProjectDouble d;
            Randomizer<CProjectDouble>::apply(d, rng);
            list.Add(d);
        }
    }
};

// Up to three materials with random colour texts.
template <>
struct Randomizer<IGraphicalMaterialArray> {
    static void apply(IGraphicalMaterialArray& list, Rng& rng) {
        list.RemoveAll();
        const int n = between(rng, 0, 3);
        for (int i = 0; i < n; ++i) {
            CGraphicalMaterial m;
            fillRandom(m, rng, 1);
            list.Add(m);
        }
    }
};

// Up to two cutting polylines.
template <>
struct Randomizer<IPolyLine3DArray> {
    static void apply(IPolyLine3DArray& list, Rng& rng) {
        list.RemoveAll();
        const int n = between(rng, 0, 2);
        for (int i = 0; i < n; ++i) {
            CGraphicalPoint3DArray points;
            Randomizer<CGraphicalPoint3DArray>::apply(points, rng);
            list.AddPointSetAsPolyline(points);
        }
    }
};

}  // namespace kelvara::test
