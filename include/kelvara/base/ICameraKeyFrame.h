// A key frame of an animation's camera timeline: where the viewer stands and looks from its tick
// on, optionally the object the camera is marked as looking at and a turntable motion.
#pragma once

#include "kelvara/base/ICameraMarker.h"
#include "kelvara/base/IKelvaraKeyFrame.h"
#include "kelvara/base/ITurnableAnimation.h"
#include "kelvara/base/IViewpointCamera.h"

#define KELVARA_FIELDS_CameraKeyFrame(F)                    \
    F(EMBEDDED, KelvaraKeyFrame, KeyFrame, {}, 1)           \
    F(EMBEDDED, ViewpointCamera, Viewpoint, {}, 1)          \
    F(OPTIONAL, CameraMarker, CameraMarker, {}, 1)          \
    F(OPTIONAL, TurnableAnimation, TurnableAnimation, {}, 1)

class ICameraKeyFrame : public CRecord<ICameraKeyFrame> {
    KELVARA_INTERFACE(CameraKeyFrame)
    KELVARA_RECORD(ICameraKeyFrame, "CameraKeyFrame", KELVARA_FIELDS_CameraKeyFrame)
    KELVARA_KEY_FRAME_ACCESSORS(-1, -1)
};
