// The stored form of a turntable motion (see ITurnableAnimation).
#pragma once

#include "kelvara/base/ITurnableAnimation.h"

class CTurnableAnimation : public ITurnableAnimation {
    KELVARA_OBJECT(TurnableAnimation)
    KELVARA_RECORD_MEMBERS(KELVARA_TURNABLEANIMATION_FIELDS)

public:
    CTurnableAnimation() { initialize(); }
    ~CTurnableAnimation() override = default;
};

KELVARA_OBJECT_FAMILY(TurnableAnimation)
