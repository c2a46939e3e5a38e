#include "kelvara/base/CAssignmentSchemaChangeData.h"

void CAssignmentSchemaChangeData::addTransform(const CAssignedResourceID& assignment, const CEntity3DID& entity,
                                               float* matrix) {
    if (!matrix) return;
    std::unique_ptr<float[]> owned(matrix);
    m_map[assignment].push_back(EntityIDWithMatrix{entity, std::move(owned)});
}
