// The scale and lighting of the 3D world: how long one 3D unit is, where the ground lies, the
// virtual origin of imported models, and the global light.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/SceneEnumerations.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(3DWorldSettings)

#define KELVARA_3DWORLDSETTINGS_FIELDS(F)              \
    F(IDENTITY, C3DWorldSettingsID, ID)                \
    F(VALUE, CProjectDouble, 3DUnitSize)               \
    F(VALUE, CDistanceUnitType, 3DUnitType)            \
    F(VALUE, CProjectDouble, HeightOfGround)           \
    F(VALUE, CDistanceUnitType, HeightOfGroundUnits)   \
    F(VALUE, CGraphicalVector3D, VirtualOrigin)        \
    F(VALUE, CProjectDouble, GlobalLightScale)         \
    F(VALUE, CGraphicalVector3D, GlobalLightVector)

class I3DWorldSettings : public CRecord<I3DWorldSettings> {
    KELVARA_INTERFACE(3DWorldSettings)
    KELVARA_RECORD(I3DWorldSettings, "3DWorldSettings", KELVARA_3DWORLDSETTINGS_FIELDS)

public:
    // Defaults: one 3D unit is one meter, the ground at height 0 m, the virtual origin at the
    // origin, light scale 1 and the light falling obliquely from above. The identifier is kept.
    void clear();

    // `distance` measured in `unit`, expressed in 3D units (3DUnitSize times 3DUnitType). A unit
    // size that is unset, not finite or not positive counts as 1; when either unit is not a known
    // length the distance is answered unchanged.
    double convertWorldDistanceTo3DUnits(double distance, const CDistanceUnitType& unit) const;
};

KELVARA_INTERFACE_FAMILY(3DWorldSettings)
