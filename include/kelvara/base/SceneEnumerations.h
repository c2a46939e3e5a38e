// Enumerations of the 3D scene: distance units, camera projections and 3D label kinds.
#pragma once

#include "kelvara/base/CKelvaraEnumeration.h"

// Length units of world distances. Value 0 is no unit (a default-constructed value); every other
// value has a fixed length in meters (see metersPerDistanceUnit).
#define KELVARA_DISTANCE_UNITS                                                              \
    (Millimeters, 1, "Millimeters"), (Centimeters, 2, "Centimeters"), (Meters, 3, "Meters"), \
        (Kilometers, 4, "Kilometers"), (Inches, 5, "Inches"), (Feet, 6, "Feet"),             \
        (Yards, 7, "Yards"), (Miles, 8, "Miles")
KELVARA_ENUMERATION(CDistanceUnitType, KELVARA_DISTANCE_UNITS)

// The units of CDistanceUnitType under the same values, and 0 for "whatever the project uses".
KELVARA_ENUMERATION(CDistanceUnitWithProjectUnit, (ProjectUnit, 0, "Project Unit"), KELVARA_DISTANCE_UNITS)

KELVARA_ENUMERATION(CCameraProjectionMode,
                    (Orthographic, 0, "Orthographic"),
                    (Perspective, 1, "Perspective"))

KELVARA_ENUMERATION(C3DNotationType,
                    (Label, 0, "Label"),
                    (Callout, 1, "Callout"),
                    (Marker, 2, "Marker"))

// The length of one unit in meters; 0 for a value that is not a unit.
double metersPerDistanceUnit(int unitValue) noexcept;
