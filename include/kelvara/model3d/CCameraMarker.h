// The stored form of a camera marker (see ICameraMarker); a new marker points at nothing.
#pragma once

#include "kelvara/base/ICameraMarker.h"
#include "kelvara/framework/Family.h"

class CCameraMarker : public ICameraMarker {
    KELVARA_OBJECT(CameraMarker)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_CameraMarker)

public:
    ~CCameraMarker() override = default;
};

KELVARA_OBJECT_FAMILY(CameraMarker)
