#include "kelvara/base/I3DNotation.h"

void I3DNotation::initialize() {
    setID(C3DNotationID());
    setName(CProjectString());
    setText(CProjectString());
    setType(C3DNotationType(C3DNotationType::Label));
    setTargetPoint(CGraphicalPoint3D());
    setScreenPoint(CGraphicalPoint2D());
    setMinDistanceControl(false);
    setMinDistanceValue(0.0);
    setMinDistanceUnit(CDistanceUnitWithProjectUnit(CDistanceUnitWithProjectUnit::ProjectUnit));
    setMaxDistanceControl(false);
    setMaxDistanceValue(100.0);
    setMaxDistanceUnit(CDistanceUnitWithProjectUnit(CDistanceUnitWithProjectUnit::ProjectUnit));
    setBackgroundDrawing(true);
    setThickBorderDrawing(false);
    setBackgroundColor(CProjectColorRGB(1.0f, 1.0f, 1.0f));
    setBorderColor(CProjectColorRGB(0.0f, 0.0f, 0.0f));
    setTextColor(CProjectColorRGB(0.0f, 0.0f, 0.0f));
}
