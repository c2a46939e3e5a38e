#include "kelvara/model3d/CViewpointCuttingPlane.h"
