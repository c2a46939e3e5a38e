#include "kelvara/model3d/CSpatialUseProfile.h"

KELVARA_DEFINE_KIND(SpatialUseProfile)
