// The section a viewpoint shows: whether it is on, and where its plane lies.
#pragma once

#include "kelvara/base/IGraphicalTransform.h"

KELVARA_FORWARD(ViewpointCuttingPlane)

#define KELVARA_VIEWPOINTCUTTINGPLANE_FIELDS(F) \
    F(VALUE, CProjectBool, Enabled)             \
    F(EMBEDDED, CGraphicalTransform, Transform)

class IViewpointCuttingPlane : public CRecord<IViewpointCuttingPlane> {
    KELVARA_INTERFACE(ViewpointCuttingPlane)
    KELVARA_RECORD(IViewpointCuttingPlane, "ViewpointCuttingPlane", KELVARA_VIEWPOINTCUTTINGPLANE_FIELDS)

public:
    virtual IGraphicalTransformHandle getTransform() const = 0;
    void setTransform(const IGraphicalTransform& transform) { (*getWritableTransform()).copyFrom(transform); }

private:
    virtual IGraphicalTransformWritableHandle getWritableTransform() = 0;
};

KELVARA_INTERFACE_FAMILY(ViewpointCuttingPlane)
