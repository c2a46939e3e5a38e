// The primitives' own behaviour: defaults, buffers written from themselves, normals sizes,
// material renumbering and folding, a mesh colour moved to its entity, slice-box numbering and
// counts in a damaged file.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CGeometricPrimitives.h"
#include "kelvara/model3d/CSubPartIndex.h"
#include "kelvara/model3d/CSubdivisionByUniformSlices.h"
#include "kelvara/model3d/CTextProperties.h"
#include "kelvara/platform/Exceptions.h"

using namespace kelvara::test;

namespace {

CGraphicalMaterial material(const char* text) {
    CGraphicalMaterial m;
    m.setColorDefinition(text);
    return m;
}

std::vector<float> values(const float* p, int n) { return p ? std::vector<float>(p, p + n) : std::vector<float>(); }

}  // namespace

TEST(GeometricPrimitives, DefaultsAreTheDocumentedOnes) {
    const CSphere sphere;
    EXPECT_EQ(sphere.getRadius(), 1.0);
    EXPECT_TRUE(sphere.getAxisVector() == CGraphicalVector3D(0, 0, 10));
    EXPECT_TRUE(sphere.getOrthoVector() == CGraphicalVector3D(1, 0, 0));
    const CCylinder cylinder;
    EXPECT_TRUE(cylinder.getPoint1() == CGraphicalPoint3D(0, 0, 0));
    EXPECT_TRUE(cylinder.getPoint2() == CGraphicalPoint3D(0, 0, 1));
    EXPECT_EQ(cylinder.getRadius(), 1.0f);
    EXPECT_EQ(cylinder.getCapStyle().getCurrentValue(), 3);
    const CSubPartIndex part;
    EXPECT_EQ(part.getXIndex() + part.getYIndex() + part.getZIndex(), 0);
    // A null axis or ortho vector keeps the default.
    const CGraphicalVector3D ortho(0, 1, 0);
    const CSphere custom(CGraphicalPoint3D(1, 2, 3), 2.5, nullptr, &ortho);
    EXPECT_TRUE(custom.getAxisVector() == CGraphicalVector3D(0, 0, 10));
    EXPECT_TRUE(custom.getOrthoVector() == ortho);
    EXPECT_EQ(CCircle().estimateRequiredMemory(), 288u);
    EXPECT_EQ(cylinder.estimateRequiredMemory(), 576u);
    EXPECT_EQ(sphere.estimateRequiredMemory(), 6912u);
    EXPECT_EQ(CInclude().estimateRequiredMemory(), 0u);
}

TEST(GeometricPrimitives, ArraySettersMayReadFromTheirOwnBuffer) {
    const float knots[] = {0, 0, 0.5f, 1, 1};
    CNURBSCurve curve;
    curve.setKnots(5, knots);
    curve.setKnots(curve.getKnotCount() - 1, curve.getKnots() + 1);  // drop the first knot
    EXPECT_EQ(values(curve.getKnots(), curve.getKnotCount()), (std::vector<float>{0, 0.5f, 1, 1}));
    curve.setWeights(2, knots + 2);
    curve.setWeights(curve.getWeightCount(), curve.getWeights());
    EXPECT_EQ(values(curve.getWeights(), curve.getWeightCount()), (std::vector<float>{0.5f, 1}));

    CNURBSSurface surface;
    surface.setKnotsU(3, knots);
    surface.setKnotsV(surface.getKnotCountU(), surface.getKnotsU());
    surface.setKnotsU(2, surface.getKnotsU() + 1);
    EXPECT_EQ(values(surface.getKnotsU(), 2), (std::vector<float>{0, 0.5f}));
    EXPECT_EQ(values(surface.getKnotsV(), 3), (std::vector<float>{0, 0, 0.5f}));

    CPolyCylinder tube;
    tube.setRadii(3, knots + 2);
    tube.setRadii(2, tube.getRadii() + 1);
    EXPECT_EQ(values(tube.getRadii(), tube.getRadiusCount()), (std::vector<float>{1, 1}));

    const int faces[] = {3, 0, 1, 2, 3, 2, 1, 0};
    CShell shell;
    shell.setIndexArray(8, faces);
    shell.setIndexArray(4, shell.getVertexIndexArray() + 4);
    ASSERT_EQ(shell.getIndexArraySize(), 4);
    EXPECT_EQ(shell.getVertexIndexArray()[1], 2);

    // No count, or no values: no buffer at all.
    curve.setKnots(0, knots);
    EXPECT_EQ(curve.getKnotCount(), 0);
    EXPECT_EQ(curve.getKnots(), nullptr);
    curve.setKnots(3, nullptr);
    EXPECT_EQ(curve.getKnotCount(), 0);
    curve.allocateKnots(-4);
    EXPECT_EQ(curve.getKnotCount(), 0);
}

