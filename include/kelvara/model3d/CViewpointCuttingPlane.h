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

    IGraphicalTransformHandle getTransform() const override {
        return IGraphicalTransformHandle(new CGraphicalTransformHandle(&m_Transform));
    }

protected:
    IGraphicalTransformWritableHandle getWritableTransform() override {
        return IGraphicalTransformWritableHandle(new CGraphicalTransformWritableHandle(&m_Transform));
    }
};

KELVARA_OBJECT_FAMILY(ViewpointCuttingPlane)
