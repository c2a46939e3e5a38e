// The turntable motion of a camera key frame: the camera turns about a vertical axis through a
// centre point by a number of degrees, in either sense.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_TurnableAnimation(F) \
    F(VALUE, CGraphicalPoint3D, Center, (CGraphicalPoint3D(0.0f, 0.0f, 0.0f)), 1) \
    F(VALUE, CProjectDouble, Degrees, 360.0, 1)                                   \
    F(VALUE, CProjectBool, Clockwise, false, 1)

class ITurnableAnimation : public CRecord<ITurnableAnimation> {
    KELVARA_INTERFACE(TurnableAnimation)
    KELVARA_RECORD(ITurnableAnimation, "TurnableAnimation", KELVARA_FIELDS_TurnableAnimation)

public:
};

