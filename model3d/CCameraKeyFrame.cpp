#include "kelvara/model3d/CCameraKeyFrame.h"

CCameraKeyFrame::CCameraKeyFrame(int tick, const IViewpointCamera& viewpoint) {
    initialize();
    setTick(tick);
    setViewpoint(viewpoint);
}

KELVARA_DEFINE_KIND(CameraKeyFrame)
