// The stored resource group assignment (see IAssignedResourceGroup).
#pragma once

#include "kelvara/base/IAssignedResourceGroup.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CGraphicalTransform.h"

class CAssignedResourceGroup : public IAssignedResourceGroup {
    KELVARA_OBJECT(AssignedResourceGroup)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_AssignedResourceGroup)

public:
    ~CAssignedResourceGroup() override = default;
};

KELVARA_KIND_FAMILY(AssignedResourceGroup)
