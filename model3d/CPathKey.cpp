#include "kelvara/model3d/CPathKey.h"

KELVARA_DEFINE_KIND(PathKey)
