#include "kelvara/model3d/CPhysicalLight.h"

KELVARA_DEFINE_KIND(PhysicalLight)
