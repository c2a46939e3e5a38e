// The stored key-frame part (see IKelvaraKeyFrame) and what every stored key frame adds to reach
// its part.
#pragma once

#include "kelvara/base/IKelvaraKeyFrame.h"
#include "kelvara/framework/Family.h"

class CKelvaraKeyFrame : public IKelvaraKeyFrame {
    KELVARA_OBJECT(KelvaraKeyFrame)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_KelvaraKeyFrame)

public:
    // A fresh identifier, the smooth interpolation, at tick.
    explicit CKelvaraKeyFrame(int tick);
    ~CKelvaraKeyFrame() override = default;
};

KELVARA_OBJECT_FAMILY(KelvaraKeyFrame)

// Inside a stored key frame whose field list embeds the part as KeyFrame.
#define KELVARA_KEY_FRAME_MEMBERS()                                                   \
protected:                                                                            \
    const IKelvaraKeyFrame& keyFramePart() const override { return m_KeyFrame; }      \
                                                                                      \
public:
