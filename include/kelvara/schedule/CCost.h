// The stored form of a cost line (see ICost).
#pragma once

#include "kelvara/base/ICost.h"
#include "kelvara/framework/Family.h"

class CCost : public ICost {
    KELVARA_OBJECT(Cost)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Cost)

public:
    ~CCost() override = default;
};

KELVARA_KIND_FAMILY(Cost)
