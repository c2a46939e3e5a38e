// A resource assigned to a task: which resource, under which cost rule, how it is used (its
// parameters) and what its 3D objects do while the task runs (IAssignmentBehaviour). A new
// assignment has a fresh identifier, no resource and no placement transform.
//
// Record "AssignedResource" from file version IAssignmentBehaviour::kPlacementTransformVersion
// (120) on: the fields in list order. Before it the record held no identifier and no placement
// transform in their places; after the other fields came the per-entity transforms (an object
// array of CAssignedResourceTransform records) and then the assignment's identifier. Loading such
// a record hands each (entity, matrix) pair to the archive's CAssignmentSchemaChangeData under the
// assignment's identifier (SerializeDummyTransforms) for a later conversion; storing at such a
// version writes an empty transform list and the identifier.
#pragma once

#include "kelvara/base/CAssignedResourceParameters.h"
#include "kelvara/base/IAssignmentBehaviour.h"

class IRSHistory;

#define KELVARA_FIELDS_AssignedResource(F)                                                                 \
    F(IDENTITY, CAssignedResourceID, ID, CAssignedResourceID::generated(),                                \
      IAssignmentBehaviour::kPlacementTransformVersion)                                                    \
    F(VALUE, CResourceID, ResourceID, {}, 1)                                                               \
    F(VALUE, CRuleID, RuleID, {}, 1)                                                                       \
    KELVARA_FIELDS_AssignmentBehaviour(F)                                                                  \
    F(VALUE, CAssignedResourceParameters, Parameters, {}, 1)

class IAssignedResource : public CRecord<IAssignedResource>, public IAssignmentBehaviour {
    KELVARA_INTERFACE(AssignedResource)
    KELVARA_RECORD(IAssignedResource, "AssignedResource", KELVARA_FIELDS_AssignedResource)

public:
    using CRecord::initialize;
    // The defaults, then the assigned resource.
    void initialize(const CResourceID& resource) {
        initialize();
        setResourceID(resource);
    }

    // The record, in the layout of the archive's file version (see the class comment).
    void Serialize(CKelvaraArchive& ar);

protected:
    // The tail of a record older than kPlacementTransformVersion: loading reads the per-entity
    // transforms and the identifier and hands the transforms over to the archive's change data;
    // storing writes an empty transform list and the identifier.
    virtual void SerializeDummyTransforms(CKelvaraArchive& ar) = 0;
    // A new empty resource-state history, owned by the caller.
    [[nodiscard]] virtual IRSHistory* getNewWritableStatuses() const = 0;
};
