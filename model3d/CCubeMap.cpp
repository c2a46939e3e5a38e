#include "kelvara/model3d/CCubeMap.h"
