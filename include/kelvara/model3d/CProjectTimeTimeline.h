// The stored project-time timeline (see IProjectTimeTimeline): project-time key frames in tick order. A new one has a fresh
// identifier and no key frames (StartTick and EndTick -1).
#pragma once

#include "kelvara/base/IProjectTimeTimeline.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CProjectTimeKeyFrame.h"
#include "kelvara/model3d/CTimeline.h"

class CProjectTimeTimeline : public IProjectTimeTimeline {
    KELVARA_OBJECT(ProjectTimeTimeline)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_ProjectTimeTimeline)
    KELVARA_TIMELINE_MEMBERS(ProjectTimeTimeline, ProjectTimeKeyFrame, Keyframes)

public:
    ~CProjectTimeTimeline() override = default;
};

KELVARA_OBJECT_FAMILY(ProjectTimeTimeline)
