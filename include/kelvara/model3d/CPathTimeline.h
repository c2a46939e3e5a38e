// The stored path timeline (see IPathTimeline): path keys in tick order. A new one has a fresh
// identifier and no keys (StartTick and EndTick -1).
#pragma once

#include "kelvara/base/IPathTimeline.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CPathKey.h"
#include "kelvara/model3d/CTimeline.h"

class CPathTimeline : public IPathTimeline {
    KELVARA_OBJECT(PathTimeline)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_PathTimeline)
    KELVARA_TIMELINE_MEMBERS(PathTimeline, PathKey, Keyframes)

public:
    ~CPathTimeline() override = default;

    int addKeyFrame(const CKeyFrameID& id, const CGraphicalPoint3D& position, const CQuat& rotation,
                    const CGraphicalPoint3D& center, int tick) override;
    bool Normalize(const IPathTimeline& source) override;
    double getNormalizedTick(int tick) const override;
};

KELVARA_OBJECT_FAMILY(PathTimeline)
