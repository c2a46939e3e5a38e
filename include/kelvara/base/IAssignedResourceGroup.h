// A resource group assigned to a task: which group, what its 3D objects do while the task runs
// (IAssignmentBehaviour), and one parameter record per member resource, keyed by resource. A new
// group assignment has a fresh identifier, no group and no placement transform.
#pragma once

#include "kelvara/base/CAssignedResourceParameters.h"
#include "kelvara/base/IAssignmentBehaviour.h"

#define KELVARA_FIELDS_AssignedResourceGroup(F)                                     \
    F(IDENTITY, CAssignedResourceGroupID, ID, CAssignedResourceGroupID::generated(), 1) \
    F(VALUE, CResourceGroupID, GroupID, {}, 1)                                      \
    KELVARA_FIELDS_AssignmentBehaviour(F)                                           \
    F(VALUE, CAssignedResourceParametersArray, Parameters, {}, 1)

class IAssignedResourceGroup : public CRecord<IAssignedResourceGroup>, public IAssignmentBehaviour {
    KELVARA_INTERFACE(AssignedResourceGroup)
    KELVARA_RECORD(IAssignedResourceGroup, "AssignedResourceGroup", KELVARA_FIELDS_AssignedResourceGroup)
};
