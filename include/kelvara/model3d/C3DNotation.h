// The stored form of a 3D label (see I3DNotation).
#pragma once

#include "kelvara/base/I3DNotation.h"

class C3DNotation : public I3DNotation {
    KELVARA_OBJECT(3DNotation)
    KELVARA_RECORD_MEMBERS(KELVARA_3DNOTATION_FIELDS)

public:
    C3DNotation() { initialize(); }
    ~C3DNotation() override = default;
};

KELVARA_ROOT_FAMILY(3DNotation, C3DNotationID, false)
