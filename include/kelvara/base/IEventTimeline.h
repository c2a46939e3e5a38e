// An animation's event timeline: event key frames in tick order (see ITimeline for the tick rules
// shared by every timeline).
#pragma once

#include "kelvara/base/IEventKeyFrame.h"
#include "kelvara/base/ITimeline.h"

#define KELVARA_FIELDS_EventTimeline(F)               \
    F(EMBEDDED, Timeline, Timeline, {}, 1)            \
    F(CHILDREN, EventKeyFrame, KeyFrames, {}, 1)

class IEventTimeline : public CRecord<IEventTimeline> {
    KELVARA_INTERFACE(EventTimeline)
    KELVARA_RECORD(IEventTimeline, "EventTimeline", KELVARA_FIELDS_EventTimeline)
    KELVARA_TIMELINE_INTERFACE(EventTimeline, EventKeyFrame, KeyFrames)
};
