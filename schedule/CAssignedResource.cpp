#include "kelvara/schedule/CAssignedResource.h"

#include <algorithm>

#include "kelvara/base/CAssignmentSchemaChangeData.h"
#include "kelvara/model3d/CRSHistory.h"
#include "kelvara/schedule/CAssignedResourceTransform.h"

KELVARA_DEFINE_KIND(AssignedResource)

void CAssignedResource::SerializeDummyTransforms(CKelvaraArchive& ar) {
    CAssignedResourceTransformArray transforms;
    transforms.Serialize(ar);  // storing: always empty, the current layout keeps no such list
    getWritableID().Serialize(ar);
    if (ar.IsStoring()) return;
    CAssignmentSchemaChangeData& changes = ar.getAssignmentSchemaChangeData();
    for (int i = transforms.GetUpperBound(); i >= 0; --i) {
        const CAssignedResourceTransform& entry = transforms.getConstReference(i);
        auto block = std::make_unique<float[]>(CAssignmentSchemaChangeData::kMatrixEntries);
        std::copy_n((*entry.getTransform()).getMatrix(), CAssignmentSchemaChangeData::kMatrixEntries, block.get());
        changes.addTransform(getID(), entry.getID(), block.release());
    }
}

IRSHistory* CAssignedResource::getNewWritableStatuses() const { return new CRSHistory(); }
