// A light-emitting 3D entity: which entity glows, how strongly in each colour channel, and the
// radius of the sphere the light is emitted from.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/Record.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(PhysicalLight)

namespace kelvara {
struct LightRadiusTag {};
}  // namespace kelvara

using CLightRadius = CProjectValue<float, kelvara::LightRadiusTag>;

#define KELVARA_PHYSICALLIGHT_FIELDS(F)     \
    F(IDENTITY, CPhysicalLightID, ID)       \
    F(VALUE, CEntity3DID, EntityID)         \
    F(VALUE, CGraphicalPoint3D, Intensity)  \
    F(PLAIN, CLightRadius, SphereRadius)

class IPhysicalLight : public CRecord<IPhysicalLight> {
    KELVARA_INTERFACE(PhysicalLight)
    KELVARA_RECORD(IPhysicalLight, "PhysicalLight", KELVARA_PHYSICALLIGHT_FIELDS)
    KELVARA_PLAIN_ACCESSORS(float, SphereRadius)

public:
    // Defaults: no identifier and no entity, intensity 1 in every channel, a point light (radius 0).
    void initialize();
};

KELVARA_INTERFACE_ARRAY(PhysicalLight, CPhysicalLightID, false)
