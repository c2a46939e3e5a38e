#include "kelvara/base/ICubeMap.h"

void ICubeMap::Clear() {
    setFrontImageID(CGraphicalImageID());
    setBackImageID(CGraphicalImageID());
    setLeftImageID(CGraphicalImageID());
    setRightImageID(CGraphicalImageID());
    setTopImageID(CGraphicalImageID());
    setBottomImageID(CGraphicalImageID());
}
