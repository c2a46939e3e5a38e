// The stored binary image (see IBinImage). A new one has a fresh identifier, an unset path, width 0
// and no bytes.
#pragma once

#include "kelvara/base/IBinImage.h"
#include "kelvara/framework/Family.h"

class CBinImage : public IBinImage {
    KELVARA_OBJECT(BinImage)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_BinImage)

public:
    ~CBinImage() override = default;
};

KELVARA_ROOT_FAMILY(BinImage)
