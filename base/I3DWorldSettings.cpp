#include "kelvara/base/I3DWorldSettings.h"

#include <cmath>

CGraphicalVector3D I3DWorldSettings::normalisedLightVector() {
    CGraphicalVector3D light(-1.0f, -1.0f, -2.0f);
    light.normalize();
    return light;
}

double I3DWorldSettings::convertWorldDistanceTo3DUnits(double distance, const CDistanceUnitType& unit) const {
    const double from = metersPerDistanceUnit(unit.getCurrentValue());
    const double to = metersPerDistanceUnit(get3DUnitType().getCurrentValue());
    if (from <= 0.0 || to <= 0.0) return distance;
    const CProjectDouble& size = get3DUnitSize();
    // A missing or senseless size would turn every distance into infinity or a sign flip.
    const double unitSize =
        (size.isValid() && std::isfinite(size.getValue()) && size.getValue() > 0.0) ? size.getValue() : 1.0;
    return distance * from / (to * unitSize);
}
