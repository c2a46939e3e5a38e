// An animation's focus-time timeline: project-time key frames in tick order (see ITimeline for
// the tick rules shared by every timeline).
#pragma once

#include "kelvara/base/IProjectTimeKeyFrame.h"
#include "kelvara/base/ITimeline.h"

#define KELVARA_FIELDS_ProjectTimeTimeline(F)             \
    F(EMBEDDED, Timeline, Timeline, {}, 1)                \
    F(CHILDREN, ProjectTimeKeyFrame, Keyframes, {}, 1)

class IProjectTimeTimeline : public CRecord<IProjectTimeTimeline> {
    KELVARA_INTERFACE(ProjectTimeTimeline)
    KELVARA_RECORD(IProjectTimeTimeline, "ProjectTimeTimeline", KELVARA_FIELDS_ProjectTimeTimeline)
    KELVARA_TIMELINE_INTERFACE(ProjectTimeTimeline, ProjectTimeKeyFrame, Keyframes)
};
