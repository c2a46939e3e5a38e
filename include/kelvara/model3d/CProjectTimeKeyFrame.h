// The stored project-time key frame (see IProjectTimeKeyFrame). A new one has a fresh identifier,
// no tick and no project time.
#pragma once

#include "kelvara/base/IProjectTimeKeyFrame.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CKelvaraKeyFrame.h"

class CProjectTimeKeyFrame : public IProjectTimeKeyFrame {
    KELVARA_OBJECT(ProjectTimeKeyFrame)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_ProjectTimeKeyFrame)
    KELVARA_KEY_FRAME_MEMBERS()

public:
    CProjectTimeKeyFrame(int tick, const CProjectTime& time);
    ~CProjectTimeKeyFrame() override = default;
};

KELVARA_KIND_FAMILY(ProjectTimeKeyFrame)
