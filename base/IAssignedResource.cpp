#include "kelvara/base/IAssignedResource.h"

void IAssignedResource::Serialize(CKelvaraArchive& ar) {
    if (ar.fileVersion() >= kPlacementTransformVersion) {
        CRecord::Serialize(ar);
        return;
    }
    // The older layout: the fields that version held (no identifier, no placement transform), then
    // the per-entity transforms and the identifier.
    ar.checkMarkerStart(kRecordName);
    forEachField(kelvara::SerializeFields<IAssignedResource>{*this, ar});
    SerializeDummyTransforms(ar);
    ar.checkMarkerEnd(kRecordName);
}
