// An animation's camera timeline: camera key frames in tick order (see ITimeline for the tick
// rules shared by every timeline).
#pragma once

#include "kelvara/base/ICameraKeyFrame.h"
#include "kelvara/base/ITimeline.h"

#define KELVARA_FIELDS_CameraTimeline(F)              \
    F(EMBEDDED, Timeline, Timeline, {}, 1)            \
    F(CHILDREN, CameraKeyFrame, Keyframes, {}, 1)

class ICameraTimeline : public CRecord<ICameraTimeline> {
    KELVARA_INTERFACE(CameraTimeline)
    KELVARA_RECORD(ICameraTimeline, "CameraTimeline", KELVARA_FIELDS_CameraTimeline)
    KELVARA_TIMELINE_INTERFACE(CameraTimeline, CameraKeyFrame, Keyframes)
};