TEST(GeometricPrimitives, NormalBufferSizes) {
    CGraphicalVertexParameters vp;
    vp.setVertexNormalsBufferSize(6, true);
    ASSERT_EQ(vp.getVertexNormalsBufferSize(), 6);
    EXPECT_EQ(values(vp.getVertexNormals(), 6), std::vector<float>(6, 0.0f));
    const float normals[] = {0, 0, 1, 0, 1, 0};
    vp.setVertexNormals(normals);
    vp.setVertexNormalsBufferSize(6, false);  // same size, no zeroing: values stay
    EXPECT_EQ(values(vp.getVertexNormals(), 6), values(normals, 6));
    vp.setVertexNormalsBufferSize(6, true);  // same size, zeroing
    EXPECT_EQ(values(vp.getVertexNormals(), 6), std::vector<float>(6, 0.0f));

    // A negative size is no buffer and a size of 0, never a negative count a copy would trust.
    vp.setVertexNormalsBufferSize(-3, true);
    vp.setFaceNormalsBufferSize(-1, false);
    EXPECT_EQ(vp.getVertexNormalsBufferSize(), 0);
    EXPECT_EQ(vp.getVertexNormals(), nullptr);
    EXPECT_EQ(vp.getFaceNormalsBufferSize(), 0);
    const CGraphicalVertexParameters copy(vp);
    EXPECT_TRUE(copy == vp);
    CGraphicalVertexParameters loaded;
    load(loaded, store(vp));
    EXPECT_TRUE(loaded == vp);
}

TEST(GeometricPrimitives, OptimiseRenumbersOnlyEntriesThatNameAMaterial) {
    const CGraphicalMaterial a = material("Diffuse=1 0 0;"), b = material("Diffuse=0 1 0;");
    CGraphicalVertexParameters vp;
    vp.getWritableFaceMaterials().Add(a);
    vp.getWritableFaceMaterials().Add(b);
    vp.getWritableFaceMaterials().Add(a);
    const int faces[] = {0, 1, 2, -1, 7, 2};
    vp.setFaceMaterialIndex(6, faces);
    vp.getWritableVertexMaterials().Add(b);
    vp.getWritableVertexMaterials().Add(b);
    const int vertices[] = {1, 0, 2};
    vp.setVertexMaterialIndex(3, vertices);

    vp.Optimise();
    ASSERT_EQ(vp.getFaceMaterials().GetSize(), 2);
    EXPECT_TRUE(vp.getFaceMaterials().getConstReference(0) == a);
    EXPECT_TRUE(vp.getFaceMaterials().getConstReference(1) == b);
    EXPECT_EQ(std::vector<int>(vp.getFaceMaterialIndex(), vp.getFaceMaterialIndex() + 6), (std::vector<int>{0, 1, 0, -1, 7, 0}));
    EXPECT_EQ(vp.getVertexMaterials().GetSize(), 1);
    EXPECT_EQ(std::vector<int>(vp.getVertexMaterialIndex(), vp.getVertexMaterialIndex() + 3), (std::vector<int>{0, 0, 2}));

    // Emptied lists are released; absent and empty read alike.
    vp.getWritableVertexMaterials().RemoveAll();
    vp.Optimise();
    EXPECT_FALSE(vp.holdsVertexMaterialList());
    EXPECT_EQ(&vp.getVertexMaterials(), &IGraphicalVertexParameters::getZeroMaterialArray());
}

TEST(GeometricPrimitives, EmptyMaterialListsDoNotSurviveCopiesOrLoads) {
    CGraphicalVertexParameters vp;
    (void)vp.getWritableFaceMaterials();  // created, left empty
    EXPECT_TRUE(vp.holdsFaceMaterialList());
    EXPECT_TRUE(vp == CGraphicalVertexParameters());
    const CGraphicalVertexParameters copy(vp);
    EXPECT_FALSE(copy.holdsFaceMaterialList());
    CGraphicalVertexParameters loaded;
    load(loaded, store(vp));
    EXPECT_FALSE(loaded.holdsFaceMaterialList());
    EXPECT_FALSE(loaded.holdsVertexMaterialList());
}

