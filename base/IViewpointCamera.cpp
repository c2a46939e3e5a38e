#include "kelvara/base/IViewpointCamera.h"

namespace {

CViewpointCameraFrame makeDefaultCameraFrame() {
    // A default world has one 3D unit to the meter, so 30 m and 10 m are 30 and 10 units.
    CViewpointCameraFrame frame;
    frame.position = CGraphicalPoint3D(0.0f, -30.0f, 10.0f);
    frame.forwards = CGraphicalVector3D(frame.position) * -1.0f;
    frame.forwards.normalize();
    frame.up = (frame.forwards * CGraphicalVector3D(0.0f, 0.0f, 1.0f)) * frame.forwards;
    frame.up.normalize();
    return frame;
}

}  // namespace

const CViewpointCameraFrame& defaultCameraFrame() {
    static const CViewpointCameraFrame frame = makeDefaultCameraFrame();
    return frame;
}
