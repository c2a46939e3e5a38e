// A placement transform for one 3D entity, as older files stored them inside a resource
// assignment. It survives only in the reading of such files (see IAssignedResource); its key in a
// list is the entity's identifier, a reference that renewing identifiers leaves alone.
#pragma once

#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_AssignedResourceTransform(F) \
    F(VALUE, CEntity3DID, ID, {}, 1)                \
    F(EMBEDDED, GraphicalTransform, Transform, {}, 1)

class IAssignedResourceTransform : public CRecord<IAssignedResourceTransform> {
    KELVARA_INTERFACE(AssignedResourceTransform)
    KELVARA_RECORD(IAssignedResourceTransform, "AssignedResourceTransform", KELVARA_FIELDS_AssignedResourceTransform)
};
