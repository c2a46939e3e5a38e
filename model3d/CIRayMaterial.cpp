#include "kelvara/model3d/CIRayMaterial.h"
