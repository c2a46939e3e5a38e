#include "kelvara/schedule/CAssignedResourceTransform.h"

KELVARA_DEFINE_KIND(AssignedResourceTransform)

CAssignedResourceTransform::CAssignedResourceTransform(const CEntity3DID& entity, const CGraphicalTransform& transform) {
    initialize();
    setID(entity);
    setTransform(transform);
}
