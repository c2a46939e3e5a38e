// The stored form of a viewpoint's camera (see IViewpointCamera).
#pragma once

#include "kelvara/base/IViewpointCamera.h"
#include "kelvara/framework/Family.h"

class CViewpointCamera : public IViewpointCamera {
    KELVARA_OBJECT(ViewpointCamera)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_ViewpointCamera)

public:
    ~CViewpointCamera() override = default;

    // Normalises Forwards and Up, then makes Up perpendicular to Forwards in the plane they span.
    // A zero or non-finite Forwards becomes (1, 0, 0) (the answer is then false), a zero or
    // non-finite Up (0, 0, 1). When Up lies along Forwards, the side vector is Forwards turned a
    // quarter turn about an axis chosen by Forwards' largest component in absolute value (x: about
    // z, else y: about x, else z: about y). Forwards is never near that axis, so every direction
    // yields a frame.
    bool validateDirection() override;
};

KELVARA_OBJECT_FAMILY(ViewpointCamera)
