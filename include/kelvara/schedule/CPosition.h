// The stored form of a saved position (see IPosition); it holds its camera by value.
#pragma once

#include "kelvara/base/IPosition.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CViewpointCamera.h"

class CPosition : public IPosition {
    KELVARA_OBJECT(Position)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Position)

public:
    explicit CPosition(const CString& name) { initialize(name); }
    ~CPosition() override = default;
};

KELVARA_ROOT_FAMILY(Position)
