// The stored form of the world's scale and lighting (see I3DWorldSettings).
#pragma once

#include "kelvara/base/I3DWorldSettings.h"

class C3DWorldSettings : public I3DWorldSettings {
    KELVARA_OBJECT(3DWorldSettings)
    KELVARA_RECORD_MEMBERS(KELVARA_3DWORLDSETTINGS_FIELDS)

public:
    C3DWorldSettings() { clear(); }
    ~C3DWorldSettings() override = default;
};

KELVARA_OBJECT_FAMILY(3DWorldSettings)
