// Graphical images keyed by name.
#pragma once

#include "kelvara/model3d/CGraphicalImage.h"
#include "kelvara/model3d/NameKeyedMap.h"

class CMapStringToGraphicalImage : public kelvara::detail::CNameKeyedMap<IGraphicalImage, CGraphicalImage> {
public:
    // Record "CMapStringToGraphicalImage" in every file version.
    void Serialize(CKelvaraArchive& ar);
};

inline bool operator==(const CMapStringToGraphicalImage& a, const CMapStringToGraphicalImage& b) { return a.equals(b); }
inline bool operator!=(const CMapStringToGraphicalImage& a, const CMapStringToGraphicalImage& b) { return !a.equals(b); }
