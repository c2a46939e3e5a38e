// A saved position: a named view of the project that can bring back a camera, a moment of the
// schedule, the cutting planes in force and the filters applied (combined by the filter operation).
#pragma once

#include "kelvara/base/IViewpointCamera.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_Position(F) \
    F(IDENTITY, CPositionID, ID, CPositionID::generated(), 1)    \
    F(VALUE, CProjectString, Name, CProjectString(CString()), 1)                        \
    F(VALUE, CProjectTime, FocusTime, {}, 1)                     \
    F(EMBEDDED, ViewpointCamera, Viewpoint, {}, 1)               \
    F(VALUE, CProjectBool, IsFocusTime, false, 1)                \
    F(VALUE, CProjectBool, IsViewpoint, true, 1)                 \
    F(VALUE, CProjectString, MarkersString, {}, 1)               \
    F(VALUE, CProjectString, Description, {}, 1)                 \
    F(VALUE, CProjectString, URL, {}, 1)                         \
    F(VALUE, CCuttingPlaneIDArray, CuttingPlaneIDs, {}, 1)       \
    F(VALUE, CFilterIDArray, FilterIDs, {}, 1)                   \
    F(VALUE, CProjectInt, FilterOperation, 0, 1)

class IPosition : public CRecord<IPosition> {
    KELVARA_INTERFACE(Position)
    KELVARA_RECORD(IPosition, "Position", KELVARA_FIELDS_Position)

public:
    // Defaults: a fresh identifier, the given name, no focus time, the default camera, restoring
    // the camera but not the time, no markers, description or URL, no cutting planes or filters,
    // filter operation 0.
    using CRecord<IPosition>::initialize;
    void initialize(const CString& name);
};

