// The stored form of a 3D label (see I3DNotation).
#pragma once

#include "kelvara/base/I3DNotation.h"
#include "kelvara/framework/Family.h"

class C3DNotation : public I3DNotation {
    KELVARA_OBJECT(3DNotation)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_3DNotation)

public:
    ~C3DNotation() override = default;
};

KELVARA_ROOT_FAMILY(3DNotation)
