// Per-vertex and per-face data of a mesh, shell or tube: free parameters, vertex and face
// normals, one material for the whole geometry, and per-face or per-vertex materials with, for
// each face or vertex, the index of its material. Material lists exist only while they hold
// something: an absent list reads as the shared empty list, copies, loads and Optimise release a
// list they leave empty, and absent and empty compare equal.
#pragma once

#include <vector>

#include "kelvara/base/GeometryValues.h"
#include "kelvara/base/IGraphicalMaterial.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_GraphicalVertexParameters(F)                                                              \
    F(PLAIN, CProjectInt, NumberOfVertices, CProjectInt(0), 1)                                                   \
    F(PLAIN, CProjectInt, NumberOfParametersPerVertex, CProjectInt(0), 1)                                        \
    F(MANUAL, CGeometryFloatBuffer, ParameterBuffer, {}, 1)                                                      \
    F(MANUAL, CGeometryFloatBuffer, VertexNormalBuffer, {}, 1)                                                   \
    F(MANUAL, CGeometryFloatBuffer, FaceNormalBuffer, {}, 1)                                                     \
    F(OPTIONAL, GraphicalMaterial, GeometryMaterial, {}, 1)                                                      \
    F(MANUAL, const IGraphicalMaterialArray&, FaceMaterials, IGraphicalVertexParameters::getZeroMaterialArray(), 1) \
    F(MANUAL, CGeometryIntBuffer, FaceMaterialIndexBuffer, {}, 1)                                                \
    F(MANUAL, const IGraphicalMaterialArray&, VertexMaterials, IGraphicalVertexParameters::getZeroMaterialArray(), 1) \
    F(MANUAL, CGeometryIntBuffer, VertexMaterialIndexBuffer, {}, 1)

namespace kelvara {
// Sets in target every colour and number the source's colour-definition text holds (the source's
// value wins); target's other entries and its texture identifiers stay. False when the source
// held nothing to merge.
bool mergeColorDefinition(IGraphicalMaterial& target, const IGraphicalMaterial& source);
}  // namespace kelvara

class IGraphicalVertexParameters : public CRecord<IGraphicalVertexParameters> {
    KELVARA_INTERFACE(GraphicalVertexParameters)
    KELVARA_RECORD(IGraphicalVertexParameters, "GraphicalVertexParameters", KELVARA_FIELDS_GraphicalVertexParameters)

public:
    // The one empty list absent material lists read as.
    static const IGraphicalMaterialArray& getZeroMaterialArray();
    // A scratch material shared by the whole program (not thread-safe to write); clearDummyMaterial
    // puts it back to an empty material.
    static IGraphicalMaterial& getDummyMaterial();
    static void clearDummyMaterial();

    // ---- free parameters: NumberOfVertices x NumberOfParametersPerVertex floats ----
    virtual const CGeometryFloatBuffer& getParameterBuffer() const = 0;
    const float* getParameters() const { return getParameterBuffer().data(); }
    int getParameterCount() const { return getParameterBuffer().size(); }
    void allocateParameters(int n) { getWritableParameterBuffer().allocate(n); }  // n floats, zeroed
    // Copies vertices x parameters-per-vertex floats; nothing for a null source or a product below 1.
    void setParameters(const float* values);
    void clearParameters() { getWritableParameterBuffer().reset(); }

    // ---- normals: a size change reallocates (zero-filled on request); an equal size only zero-fills
    // on request. A negative size is no buffer at all. ----
    virtual const CGeometryFloatBuffer& getVertexNormalBuffer() const = 0;
    virtual const CGeometryFloatBuffer& getFaceNormalBuffer() const = 0;
    void setVertexNormalsBufferSize(int n, bool zero) { resizeNormals(getWritableVertexNormalBuffer(), n, zero); }
    void setFaceNormalsBufferSize(int n, bool zero) { resizeNormals(getWritableFaceNormalBuffer(), n, zero); }
    int getVertexNormalsBufferSize() const { return getVertexNormalBuffer().size(); }
    int getFaceNormalsBufferSize() const { return getFaceNormalBuffer().size(); }
    const float* getVertexNormals() const { return getVertexNormalBuffer().data(); }
    const float* getFaceNormals() const { return getFaceNormalBuffer().data(); }
    float* getWritableVertexNormals() { return getWritableVertexNormalBuffer().data(); }
    float* getWritableFaceNormals() { return getWritableFaceNormalBuffer().data(); }
    // Overwrites the present buffer's values (its size stays); a null source changes nothing.
    void setVertexNormals(const float* values) { overwrite(getWritableVertexNormalBuffer(), values); }
    void setFaceNormals(const float* values) { overwrite(getWritableFaceNormalBuffer(), values); }
    // n values copied in (n < 1 or null: no buffer).
    void setVertexNormals(int n, const float* values) { getWritableVertexNormalBuffer().assign(n, values); }
    void setFaceNormals(int n, const float* values) { getWritableFaceNormalBuffer().assign(n, values); }

