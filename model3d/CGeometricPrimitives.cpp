// The hand-written behaviour of the geometric primitives, their per-vertex data and the
// subdivision: estimates, shells built from loose triangles, material folding and renumbering,
// slice-box numbering and the checks a cutting polyline must pass.
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "kelvara/model3d/CGeometricPrimitives.h"
#include "kelvara/model3d/CSubdivisionByUniformSlices.h"

// ---- colours ----

bool kelvara::mergeColorDefinition(IGraphicalMaterial& target, const IGraphicalMaterial& source) {
    if (&target == &source) return source.getBufferLen() > 0;
    bool merged = false;
    for (int t = IGraphicalMaterial::Ambient; t <= IGraphicalMaterial::Shininess; ++t) {
        const auto type = static_cast<IGraphicalMaterial::EnumMaterialType>(t);
        if (IGraphicalMaterial::isColorType(type)) {
            CProjectColorRGB color;
            if (source.getColor(type, color)) merged = target.setColor(type, color) || merged;
        } else {
            float value = 0.0f;
            if (source.getFloat(type, value)) merged = target.setFloat(type, value) || merged;
        }
    }
    return merged;
}

// ---- estimates ----

namespace {

unsigned long vertexParametersBytes(const IGraphicalVertexParametersHandle& vp) {
    using kelvara::geometry::bytesOf;
    if (vp.isNull()) return 0;
    return bytesOf(vp->getParameterBuffer()) + bytesOf(vp->getVertexNormalBuffer()) + bytesOf(vp->getFaceNormalBuffer()) +
           bytesOf(vp->getFaceMaterialIndexBuffer()) + bytesOf(vp->getVertexMaterialIndexBuffer());
}

}  // namespace

unsigned long IMesh::estimateRequiredMemory() const {
    return kelvara::geometry::kBaseEstimate + kelvara::geometry::bytesOf(getVertexArray()) + vertexParametersBytes(getVertexParameters());
}

unsigned long IPolyCylinder::estimateRequiredMemory() const {
    using kelvara::geometry::bytesOf;
    return kelvara::geometry::kBaseEstimate + bytesOf(getCenterLines()) + bytesOf(getRadiusBuffer()) +
           vertexParametersBytes(getVertexParameters());
}

// ---- shells ----

namespace {

template <class Shell>
unsigned long shellEstimate(const Shell& shell) {
    using kelvara::geometry::bytesOf;
    return kelvara::geometry::kBaseEstimate + bytesOf(shell.getVertexArray()) + bytesOf(shell.getIndexBuffer()) +
           vertexParametersBytes(shell.getVertexParameters());
}

// n points as n / 3 triangles, each written as the run "3, a, b, c".
template <class Shell>
bool buildTriangles(Shell& shell, int n, const CGraphicalPoint3DArray& points) {
    if (n < 3 || n % 3 != 0 || points.GetSize() < n) return false;
    const int triangles = n / 3;
    std::vector<int> indices;
    indices.reserve(static_cast<std::size_t>(triangles) * 4);
    for (int t = 0; t < triangles; ++t) {
        indices.push_back(3);
        for (int c = 0; c < 3; ++c) indices.push_back(3 * t + c);
    }
    CGraphicalPoint3DArray used(points.data(), n);
    shell.setVertexArray(used);
    shell.setIndexArray(static_cast<int>(indices.size()), indices.data());
    return true;
}

}  // namespace

unsigned long IShell::estimateRequiredMemory() const { return shellEstimate(*this); }
unsigned long IShellTristrip::estimateRequiredMemory() const { return shellEstimate(*this); }
bool IShell::buildNonOptimizedTriShell(int n, const CGraphicalPoint3DArray& points) { return buildTriangles(*this, n, points); }
bool IShellTristrip::buildNonOptimizedTriShell(int n, const CGraphicalPoint3DArray& points) {
    return buildTriangles(*this, n, points);
}

// ---- meshes ----

bool CMesh::canMoveGeometryColorUp() const {
    const auto vp = getVertexParameters();
    return !vp.isNull() && vp->hasGeometryMaterial() && !vp->hasFaceMaterials() && !vp->hasVertexMaterials();
}

