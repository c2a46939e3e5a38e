// The stored cube map (see ICubeMap); a new one is cleared.
#pragma once

#include "kelvara/base/ICubeMap.h"
#include "kelvara/framework/Family.h"

class CCubeMap : public ICubeMap {
    KELVARA_OBJECT(CubeMap)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_CubeMap)

public:
    ~CCubeMap() override = default;
};

KELVARA_OBJECT_FAMILY(CubeMap)
