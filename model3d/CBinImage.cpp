#include "kelvara/model3d/CBinImage.h"


KELVARA_DEFINE_KIND(BinImage)
