// The stored slice-box index of a subdivision part (see ISubPartIndex); a new one is (0, 0, 0).
#pragma once

#include "kelvara/base/ISubdivisionByUniformSlices.h"
#include "kelvara/framework/Family.h"

class CSubPartIndex : public ISubPartIndex {
    KELVARA_OBJECT(SubPartIndex)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_SubPartIndex)

public:
    CSubPartIndex(int x, int y, int z) : CSubPartIndex() {
        setXIndex(x);
        setYIndex(y);
        setZIndex(z);
    }
    ~CSubPartIndex() override = default;
};

KELVARA_OBJECT_FAMILY(SubPartIndex)
