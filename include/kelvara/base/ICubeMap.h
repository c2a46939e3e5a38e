// The six faces of a sky's cube, each an image of the sky box's image array named by identifier.
#pragma once

#include "kelvara/framework/Family.h"

KELVARA_FORWARD(CubeMap)

#define KELVARA_CUBEMAP_FIELDS(F)              \
    F(VALUE, CGraphicalImageID, FrontImageID)  \
    F(VALUE, CGraphicalImageID, BackImageID)   \
    F(VALUE, CGraphicalImageID, LeftImageID)   \
    F(VALUE, CGraphicalImageID, RightImageID)  \
    F(VALUE, CGraphicalImageID, TopImageID)    \
    F(VALUE, CGraphicalImageID, BottomImageID)

class ICubeMap : public CRecord<ICubeMap> {
    KELVARA_INTERFACE(CubeMap)
    KELVARA_RECORD(ICubeMap, "CubeMap", KELVARA_CUBEMAP_FIELDS)

public:
    // Every face without an image (the null identifier).
    void Clear();
};

KELVARA_INTERFACE_FAMILY(CubeMap)
