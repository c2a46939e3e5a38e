#include "kelvara/model3d/CBinImage.h"

#include "kelvara/platform/Guid.h"

CBinImage::CBinImage() {
    _GUID guid;
    if (CoCreateGuid(&guid) == 0) setID(CBinImageID(guid));
}

KELVARA_DEFINE_KIND(BinImage, CBinImageID, false)
