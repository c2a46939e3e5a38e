// The stored form of a cost line (see ICost).
#pragma once

#include "kelvara/base/ICost.h"

class CCost : public ICost {
    KELVARA_OBJECT(Cost)
    KELVARA_RECORD_MEMBERS(KELVARA_COST_FIELDS)

public:
    CCost() { initialize(); }
    ~CCost() override = default;
};

KELVARA_KIND_FAMILY(Cost, CCostID, false)
