// The stored event timeline (see IEventTimeline): event key frames in tick order. A new one has a fresh
// identifier and no key frames (StartTick and EndTick -1).
#pragma once

#include "kelvara/base/IEventTimeline.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CEventKeyFrame.h"
#include "kelvara/model3d/CTimeline.h"

class CEventTimeline : public IEventTimeline {
    KELVARA_OBJECT(EventTimeline)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_EventTimeline)
    KELVARA_TIMELINE_MEMBERS(EventTimeline, EventKeyFrame, KeyFrames)

public:
    ~CEventTimeline() override = default;
};

KELVARA_OBJECT_FAMILY(EventTimeline)
