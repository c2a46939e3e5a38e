// The stored form of a saved position (see IPosition); it holds its camera by value.
#pragma once

#include "kelvara/base/IPosition.h"
#include "kelvara/model3d/CViewpointCamera.h"

class CPosition : public IPosition {
    KELVARA_OBJECT(Position)
    KELVARA_RECORD_MEMBERS(KELVARA_POSITION_FIELDS)

public:
    CPosition() { initialize(CString()); }
    explicit CPosition(const CString& name) { initialize(name); }
    ~CPosition() override = default;

    IViewpointCameraHandle getViewpoint() const override { return m_Viewpoint.getHandle(); }
    void setViewpoint(const IViewpointCamera& viewpoint) override { m_Viewpoint.copyFrom(viewpoint); }

private:
    IViewpointCamera& getWritableViewpoint() override { return m_Viewpoint; }
};

KELVARA_ROOT_FAMILY(Position, CPositionID, false)
