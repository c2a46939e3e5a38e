// The stored form of the world's scale and lighting (see I3DWorldSettings).
#pragma once

#include "kelvara/base/I3DWorldSettings.h"
#include "kelvara/framework/Family.h"

class C3DWorldSettings : public I3DWorldSettings {
    KELVARA_OBJECT(3DWorldSettings)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_3DWorldSettings)

public:
    ~C3DWorldSettings() override = default;
};

KELVARA_OBJECT_FAMILY(3DWorldSettings)
