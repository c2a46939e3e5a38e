// The stored section of a viewpoint (see IViewpointCuttingPlane): off, at the identity, when new.
#pragma once

#include "kelvara/base/IViewpointCuttingPlane.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CGraphicalTransform.h"

class CViewpointCuttingPlane : public IViewpointCuttingPlane {
    KELVARA_OBJECT(ViewpointCuttingPlane)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_ViewpointCuttingPlane)

public:
    ~CViewpointCuttingPlane() override = default;

};

KELVARA_OBJECT_FAMILY(ViewpointCuttingPlane)
