#include "kelvara/model3d/CGraphicalImage.h"

KELVARA_DEFINE_KIND(GraphicalImage)