void CMesh::mergeGeometryColorInto(IGraphicalMaterial& material) const {
    const auto vp = getVertexParameters();
    if (vp.isNull() || !vp->hasGeometryMaterial()) return;
    kelvara::mergeColorDefinition(material, *vp->getGeometryMaterial());
}

void CMesh::clearGeometryColor() {
    if (getVertexParameters().isNull()) return;
    (*allocateVertexParameters()).clearGeometryMaterial();
}

// ---- per-vertex data ----

const IGraphicalMaterialArray& IGraphicalVertexParameters::getZeroMaterialArray() {
    static const CGraphicalMaterialArray empty;
    return empty;
}

IGraphicalMaterial& IGraphicalVertexParameters::getDummyMaterial() {
    static CGraphicalMaterial scratch;
    return scratch;
}

void IGraphicalVertexParameters::clearDummyMaterial() { getDummyMaterial().initialize(); }

void IGraphicalVertexParameters::setParameters(const float* values) {
    const long long n = static_cast<long long>(getNumberOfVertices()) * getNumberOfParametersPerVertex();
    if (!values || n < 1 || n > INT_MAX) return;
    getWritableParameterBuffer().assign(static_cast<int>(n), values);
}

void IGraphicalVertexParameters::resizeNormals(CGeometryFloatBuffer& buffer, int n, bool zero) {
    if (n < 0) n = 0;  // a negative size is no buffer, never a negative count
    if (n != buffer.size()) buffer.allocate(n, zero);
    else if (zero) buffer.zeroFill();
}

void IGraphicalVertexParameters::overwrite(CGeometryFloatBuffer& buffer, const float* values) {
    if (!values || !buffer.data() || values == buffer.data()) return;
    std::memmove(buffer.data(), values, sizeof(float) * static_cast<std::size_t>(buffer.size()));
}

void IGraphicalVertexParameters::releaseEmptyMaterialLists() {
    if (getFaceMaterials().GetSize() == 0) clearFaceMaterials();
    if (getVertexMaterials().GetSize() == 0) clearVertexMaterials();
}

void IGraphicalVertexParameters::copyRecord(const IGraphicalVertexParameters& other) {
    forEachField(kelvara::CopyFields<IGraphicalVertexParameters>{*this, other});
    releaseEmptyMaterialLists();
}

bool IGraphicalVertexParameters::equalRecord(const IGraphicalVertexParameters& other) const {
    bool equal = true;
    forEachField(kelvara::EqualFields<IGraphicalVertexParameters>{*this, other, equal});
    return equal;
}

void IGraphicalVertexParameters::serializeRecord(CKelvaraArchive& ar) {
    forEachField(kelvara::SerializeFields<IGraphicalVertexParameters>{*this, ar});
    if (ar.IsLoading()) releaseEmptyMaterialLists();
}

void IGraphicalVertexParameters::initializeRecord() {
    forEachField(kelvara::DefaultFields<IGraphicalVertexParameters>{*this});
    releaseEmptyMaterialLists();
}

namespace {

// Merges equal materials and renumbers the entries that name one; others stay as they are.
void mergeEqualMaterials(IGraphicalMaterialArray& list, CGeometryIntBuffer& index) {
    if (list.GetSize() <= 1) return;
    std::vector<int> map;
    if (!static_cast<CGraphicalMaterialArray&>(list).removeDuplicates(map)) return;
    const int count = static_cast<int>(map.size());
    for (int f = 0; f < index.size(); ++f) {
        int& entry = index.data()[f];
        if (entry >= 0 && entry < count) entry = map[static_cast<std::size_t>(entry)];
    }
}

}  // namespace

void IGraphicalVertexParameters::Optimise() {
    if (getFaceMaterials().GetSize() > 1) mergeEqualMaterials(getWritableFaceMaterials(), getWritableFaceMaterialIndexBuffer());
    if (getVertexMaterials().GetSize() > 1)
        mergeEqualMaterials(getWritableVertexMaterials(), getWritableVertexMaterialIndexBuffer());
    releaseEmptyMaterialLists();
}

