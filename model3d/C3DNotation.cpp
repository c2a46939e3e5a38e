#include "kelvara/model3d/C3DNotation.h"

KELVARA_DEFINE_KIND(3DNotation)
