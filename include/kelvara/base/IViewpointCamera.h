// The camera of a viewpoint: where it stands, the unit vector it looks along, the unit vector
// that is up on screen, and how it projects.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/SceneEnumerations.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_ViewpointCamera(F) \
    F(VALUE, CGraphicalPoint3D, Position, defaultCameraFrame().position, 1)        \
    F(VALUE, CGraphicalVector3D, Forwards, defaultCameraFrame().forwards, 1)       \
    F(VALUE, CGraphicalVector3D, Up, defaultCameraFrame().up, 1)                   \
    F(VALUE, CCameraProjectionMode, ProjectionMode, CCameraProjectionMode::Perspective, 1)

// The default camera's frame: 30 m behind (negative y) and 10 m above the origin in a default world
// (one 3D unit to the meter), looking at the origin, Up in the vertical plane through the view.
struct CViewpointCameraFrame {
    CGraphicalPoint3D position;
    CGraphicalVector3D forwards;
    CGraphicalVector3D up;
};
const CViewpointCameraFrame& defaultCameraFrame();

class IViewpointCamera : public CRecord<IViewpointCamera> {
    KELVARA_INTERFACE(ViewpointCamera)
    KELVARA_RECORD(IViewpointCamera, "ViewpointCamera", KELVARA_FIELDS_ViewpointCamera)

public:
    // The default camera: behind and above the origin, looking at it, in perspective.
    void clear() { initialize(); }
    // Makes Forwards and Up an orthonormal pair, keeping Forwards' direction; false when Forwards
    // had to be replaced because it had no direction.
    virtual bool validateDirection() = 0;
};