TEST(GeometricPrimitives, CompactFoldsOnlyASingleFaceMaterial) {
    CGraphicalVertexParameters two;
    two.getWritableFaceMaterials().Add(material("Diffuse=1 0 0;"));
    two.getWritableFaceMaterials().Add(material("Diffuse=0 0 1;"));
    const CGraphicalVertexParameters before(two);
    EXPECT_FALSE(two.compactConsistentFaceMaterialsIntoGeometry());
    EXPECT_TRUE(two == before);

    // Faces that all name one material (the other is unused) fold into a present geometry
    // material: the face colour wins, the geometry material's other entries stay.
    CGraphicalVertexParameters one(two);
    const int faces[] = {1, 1, 9};
    one.setFaceMaterialIndex(3, faces);
    one.setGeometryMaterial(material("Diffuse=0.5 0.5 0.5;Shininess=4;"));
    EXPECT_TRUE(one.compactConsistentFaceMaterialsIntoGeometry());
    EXPECT_FALSE(one.hasFaceMaterials());
    EXPECT_EQ(one.getNumberOfFaceMaterialIndex(), 0);
    CProjectColorRGB diffuse;
    ASSERT_TRUE(one.getGeometryMaterial()->getColor(IGraphicalMaterial::Diffuse, diffuse));
    EXPECT_TRUE(diffuse == CProjectColorRGB(0, 0, 1));
    float shininess = 0;
    EXPECT_TRUE(one.getGeometryMaterial()->getFloat(IGraphicalMaterial::Shininess, shininess));
    EXPECT_EQ(shininess, 4.0f);

    // Without a geometry material the face material itself becomes it.
    CGraphicalVertexParameters plain;
    plain.getWritableFaceMaterials().Add(material("Diffuse=1 1 0;"));
    plain.getWritableFaceMaterials().Add(material("Diffuse=1 1 0;"));
    EXPECT_TRUE(plain.compactConsistentFaceMaterialsIntoGeometry());
    EXPECT_TRUE(*plain.getGeometryMaterial() == material("Diffuse=1 1 0;"));
}

namespace {

// Just what moving a colour up needs of an entity.
struct MaterialHolder {
    std::unique_ptr<CGraphicalMaterial> held;
    IGraphicalMaterialHandle getMaterial() const {
        return held ? IGraphicalMaterialHandle(new CGraphicalMaterialHandle(held.get())) : IGraphicalMaterialHandle();
    }
    void setMaterial(const IGraphicalMaterial& m) {
        if (!held) held = std::make_unique<CGraphicalMaterial>();
        held->copyFrom(m);
    }
};

}  // namespace

TEST(GeometricPrimitives, MeshColourMovesUpOnlyWhenItIsTheWholeColour) {
    CMesh mesh;
    MaterialHolder entity;
    EXPECT_FALSE(mesh.moveGeometryColorUpToEntity(entity));  // no vertex parameters

    (*mesh.allocateVertexParameters()).setGeometryMaterial(material("Diffuse=0 1 0;"));
    (*mesh.allocateVertexParameters()).getWritableVertexMaterials().Add(material("Diffuse=1 0 0;"));
    EXPECT_FALSE(mesh.moveGeometryColorUpToEntity(entity));
    EXPECT_FALSE(entity.held);

    (*mesh.allocateVertexParameters()).clearVertexMaterials();
    entity.setMaterial(material("Diffuse=1 1 1;Transparency=0.5;"));
    EXPECT_TRUE(mesh.moveGeometryColorUpToEntity(entity));
    EXPECT_FALSE(mesh.getVertexParameters()->hasGeometryMaterial());
    CProjectColorRGB diffuse;
    float transparency = 0;
    ASSERT_TRUE(entity.held->getColor(IGraphicalMaterial::Diffuse, diffuse));
    EXPECT_TRUE(diffuse == CProjectColorRGB(0, 1, 0));
    EXPECT_TRUE(entity.held->getFloat(IGraphicalMaterial::Transparency, transparency));
    EXPECT_EQ(transparency, 0.5f);
}

TEST(GeometricPrimitives, SliceBoxNumbering) {
    using S = ISubdivisionByUniformSlices;
    EXPECT_EQ(S::ConvertSliceIndexToCommonBoxIndex(2, 1, 3, 1, 1, 2), 16);
    EXPECT_EQ(S::ConvertSliceIndexToCommonBoxIndex(2, 1, 3, 3, 0, 0), 0);
    int x = -1, y = -1, z = -1;
    S::ConvertCommonBoxIndexToSliceIndex(2, 1, 3, 16, x, y, z);
    EXPECT_EQ((std::vector<int>{x, y, z}), (std::vector<int>{1, 1, 2}));
    // Every box of a small grid converts back to its slice.
    for (int b = 0; b < 3 * 2 * 4; ++b) {
        S::ConvertCommonBoxIndexToSliceIndex(2, 1, 3, b, x, y, z);
        EXPECT_EQ(S::ConvertSliceIndexToCommonBoxIndex(2, 1, 3, x, y, z), b);
    }
    // Unset or damaged counts answer 0, 0, 0 instead of dividing by zero.
    for (const auto& [nx, ny] : std::vector<std::pair<int, int>>{{-1, 2}, {2, -1}, {-1, -1}, {-5, 0}}) {
        x = y = z = 7;
        S::ConvertCommonBoxIndexToSliceIndex(nx, ny, 1, 5, x, y, z);
        EXPECT_EQ((std::vector<int>{x, y, z}), (std::vector<int>{0, 0, 0})) << nx << ", " << ny;
    }
    CSubdivisionByUniformSlices cut;
    cut.setNumberOfXCuts(2);
    cut.setNumberOfYCuts(-4);
    cut.setNumberOfZCuts(1);
    EXPECT_EQ(cut.getNumSubDivisionCountorPolylines(), 6);
}

