// A key frame of an animation's focus-time timeline: the project date and time the model shows
// from its tick on.
#pragma once

#include "kelvara/base/IKelvaraKeyFrame.h"

#define KELVARA_FIELDS_ProjectTimeKeyFrame(F)         \
    F(EMBEDDED, KelvaraKeyFrame, KeyFrame, {}, 1)     \
    F(VALUE, CProjectTime, ProjectTime, {}, 1)

class IProjectTimeKeyFrame : public CRecord<IProjectTimeKeyFrame> {
    KELVARA_INTERFACE(ProjectTimeKeyFrame)
    KELVARA_RECORD(IProjectTimeKeyFrame, "ProjectTimeKeyFrame", KELVARA_FIELDS_ProjectTimeKeyFrame)
    KELVARA_KEY_FRAME_ACCESSORS(-1, -1)
};
