// The stored form of a light-emitting entity (see IPhysicalLight).
#pragma once

#include "kelvara/base/IPhysicalLight.h"

class CPhysicalLight : public IPhysicalLight {
    KELVARA_OBJECT(PhysicalLight)
    KELVARA_RECORD_MEMBERS(KELVARA_PHYSICALLIGHT_FIELDS)

public:
    CPhysicalLight() { initialize(); }
    ~CPhysicalLight() override = default;
};

KELVARA_ROOT_FAMILY(PhysicalLight, CPhysicalLightID, false)
