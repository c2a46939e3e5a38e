#include "kelvara/base/ITurnableAnimation.h"

void ITurnableAnimation::initialize() {
    setCenter(CGraphicalPoint3D(0.0f, 0.0f, 0.0f));
    setDegrees(360.0);
    setClockwise(false);
}
