// A section plane through the scene: the plane is placed by its transform; the viewer may draw the
// plane itself and a manipulator to move it.
#pragma once

#include "kelvara/base/IGraphicalTransform.h"

KELVARA_FORWARD(CuttingPlane)

#define KELVARA_CUTTINGPLANE_FIELDS(F)              \
    F(IDENTITY, CCuttingPlaneID, ID)                \
    F(VALUE, CProjectString, Name)                  \
    F(EMBEDDED, CGraphicalTransform, Transform)     \
    F(VALUE, CProjectBool, ShowPlane)               \
    F(VALUE, CProjectBool, ShowManipulator)

class ICuttingPlane : public CRecord<ICuttingPlane> {
    KELVARA_INTERFACE(CuttingPlane)
    KELVARA_RECORD(ICuttingPlane, "CuttingPlane", KELVARA_CUTTINGPLANE_FIELDS)

public:
    virtual IGraphicalTransformHandle getTransform() const = 0;
    void setTransform(const IGraphicalTransform& transform) { (*getWritableTransform()).copyFrom(transform); }

private:
    virtual IGraphicalTransformWritableHandle getWritableTransform() = 0;
};

KELVARA_INTERFACE_ARRAY(CuttingPlane, CCuttingPlaneID, false)
