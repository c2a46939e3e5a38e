// A light-emitting 3D entity: which entity glows, how strongly in each colour channel, and the
// radius of the sphere the light is emitted from.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/Record.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


namespace kelvara {
struct LightRadiusTag {};
}  // namespace kelvara

using CLightRadius = CProjectValue<float, kelvara::LightRadiusTag>;

#define KELVARA_FIELDS_PhysicalLight(F) \
    F(IDENTITY, CPhysicalLightID, ID, {}, 1)                                   \
    F(VALUE, CEntity3DID, EntityID, {}, 1)                                     \
    F(VALUE, CGraphicalPoint3D, Intensity, (CGraphicalPoint3D(1.0f, 1.0f, 1.0f)), 1) \
    F(PLAIN, CLightRadius, SphereRadius, 0.0f, 1)

class IPhysicalLight : public CRecord<IPhysicalLight> {
    KELVARA_INTERFACE(PhysicalLight)
    KELVARA_RECORD(IPhysicalLight, "PhysicalLight", KELVARA_FIELDS_PhysicalLight)

public:
};

