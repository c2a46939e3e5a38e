// The six faces of a sky's cube, each an image of the sky box's image array named by identifier.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_CubeMap(F) \
    F(VALUE, CGraphicalImageID, FrontImageID, {}, 1)   \
    F(VALUE, CGraphicalImageID, BackImageID, {}, 1)    \
    F(VALUE, CGraphicalImageID, LeftImageID, {}, 1)    \
    F(VALUE, CGraphicalImageID, RightImageID, {}, 1)   \
    F(VALUE, CGraphicalImageID, TopImageID, {}, 1)     \
    F(VALUE, CGraphicalImageID, BottomImageID, {}, 1)

class ICubeMap : public CRecord<ICubeMap> {
    KELVARA_INTERFACE(CubeMap)
    KELVARA_RECORD(ICubeMap, "CubeMap", KELVARA_FIELDS_CubeMap)

public:
    // Every face without an image (the null identifier).
    void Clear() { initialize(); }
};