int IGraphicalVertexParameters::getConsistentFaceMaterials(std::vector<const IGraphicalMaterial*>& materials) const {
    materials.clear();
    const IGraphicalMaterialArray& list = getFaceMaterials();
    const int n = list.GetSize();
    if (n == 0) return 0;
    const auto addDistinct = [&](int i) {
        const IGraphicalMaterial& m = list.getConstReference(i);
        for (const IGraphicalMaterial* seen : materials)
            if (seen == &m || *seen == m) return;
        materials.push_back(&m);
    };
    const CGeometryIntBuffer& index = getFaceMaterialIndexBuffer();
    bool named = false;
    for (int f = 0; f < index.size(); ++f) {
        const int entry = index.data()[f];
        if (entry < 0 || entry >= n) continue;
        named = true;
        addDistinct(entry);
    }
    if (!named)
        for (int i = 0; i < n; ++i) addDistinct(i);
    return static_cast<int>(materials.size());
}

bool IGraphicalVertexParameters::compactConsistentFaceMaterialsIntoGeometry() {
    std::vector<const IGraphicalMaterial*> materials;
    if (getConsistentFaceMaterials(materials) != 1) return false;
    // Built aside: the face material is read before the face list goes.
    CGraphicalMaterial folded;
    const auto present = getGeometryMaterial();
    if (!present.isNull()) {
        folded.copyFrom(*present);
        kelvara::mergeColorDefinition(folded, *materials.front());
    } else {
        folded.copyFrom(*materials.front());
    }
    setGeometryMaterial(folded);
    clearFaceMaterials();
    getWritableFaceMaterialIndexBuffer().reset();  // it named materials that are gone
    return true;
}

// ---- subdivision ----

const IPolyLine3DArray& ISubdivisionByUniformSlices::noPolylines() {
    static const CPolyLine3DArray empty;
    return empty;
}

bool ISubdivisionByUniformSlices::isValidPolylineToAdd(const IPolyLine3D& polyline) {
    const CGraphicalPoint3DArray& points = polyline.getPoints();
    if (points.GetSize() < 2) return false;
    bool distinct = false;
    for (int i = 0; i < points.GetSize(); ++i) {
        const CGraphicalPoint3D& p = points.GetAt(i);
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || !std::isfinite(p.z())) return false;
        if (!(p == points.GetAt(0))) distinct = true;
    }
    return distinct;
}

int ISubdivisionByUniformSlices::getNumSubDivisionCountorPolylines() const {
    if (getIsPolylineBased()) return getNumPolylines();
    const auto slices = [](int cuts) { return static_cast<long long>(cuts < 0 ? 0 : cuts) + 1; };
    long long boxes = slices(getNumberOfXCuts()) * slices(getNumberOfYCuts());
    if (boxes > INT_MAX) return INT_MAX;
    boxes *= slices(getNumberOfZCuts());
    return boxes > INT_MAX ? INT_MAX : static_cast<int>(boxes);
}

int ISubdivisionByUniformSlices::ConvertSliceIndexToCommonBoxIndex(int nx, int ny, int nz, int ix, int iy, int iz) {
    if (ix > nx || iy > ny || iz > nz) return 0;
    const long long box = ((static_cast<long long>(ny) + 1) * iz + iy) * (static_cast<long long>(nx) + 1) + ix;
    return static_cast<int>(box);
}

void ISubdivisionByUniformSlices::ConvertCommonBoxIndexToSliceIndex(int nx, int ny, int /*nz*/, int index, int& ix, int& iy,
                                                                    int& iz) {
    const long long row = static_cast<long long>(nx) + 1;
    const long long plane = (static_cast<long long>(ny) + 1) * row;
    if (plane <= 0) {  // unset or damaged counts: no slice to name
        ix = iy = iz = 0;
        return;
    }
    iz = static_cast<int>(index / plane);
    const long long r = index % plane;
    iy = static_cast<int>(r / row);
    ix = static_cast<int>(r - static_cast<long long>(iy) * row);
}
