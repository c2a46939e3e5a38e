// The stored entity appearance (see IEntityAppearance), held by value in use profiles.
#pragma once

#include "kelvara/base/IEntityAppearance.h"
#include "kelvara/framework/Family.h"

class CEntityAppearance : public IEntityAppearance {
    KELVARA_OBJECT(EntityAppearance)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_EntityAppearance)

public:
    ~CEntityAppearance() override = default;
};

KELVARA_OBJECT_FAMILY(EntityAppearance)