TEST(GeometricPrimitives, CuttingPolylines) {
    CGraphicalPoint3DArray points;
    points.Add(CGraphicalPoint3D(0, 0, 0));
    EXPECT_FALSE(ISubdivisionByUniformSlices::isValidPolylineToAdd(CPolyLine3D(points)));
    points.Add(CGraphicalPoint3D(0, 0, 0));
    EXPECT_FALSE(ISubdivisionByUniformSlices::isValidPolylineToAdd(CPolyLine3D(points)));  // no length
    points.Add(CGraphicalPoint3D(1, 0, 0));
    EXPECT_TRUE(ISubdivisionByUniformSlices::isValidPolylineToAdd(CPolyLine3D(points)));
    points.Add(CGraphicalPoint3D(std::nanf(""), 0, 0));
    EXPECT_FALSE(ISubdivisionByUniformSlices::isValidPolylineToAdd(CPolyLine3D(points)));

    CSubdivisionByUniformSlices cut;
    cut.setIsPolylineBased(true);
    EXPECT_EQ(cut.addPolyline(CPolyLine3D(CGraphicalPoint3D(0, 0, 0), CGraphicalPoint3D(0, 5, 0))), 0);
    EXPECT_EQ(cut.getNumSubDivisionCountorPolylines(), 1);
    CSubdivisionByUniformSlices loaded;
    load(loaded, store(cut));
    EXPECT_TRUE(loaded == cut);
}

TEST(GeometricPrimitives, TriangleShellFromLoosePoints) {
    CGraphicalPoint3DArray points;
    for (int i = 0; i < 7; ++i) points.Add(CGraphicalPoint3D(static_cast<float>(i), 0, 0));
    const CShell shell(6, points);
    EXPECT_EQ(shell.getVertexArray().GetSize(), 6);
    EXPECT_EQ(std::vector<int>(shell.getVertexIndexArray(), shell.getVertexIndexArray() + shell.getIndexArraySize()),
              (std::vector<int>{3, 0, 1, 2, 3, 3, 4, 5}));
    const CShellTristrip refused(7, points);  // not a multiple of three
    EXPECT_EQ(refused.getIndexArraySize(), 0);
    EXPECT_EQ(refused.getVertexArray().GetSize(), 0);
}

TEST(GeometricPrimitives, DamagedCountsAbortBeforeAllocating) {
    // A buffer or point count: negative aborts, more than the bytes left is refused, and the value
    // keeps what it held.
    const float kept[] = {1, 2};
    for (const int count : {-1, 1 << 30, 3}) {
        CGeometryFloatBuffer buffer;
        buffer.assign(2, kept);
        const Bytes bytes = craft([&](CKelvaraArchive& ar) { ar << count << 1.0f << 2.0f; });
        CKelvaraArchive ar(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(buffer.Serialize(ar), CArchiveException) << count;
        EXPECT_EQ(values(buffer.data(), buffer.size()), values(kept, 2));

        CGraphicalPoint3DArray points;
        points.Add(CGraphicalPoint3D(1, 1, 1));
        CKelvaraArchive again(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(points.Serialize(again), CArchiveException) << count;
        EXPECT_EQ(points.GetSize(), 1);
    }
}

TEST(GeometricPrimitives, NullTextsAreEmptyTexts) {
    const CText text(CGraphicalPoint3D(1, 2, 3), nullptr);
    EXPECT_EQ(text.getText().getValue().GetLength(), 0);
    CTextProperties props(nullptr, L"Left");
    EXPECT_EQ(props.getTextFontString().getValue().GetLength(), 0);
    EXPECT_TRUE(props.getTextAlignmentString().getValue() == CString(L"Left"));
    const CTextProperties copy(static_cast<const ITextProperties&>(props));
    EXPECT_TRUE(copy == props);
}
