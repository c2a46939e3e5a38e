// The stored event key frame (see IEventKeyFrame). A new one has a fresh identifier, no tick,
// every flag false and no grid or notation listed.
#pragma once

#include "kelvara/base/IEventKeyFrame.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CKelvaraKeyFrame.h"

class CEventKeyFrame : public IEventKeyFrame {
    KELVARA_OBJECT(EventKeyFrame)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_EventKeyFrame)
    KELVARA_KEY_FRAME_MEMBERS()

public:
    explicit CEventKeyFrame(int tick);
    ~CEventKeyFrame() override = default;
};

KELVARA_KIND_FAMILY(EventKeyFrame)
