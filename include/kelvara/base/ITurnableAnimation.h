// The turntable motion of a camera key frame: the camera turns about a vertical axis through a
// centre point by a number of degrees, in either sense.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(TurnableAnimation)

#define KELVARA_TURNABLEANIMATION_FIELDS(F)   \
    F(VALUE, CGraphicalPoint3D, Center)       \
    F(VALUE, CProjectDouble, Degrees)         \
    F(VALUE, CProjectBool, Clockwise)

class ITurnableAnimation : public CRecord<ITurnableAnimation> {
    KELVARA_INTERFACE(TurnableAnimation)
    KELVARA_RECORD(ITurnableAnimation, "TurnableAnimation", KELVARA_TURNABLEANIMATION_FIELDS)

public:
    // Defaults: one full counter-clockwise turn about the origin.
    void initialize();
};

KELVARA_INTERFACE_FAMILY(TurnableAnimation)
