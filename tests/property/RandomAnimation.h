// Random values of the animation and path records' fields that the generic rules of Randomize.h
// miss: the identifier lists of event key frames and a path's transform list.
#pragma once

#include "kelvara/base/Identifiers.h"
#include "kelvara/model3d/CGraphicalTransform.h"
#include "property/RandomMaterials.h"
#include "property/Randomize.h"

namespace kelvara::test {

template <>
struct Randomizer<CUserGridIDArray> : RandomIDList<CUserGridIDArray, CUserGridID> {};
template <>
struct Randomizer<C3DNotationIDArray> : RandomIDList<C3DNotationIDArray, C3DNotationID> {};

// Up to three transforms.
template <>
struct Randomizer<IGraphicalTransformArray> {
    static void apply(IGraphicalTransformArray& list, Rng& rng) {
        list.RemoveAll();
        const int n = between(rng, 0, 3);
        for (int i = 0; i < n; ++i) {
            CGraphicalTransformMatrix m;
            Randomizer<CGraphicalTransformMatrix>::apply(m, rng);
            list.Add(CGraphicalTransform(m.data()));
        }
    }
};

}  // namespace kelvara::test
