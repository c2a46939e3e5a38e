// The scale and lighting of the 3D world: how long one 3D unit is, where the ground lies, the
// virtual origin of imported models, and the global light.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/SceneEnumerations.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_3DWorldSettings(F) \
    F(IDENTITY, C3DWorldSettingsID, ID, {}, 1)                                              \
    F(VALUE, CProjectDouble, 3DUnitSize, 1.0, 1)                                            \
    F(VALUE, CDistanceUnitType, 3DUnitType, CDistanceUnitType::Meters, 1)                   \
    F(VALUE, CProjectDouble, HeightOfGround, 0.0, 1)                                        \
    F(VALUE, CDistanceUnitType, HeightOfGroundUnits, CDistanceUnitType::Meters, 1)          \
    F(VALUE, CGraphicalVector3D, VirtualOrigin, (CGraphicalVector3D(0.0f, 0.0f, 0.0f)), 1)  \
    F(VALUE, CProjectDouble, GlobalLightScale, 1.0, 1)                                      \
    F(VALUE, CGraphicalVector3D, GlobalLightVector, normalisedLightVector(), 1)

class I3DWorldSettings : public CRecord<I3DWorldSettings> {
    KELVARA_INTERFACE(3DWorldSettings)
    KELVARA_RECORD(I3DWorldSettings, "3DWorldSettings", KELVARA_FIELDS_3DWorldSettings)

public:
    // Defaults: one 3D unit is one meter, the ground at height 0 m, the virtual origin at the
    // origin, light scale 1 and the light falling obliquely from above. The identifier is kept.
    void clear() {
        const C3DWorldSettingsID id = getID();
        initialize();
        setID(id);
    }
    // (-1, -1, -2) normalised: light from above, behind and to the left.
    static CGraphicalVector3D normalisedLightVector();

    // `distance` measured in `unit`, expressed in 3D units (3DUnitSize times 3DUnitType). A unit
    // size that is unset, not finite or not positive counts as 1; when either unit is not a known
    // length the distance is answered unchanged.
    double convertWorldDistanceTo3DUnits(double distance, const CDistanceUnitType& unit) const;
};