    // ---- materials ----
    bool hasGeometryMaterial() const { return !getGeometryMaterial().isNull(); }

    // The lists, or the shared empty list while absent.
    virtual const IGraphicalMaterialArray& getFaceMaterials() const = 0;
    virtual const IGraphicalMaterialArray& getVertexMaterials() const = 0;
    // The lists for writing, created when absent (a list still empty after the writes is released
    // by the next copy, load or Optimise, or by clear...).
    virtual IGraphicalMaterialArray& getWritableFaceMaterials() = 0;
    virtual IGraphicalMaterialArray& getWritableVertexMaterials() = 0;
    virtual void clearFaceMaterials() = 0;
    virtual void clearVertexMaterials() = 0;
    bool hasFaceMaterials() const { return getFaceMaterials().GetSize() > 0; }
    bool hasVertexMaterials() const { return getVertexMaterials().GetSize() > 0; }

    virtual const CGeometryIntBuffer& getFaceMaterialIndexBuffer() const = 0;
    virtual const CGeometryIntBuffer& getVertexMaterialIndexBuffer() const = 0;
    const int* getFaceMaterialIndex() const { return getFaceMaterialIndexBuffer().data(); }
    const int* getVertexMaterialIndex() const { return getVertexMaterialIndexBuffer().data(); }
    int* getWritableFaceMaterialIndex() { return getWritableFaceMaterialIndexBuffer().data(); }
    int* getWritableVertexMaterialIndex() { return getWritableVertexMaterialIndexBuffer().data(); }
    int getNumberOfFaceMaterialIndex() const { return getFaceMaterialIndexBuffer().size(); }
    int getNumberOfVertexMaterialIndex() const { return getVertexMaterialIndexBuffer().size(); }
    // n entries, all 0 (n < 1: none).
    void setNumberOfFaceMaterialIndex(int n) { getWritableFaceMaterialIndexBuffer().allocate(n); }
    void setNumberOfVertexMaterialIndex(int n) { getWritableVertexMaterialIndexBuffer().allocate(n); }
    void setFaceMaterialIndex(int n, const int* values) { getWritableFaceMaterialIndexBuffer().assign(n, values); }
    void setVertexMaterialIndex(int n, const int* values) { getWritableVertexMaterialIndexBuffer().assign(n, values); }

    // Merges equal face materials (and equal vertex materials) into one each and renumbers the
    // index entries that name a material; an entry naming none (negative, or not below the count)
    // is left as it is. A list left empty is released.
    void Optimise();
    // The distinct face materials the faces use, in order of first use: the materials the index
    // entries name (entries naming none are passed over), or every face material when no entry
    // names one. Answers their count.
    int getConsistentFaceMaterials(std::vector<const IGraphicalMaterial*>& materials) const;
    // When the faces use exactly one material: it becomes the geometry material (merged over a
    // present geometry material's colours), the face materials and the face index are removed,
    // and the answer is true. Otherwise nothing changes and the answer is false.
    bool compactConsistentFaceMaterialsIntoGeometry();

    // The record is the field list's; by hand only so that material lists copied, loaded or reset
    // empty do not stay allocated.
    static constexpr bool kRecordByHand = true;
    void copyRecord(const IGraphicalVertexParameters& other);
    bool equalRecord(const IGraphicalVertexParameters& other) const;
    void serializeRecord(CKelvaraArchive& ar);
    void initializeRecord();
    void generateRecordIDs() {}

protected:
    void releaseEmptyMaterialLists();

private:
    static void resizeNormals(CGeometryFloatBuffer& buffer, int n, bool zero);
    static void overwrite(CGeometryFloatBuffer& buffer, const float* values);

    virtual CGeometryFloatBuffer& getWritableParameterBuffer() = 0;
    virtual CGeometryFloatBuffer& getWritableVertexNormalBuffer() = 0;
    virtual CGeometryFloatBuffer& getWritableFaceNormalBuffer() = 0;
    virtual CGeometryIntBuffer& getWritableFaceMaterialIndexBuffer() = 0;
    virtual CGeometryIntBuffer& getWritableVertexMaterialIndexBuffer() = 0;
};
