// The stored camera key frame (see ICameraKeyFrame). A new one has a fresh identifier, no tick,
// the default camera, no marker and no turntable motion.
#pragma once

#include "kelvara/base/ICameraKeyFrame.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CCameraMarker.h"
#include "kelvara/model3d/CKelvaraKeyFrame.h"
#include "kelvara/model3d/CTurnableAnimation.h"
#include "kelvara/model3d/CViewpointCamera.h"

class CCameraKeyFrame : public ICameraKeyFrame {
    KELVARA_OBJECT(CameraKeyFrame)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_CameraKeyFrame)
    KELVARA_KEY_FRAME_MEMBERS()

public:
    // At tick, with a copy of viewpoint.
    CCameraKeyFrame(int tick, const IViewpointCamera& viewpoint);
    ~CCameraKeyFrame() override = default;
};

KELVARA_KIND_FAMILY(CameraKeyFrame)
