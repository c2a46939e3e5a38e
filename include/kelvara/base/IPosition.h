// A saved position: a named view of the project that can bring back a camera, a moment of the
// schedule, the cutting planes in force and the filters applied (combined by the filter operation).
#pragma once

#include "kelvara/base/IViewpointCamera.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(Position)

#define KELVARA_POSITION_FIELDS(F)                  \
    F(IDENTITY, CPositionID, ID)                    \
    F(VALUE, CProjectString, Name)                  \
    F(VALUE, CProjectTime, FocusTime)               \
    F(EMBEDDED, CViewpointCamera, Viewpoint)        \
    F(VALUE, CProjectBool, IsFocusTime)             \
    F(VALUE, CProjectBool, IsViewpoint)             \
    F(VALUE, CProjectString, MarkersString)         \
    F(VALUE, CProjectString, Description)           \
    F(VALUE, CProjectString, URL)                   \
    F(VALUE, CCuttingPlaneIDArray, CuttingPlaneIDs) \
    F(VALUE, CFilterIDArray, FilterIDs)             \
    F(VALUE, CProjectInt, FilterOperation)

class IPosition : public CRecord<IPosition> {
    KELVARA_INTERFACE(Position)
    KELVARA_RECORD(IPosition, "Position", KELVARA_POSITION_FIELDS)

public:
    virtual IViewpointCameraHandle getViewpoint() const = 0;
    virtual void setViewpoint(const IViewpointCamera& viewpoint) = 0;  // copies into the stored camera

    // Defaults: a fresh identifier, the given name, no focus time, the default camera, restoring
    // the camera but not the time, no markers, description or URL, no cutting planes or filters,
    // filter operation 0.
    void initialize(const CString& name);

private:
    virtual IViewpointCamera& getWritableViewpoint() = 0;
};

KELVARA_INTERFACE_ARRAY(Position, CPositionID, false)
