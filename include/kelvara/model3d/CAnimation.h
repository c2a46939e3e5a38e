// The stored animation (see IAnimation). A new one has a fresh identifier, no name, no export
// settings and no timelines; one made from a name also gets what IAnimation::initDefault gives.
#pragma once

#include "kelvara/base/IAnimation.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CCameraTimeline.h"
#include "kelvara/model3d/CEventTimeline.h"
#include "kelvara/model3d/CProjectTimeTimeline.h"

class CAnimation : public IAnimation {
    KELVARA_OBJECT(Animation)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Animation)

public:
    // Named name (null: no name), then initDefault.
    explicit CAnimation(const wchar_t* name);
    ~CAnimation() override = default;
};

KELVARA_ROOT_FAMILY(Animation)
