// The stored form of a turntable motion (see ITurnableAnimation).
#pragma once

#include "kelvara/base/ITurnableAnimation.h"
#include "kelvara/framework/Family.h"

class CTurnableAnimation : public ITurnableAnimation {
    KELVARA_OBJECT(TurnableAnimation)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_TurnableAnimation)

public:
    ~CTurnableAnimation() override = default;
};

KELVARA_OBJECT_FAMILY(TurnableAnimation)
