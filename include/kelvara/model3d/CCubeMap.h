// The stored cube map (see ICubeMap); a new one is cleared.
#pragma once

#include "kelvara/base/ICubeMap.h"

class CCubeMap : public ICubeMap {
    KELVARA_OBJECT(CubeMap)
    KELVARA_RECORD_MEMBERS(KELVARA_CUBEMAP_FIELDS)

public:
    CCubeMap() { Clear(); }
    ~CCubeMap() override = default;
};

KELVARA_OBJECT_FAMILY(CubeMap)
