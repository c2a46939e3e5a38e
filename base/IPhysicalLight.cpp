#include "kelvara/base/IPhysicalLight.h"

void IPhysicalLight::initialize() {
    setID(CPhysicalLightID());
    setEntityID(CEntity3DID());
    setIntensity(CGraphicalPoint3D(1.0f, 1.0f, 1.0f));
    setSphereRadius(0.0f);
}
