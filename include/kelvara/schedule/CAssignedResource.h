// The stored resource assignment (see IAssignedResource). The placement transform exists only once
// allocated (allocateTransform, or setTransform, which allocates it when absent).
#pragma once

#include "kelvara/base/IAssignedResource.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CGraphicalTransform.h"

class CAssignedResource : public IAssignedResource {
    KELVARA_OBJECT(AssignedResource)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_AssignedResource)

public:
    explicit CAssignedResource(const CResourceID& resource) { initialize(resource); }
    ~CAssignedResource() override = default;

protected:
    void SerializeDummyTransforms(CKelvaraArchive& ar) override;
    [[nodiscard]] IRSHistory* getNewWritableStatuses() const override;
};

KELVARA_KIND_FAMILY(AssignedResource)
