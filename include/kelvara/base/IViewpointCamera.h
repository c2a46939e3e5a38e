// The camera of a viewpoint: where it stands, the unit vector it looks along, the unit vector
// that is up on screen, and how it projects.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/SceneEnumerations.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(ViewpointCamera)

#define KELVARA_VIEWPOINTCAMERA_FIELDS(F)      \
    F(VALUE, CGraphicalPoint3D, Position)      \
    F(VALUE, CGraphicalVector3D, Forwards)     \
    F(VALUE, CGraphicalVector3D, Up)           \
    F(VALUE, CCameraProjectionMode, ProjectionMode)

class IViewpointCamera : public CRecord<IViewpointCamera> {
    KELVARA_INTERFACE(ViewpointCamera)
    KELVARA_RECORD(IViewpointCamera, "ViewpointCamera", KELVARA_VIEWPOINTCAMERA_FIELDS)

public:
    // The default camera: behind and above the origin, looking at it, in perspective.
    virtual void clear() = 0;
    // Makes Forwards and Up an orthonormal pair, keeping Forwards' direction; false when Forwards
    // had to be replaced because it had no direction.
    virtual bool validateDirection() = 0;
};

KELVARA_INTERFACE_FAMILY(ViewpointCamera)
