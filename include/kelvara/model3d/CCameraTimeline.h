// The stored camera timeline (see ICameraTimeline): camera key frames in tick order. A new one has a fresh
// identifier and no key frames (StartTick and EndTick -1).
#pragma once

#include "kelvara/base/ICameraTimeline.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CCameraKeyFrame.h"
#include "kelvara/model3d/CTimeline.h"

class CCameraTimeline : public ICameraTimeline {
    KELVARA_OBJECT(CameraTimeline)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_CameraTimeline)
    KELVARA_TIMELINE_MEMBERS(CameraTimeline, CameraKeyFrame, Keyframes)

public:
    ~CCameraTimeline() override = default;
};

KELVARA_OBJECT_FAMILY(CameraTimeline)
