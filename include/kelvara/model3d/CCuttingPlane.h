// The stored cutting plane (see ICuttingPlane). A new one is named "New CuttingPlane", has a null
// identifier and the identity transform, and shows both plane and manipulator.
#pragma once

#include "kelvara/base/ICuttingPlane.h"
#include "kelvara/model3d/CGraphicalTransform.h"

class CCuttingPlane : public ICuttingPlane {
    KELVARA_OBJECT(CuttingPlane)
    KELVARA_RECORD_MEMBERS(KELVARA_CUTTINGPLANE_FIELDS)

public:
    CCuttingPlane();
    explicit CCuttingPlane(const CString& name);
    ~CCuttingPlane() override = default;

    IGraphicalTransformHandle getTransform() const override { return m_Transform.getHandle(); }

protected:
    IGraphicalTransformWritableHandle getWritableTransform() override { return m_Transform.getWritableHandle(); }
};

KELVARA_ROOT_FAMILY(CuttingPlane, CCuttingPlaneID, false)
