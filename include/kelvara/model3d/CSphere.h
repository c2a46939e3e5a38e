// The stored Sphere primitive; every primitive class is declared in CGeometricPrimitives.h.
#pragma once

#include "kelvara/model3d/CGeometricPrimitives.h"
