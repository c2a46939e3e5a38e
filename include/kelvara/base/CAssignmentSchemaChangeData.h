// What the loading of older files collects about assignments for a later conversion: files that
// stored placement transforms per 3D entity inside an assignment hand each (entity, matrix) pair
// over here, keyed by the assignment. The loading archive owns one such collection
// (CKelvaraArchive::getAssignmentSchemaChangeData); it lives as long as the archive.
//
// Each matrix is a block of 16 floats (64 bytes, row by row as a placement transform stores them)
// that the collection takes over from addTransform and releases when it is destroyed.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "kelvara/base/Identifiers.h"

class CAssignmentSchemaChangeData {
public:
    static constexpr int kMatrixEntries = 16;

    struct EntityIDWithMatrix {
        CEntity3DID entity;
        std::unique_ptr<float[]> matrix;  // kMatrixEntries floats
    };
    using Map = std::map<CAssignedResourceID, std::vector<EntityIDWithMatrix>>;

    // Appends one entry to the assignment's list. matrix must come from new float[kMatrixEntries];
    // the collection owns it from now on. A null matrix adds nothing.
    void addTransform(const CAssignedResourceID& assignment, const CEntity3DID& entity, float* matrix);
    const Map& getMap() const noexcept { return m_map; }
    bool empty() const noexcept { return m_map.empty(); }

private:
    Map m_map;
};
