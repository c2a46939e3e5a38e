// The stored form of a light-emitting entity (see IPhysicalLight).
#pragma once

#include "kelvara/base/IPhysicalLight.h"
#include "kelvara/framework/Family.h"

class CPhysicalLight : public IPhysicalLight {
    KELVARA_OBJECT(PhysicalLight)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_PhysicalLight)

public:
    ~CPhysicalLight() override = default;
};

KELVARA_ROOT_FAMILY(PhysicalLight)
