// The stored per-entity transform of older assignment records (see IAssignedResourceTransform).
// A new one names no entity and holds the identity.
#pragma once

#include "kelvara/base/IAssignedResourceTransform.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CGraphicalTransform.h"

class CAssignedResourceTransform : public IAssignedResourceTransform {
    KELVARA_OBJECT(AssignedResourceTransform)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_AssignedResourceTransform)

public:
    CAssignedResourceTransform(const CEntity3DID& entity, const CGraphicalTransform& transform);
    ~CAssignedResourceTransform() override = default;
};

KELVARA_KIND_FAMILY(AssignedResourceTransform)
