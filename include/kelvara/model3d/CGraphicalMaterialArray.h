// A list of owned materials (the face and vertex materials of a geometry), with the de-duplication
// that lets faces share one material per distinct appearance.
#pragma once

#include <vector>

#include "kelvara/model3d/CGraphicalMaterial.h"
#include "kelvara/model3d/GraphicalPointerArray.h"

class CGraphicalMaterialArray
    : public kelvara::detail::CGraphicalPointerArray<IGraphicalMaterialArray, IGraphicalMaterial, CGraphicalMaterial> {
    using Base = kelvara::detail::CGraphicalPointerArray<IGraphicalMaterialArray, IGraphicalMaterial, CGraphicalMaterial>;

public:
    CGraphicalMaterialArray() = default;
    CGraphicalMaterialArray(const CGraphicalMaterialArray&) = default;
    CGraphicalMaterialArray& operator=(const CGraphicalMaterialArray&) = default;
    ~CGraphicalMaterialArray() override = default;

    using Base::Attach;
    // Takes over the handle's object (which the caller owns, e.g. after a Detach) without copying.
    void Attach(const IGraphicalMaterialWritableHandle& material, int position) { Attach(material.get(), position); }

    // The same object, or equal materials; false when either position is out of range.
    bool isEqualElements(int i, int j) const;
    // False for the same object (or a position out of range), else IGraphicalMaterial::operator<.
    bool isFirstElementSmaller(int i, int j) const;
    // Keeps the first of each run of equal materials, in order of first appearance; map[old] is
    // then the position of the survivor equal to the old element. False when nothing was removed
    // (an empty array leaves map empty).
    bool removeDuplicates(std::vector<int>& map);
};
