// A section plane through the scene: the plane is placed by its transform; the viewer may draw the
// plane itself and a manipulator to move it.
#pragma once

#include "kelvara/base/IGraphicalTransform.h"


#define KELVARA_FIELDS_CuttingPlane(F) \
    F(IDENTITY, CCuttingPlaneID, ID, {}, 1)                              \
    F(VALUE, CProjectString, Name, CProjectString(L"New CuttingPlane"), 1) \
    F(EMBEDDED, GraphicalTransform, Transform, {}, 1)                    \
    F(VALUE, CProjectBool, ShowPlane, true, 1)                             \
    F(VALUE, CProjectBool, ShowManipulator, true, 1)

class ICuttingPlane : public CRecord<ICuttingPlane> {
    KELVARA_INTERFACE(CuttingPlane)
    KELVARA_RECORD(ICuttingPlane, "CuttingPlane", KELVARA_FIELDS_CuttingPlane)
};

