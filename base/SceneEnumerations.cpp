#include "kelvara/base/SceneEnumerations.h"

double metersPerDistanceUnit(int unitValue) noexcept {
    switch (unitValue) {
        case CDistanceUnitType::Millimeters: return 0.001;
        case CDistanceUnitType::Centimeters: return 0.01;
        case CDistanceUnitType::Meters: return 1.0;
        case CDistanceUnitType::Kilometers: return 1000.0;
        case CDistanceUnitType::Inches: return 0.0254;
        case CDistanceUnitType::Feet: return 0.3048;
        case CDistanceUnitType::Yards: return 0.9144;
        case CDistanceUnitType::Miles: return 1609.344;
        default: return 0.0;
    }
}
