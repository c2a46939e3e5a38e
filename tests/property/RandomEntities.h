// Random content for the 3D entity's stored values that the generic rules of Randomize.h miss.
#pragma once

#include "kelvara/base/IEntity3D.h"
#include "kelvara/model3d/CGeometryArray.h"
#include "property/RandomMaterials.h"
#include "property/Randomize.h"

namespace kelvara::test {

template <>
struct Randomizer<CDocumentFileIDArray> : RandomIDList<CDocumentFileIDArray, CDocumentFileID> {};

// Absent about a third of the time.
template <>
struct Randomizer<CEntityImportedName> {
    static void apply(CEntityImportedName& name, Rng& rng) {
        if (chance(rng, 35)) {
            name.reset();
            return;
        }
        CProjectString text;
        Randomizer<CProjectString>::apply(text, rng);
        name.set(text);
    }
};

// Absent a quarter of the time; otherwise a few cylinders, extrusions and polylines.
template <>
struct Randomizer<CEntityGeometries> {
    static void apply(CEntityGeometries& geometries, Rng& rng) {
        if (chance(rng, 25)) {
            geometries.reset();
            return;
        }
        auto array = std::make_unique<CGeometryArray>();
        const int n = between(rng, 1, 4);
        for (int i = 0; i < n; ++i) {
            switch (between(rng, 0, 2)) {
                case 0: {
                    const auto c = drawInOrder<7>(rng, coordinate);
                    array->getWritableCylinders().Add(CCylinder(c[0], CGraphicalPoint3D(c[1], c[2], c[3]),
                                                                CGraphicalPoint3D(c[4], c[5], c[6]), CCapStyle()));
                    break;
                }
                case 1: {
                    CGraphicalPoint2DArray profile;
                    for (int k = between(rng, 0, 6); k > 0; --k) {
                        CGraphicalPoint2D p;
                        Randomizer<CGraphicalPoint2D>::apply(p, rng);
                        profile.Add(p);
                    }
                    const auto h = drawInOrder<2>(rng, coordinate);
                    array->getWritableExtrusions().Add(CExtrusion(profile, h[0], h[1]));
                    break;
                }
                default: {
                    CGraphicalPoint3DArray points;
                    for (int k = between(rng, 0, 6); k > 0; --k) {
                        CGraphicalPoint3D p;
                        Randomizer<CGraphicalPoint3D>::apply(p, rng);
                        points.Add(p);
                    }
                    array->getWritablePolyLine3Ds().Add(CPolyLine3D(points));
                    break;
                }
            }
        }
        geometries.adopt(array.release());
    }
};

}  // namespace kelvara::test
