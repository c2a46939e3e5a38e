// The stored form of a camera marker (see ICameraMarker); a new marker points at nothing.
#pragma once

#include "kelvara/base/ICameraMarker.h"

class CCameraMarker : public ICameraMarker {
    KELVARA_OBJECT(CameraMarker)
    KELVARA_RECORD_MEMBERS(KELVARA_CAMERAMARKER_FIELDS)

public:
    CCameraMarker() = default;
    ~CCameraMarker() override = default;
};

KELVARA_OBJECT_FAMILY(CameraMarker)
