// The stored section of a viewpoint (see IViewpointCuttingPlane): off, at the identity, when new.
#pragma once

#include "kelvara/base/IViewpointCuttingPlane.h"
#include "kelvara/model3d/CGraphicalTransform.h"

class CViewpointCuttingPlane : public IViewpointCuttingPlane {
    KELVARA_OBJECT(ViewpointCuttingPlane)
    KELVARA_RECORD_MEMBERS(KELVARA_VIEWPOINTCUTTINGPLANE_FIELDS)

public:
    CViewpointCuttingPlane() { setEnabled(CProjectBool(false)); }
    ~CViewpointCuttingPlane() override = default;

    IGraphicalTransformHandle getTransform() const override { return m_Transform.getHandle(); }

protected:
    IGraphicalTransformWritableHandle getWritableTransform() override { return m_Transform.getWritableHandle(); }
};

KELVARA_OBJECT_FAMILY(ViewpointCuttingPlane)
