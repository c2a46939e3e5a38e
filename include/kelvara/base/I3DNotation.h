// A label placed in the 3D scene: text tied to a target point and drawn at a screen point, shown
// only between optional minimum and maximum viewing distances, with its own colours and frame.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/SceneEnumerations.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_3DNotation(F) \
    F(IDENTITY, C3DNotationID, ID, {}, 1)                                                         \
    F(VALUE, CProjectString, Name, {}, 1)                                                         \
    F(VALUE, CProjectString, Text, {}, 1)                                                         \
    F(VALUE, C3DNotationType, Type, C3DNotationType::Label, 1)                                    \
    F(VALUE, CGraphicalPoint3D, TargetPoint, {}, 1)                                               \
    F(VALUE, CGraphicalPoint2D, ScreenPoint, {}, 1)                                               \
    F(VALUE, CProjectBool, MinDistanceControl, false, 1)                                          \
    F(VALUE, CProjectDouble, MinDistanceValue, 0.0, 1)                                            \
    F(VALUE, CDistanceUnitWithProjectUnit, MinDistanceUnit, CDistanceUnitWithProjectUnit::ProjectUnit, 1) \
    F(VALUE, CProjectBool, MaxDistanceControl, false, 1)                                          \
    F(VALUE, CProjectDouble, MaxDistanceValue, 100.0, 1)                                          \
    F(VALUE, CDistanceUnitWithProjectUnit, MaxDistanceUnit, CDistanceUnitWithProjectUnit::ProjectUnit, 1) \
    F(VALUE, CProjectBool, BackgroundDrawing, true, 1)                                            \
    F(VALUE, CProjectBool, ThickBorderDrawing, false, 1)                                          \
    F(VALUE, CProjectColorRGB, BackgroundColor, (CProjectColorRGB(1.0f, 1.0f, 1.0f)), 1)          \
    F(VALUE, CProjectColorRGB, BorderColor, (CProjectColorRGB(0.0f, 0.0f, 0.0f)), 1)              \
    F(VALUE, CProjectColorRGB, TextColor, (CProjectColorRGB(0.0f, 0.0f, 0.0f)), 1)

class I3DNotation : public CRecord<I3DNotation> {
    KELVARA_INTERFACE(3DNotation)
    KELVARA_RECORD(I3DNotation, "3DNotation", KELVARA_FIELDS_3DNotation)

public:
};

