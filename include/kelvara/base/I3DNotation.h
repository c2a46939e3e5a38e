// A label placed in the 3D scene: text tied to a target point and drawn at a screen point, shown
// only between optional minimum and maximum viewing distances, with its own colours and frame.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/SceneEnumerations.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(3DNotation)

#define KELVARA_3DNOTATION_FIELDS(F)                        \
    F(IDENTITY, C3DNotationID, ID)                          \
    F(VALUE, CProjectString, Name)                          \
    F(VALUE, CProjectString, Text)                          \
    F(VALUE, C3DNotationType, Type)                         \
    F(VALUE, CGraphicalPoint3D, TargetPoint)                \
    F(VALUE, CGraphicalPoint2D, ScreenPoint)                \
    F(VALUE, CProjectBool, MinDistanceControl)              \
    F(VALUE, CProjectDouble, MinDistanceValue)              \
    F(VALUE, CDistanceUnitWithProjectUnit, MinDistanceUnit) \
    F(VALUE, CProjectBool, MaxDistanceControl)              \
    F(VALUE, CProjectDouble, MaxDistanceValue)              \
    F(VALUE, CDistanceUnitWithProjectUnit, MaxDistanceUnit) \
    F(VALUE, CProjectBool, BackgroundDrawing)               \
    F(VALUE, CProjectBool, ThickBorderDrawing)              \
    F(VALUE, CProjectColorRGB, BackgroundColor)             \
    F(VALUE, CProjectColorRGB, BorderColor)                 \
    F(VALUE, CProjectColorRGB, TextColor)

class I3DNotation : public CRecord<I3DNotation> {
    KELVARA_INTERFACE(3DNotation)
    KELVARA_RECORD(I3DNotation, "3DNotation", KELVARA_3DNOTATION_FIELDS)

public:
    // Defaults: no identifier, name or text; a label at the origin; no distance limits (0 and
    // 100 in the project's unit when switched on); black text on a white background with a thin
    // black border.
    void initialize();
};

KELVARA_INTERFACE_ARRAY(3DNotation, C3DNotationID, false)
