// The stored per-vertex data block of a mesh, shell or tube (see IGraphicalVertexParameters).
// Material lists are held by pointer and exist only while they hold something.
#pragma once

#include <memory>

#include "kelvara/base/IGraphicalVertexParameters.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CGraphicalMaterial.h"
#include "kelvara/model3d/CGraphicalMaterialArray.h"

// A MANUAL field held by value: the member and the two accessors the field list reads it through.
#define KELVARA_GEOMETRY_MEMBER(T, Name)                                 \
private:                                                                 \
    T m_##Name;                                                          \
                                                                         \
public:                                                                  \
    const T& get##Name() const override { return m_##Name; }             \
                                                                         \
private:                                                                 \
    T& getWritable##Name() override { return m_##Name; }                 \
                                                                         \
public:

class CGraphicalVertexParameters : public IGraphicalVertexParameters {
    KELVARA_OBJECT(GraphicalVertexParameters)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_GraphicalVertexParameters)
    KELVARA_GEOMETRY_MEMBER(CGeometryFloatBuffer, ParameterBuffer)
    KELVARA_GEOMETRY_MEMBER(CGeometryFloatBuffer, VertexNormalBuffer)
    KELVARA_GEOMETRY_MEMBER(CGeometryFloatBuffer, FaceNormalBuffer)
    KELVARA_GEOMETRY_MEMBER(CGeometryIntBuffer, FaceMaterialIndexBuffer)
    KELVARA_GEOMETRY_MEMBER(CGeometryIntBuffer, VertexMaterialIndexBuffer)

public:
    ~CGraphicalVertexParameters() override = default;

    const IGraphicalMaterialArray& getFaceMaterials() const override {
        return m_faceMaterials ? *m_faceMaterials : getZeroMaterialArray();
    }
    const IGraphicalMaterialArray& getVertexMaterials() const override {
        return m_vertexMaterials ? *m_vertexMaterials : getZeroMaterialArray();
    }
    IGraphicalMaterialArray& getWritableFaceMaterials() override {
        if (!m_faceMaterials) m_faceMaterials = std::make_unique<CGraphicalMaterialArray>();
        return *m_faceMaterials;
    }
    IGraphicalMaterialArray& getWritableVertexMaterials() override {
        if (!m_vertexMaterials) m_vertexMaterials = std::make_unique<CGraphicalMaterialArray>();
        return *m_vertexMaterials;
    }
    void clearFaceMaterials() override { m_faceMaterials.reset(); }
    void clearVertexMaterials() override { m_vertexMaterials.reset(); }
    // Whether a list is allocated (tests of the lists' lifetime).
    bool holdsFaceMaterialList() const noexcept { return m_faceMaterials != nullptr; }
    bool holdsVertexMaterialList() const noexcept { return m_vertexMaterials != nullptr; }

private:
    std::unique_ptr<CGraphicalMaterialArray> m_faceMaterials;
    std::unique_ptr<CGraphicalMaterialArray> m_vertexMaterials;
};

KELVARA_OBJECT_FAMILY(GraphicalVertexParameters)

// The class a material list is copied as when only its interface is at hand.
template <>
struct kelvara::ConcreteOf<IGraphicalMaterialArray> {
    using type = CGraphicalMaterialArray;
};
