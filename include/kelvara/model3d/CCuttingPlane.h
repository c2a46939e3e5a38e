// The stored cutting plane (see ICuttingPlane). A new one is named "New CuttingPlane", has a null
// identifier and the identity transform, and shows both plane and manipulator.
#pragma once

#include "kelvara/base/ICuttingPlane.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CGraphicalTransform.h"

class CCuttingPlane : public ICuttingPlane {
    KELVARA_OBJECT(CuttingPlane)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_CuttingPlane)

public:
    explicit CCuttingPlane(const CString& name);
    ~CCuttingPlane() override = default;

};

KELVARA_ROOT_FAMILY(CuttingPlane)
