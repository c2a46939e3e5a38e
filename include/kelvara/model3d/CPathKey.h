// The stored path key (see IPathKey). A new one has a fresh identifier, no tick and the identity
// placement (no translation, no rotation, centre at the origin).
#pragma once

#include "kelvara/base/IPathKey.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CKelvaraKeyFrame.h"

class CPathKey : public IPathKey {
    KELVARA_OBJECT(PathKey)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_PathKey)
    KELVARA_KEY_FRAME_MEMBERS()

public:
    ~CPathKey() override = default;
};

KELVARA_KIND_FAMILY(PathKey)
