// The section a viewpoint shows: whether it is on, and where its plane lies.
#pragma once

#include "kelvara/base/IGraphicalTransform.h"


#define KELVARA_FIELDS_ViewpointCuttingPlane(F) \
    F(VALUE, CProjectBool, Enabled, false, 1)               \
    F(EMBEDDED, GraphicalTransform, Transform, {}, 1)

class IViewpointCuttingPlane : public CRecord<IViewpointCuttingPlane> {
    KELVARA_INTERFACE(ViewpointCuttingPlane)
    KELVARA_RECORD(IViewpointCuttingPlane, "ViewpointCuttingPlane", KELVARA_FIELDS_ViewpointCuttingPlane)
};

