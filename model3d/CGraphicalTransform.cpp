#include "kelvara/model3d/CGraphicalTransform.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

// cos and sin of an angle in degrees, computed in double and kept as float.
void cosSin(float degrees, float& c, float& s) {
    const double radians = static_cast<double>(degrees) * kRadiansPerDegree;
    c = static_cast<float>(std::cos(radians));
    s = static_cast<float>(std::sin(radians));
}

}  // namespace

CGraphicalTransform::CGraphicalTransform(const float* matrix) : m_Elements(matrix) {}

void CGraphicalTransform::setMatrix(const float* matrix) {
    if (matrix) m_Elements = CGraphicalTransformMatrix(matrix);
}

const CGraphicalTransform& CGraphicalTransform::getIdentityTransform() const {
    static const CGraphicalTransform identity;
    return identity;
}

void CGraphicalTransform::swapRows(int i, int j) {
    if (i < 0 || i > 3 || j < 0 || j > 3 || i == j) return;
    float* m = m_Elements.data();
    std::swap_ranges(m + 4 * i, m + 4 * i + 4, m + 4 * j);
}

void CGraphicalTransform::setAsScale(const CGraphicalVector3D& scale) {
    setToIdentity();
    float* m = m_Elements.data();
    m[0] = scale.x();
    m[5] = scale.y();
    m[10] = scale.z();
}

void CGraphicalTransform::setAsTranslation(const CGraphicalVector3D& translation) {
    setToIdentity();
    float* m = m_Elements.data();
    m[12] = translation.x();
    m[13] = translation.y();
    m[14] = translation.z();
}

void CGraphicalTransform::setAsRotation_X(float degrees) { setAsRotationIn(1, 2, degrees); }
void CGraphicalTransform::setAsRotation_Y(float degrees) { setAsRotationIn(0, 2, degrees); }
void CGraphicalTransform::setAsRotation_Z(float degrees) { setAsRotationIn(0, 1, degrees); }

// A rotation in the plane of axes i < j (row-vector convention): rows i and j become
// (c, s) and (-s, c) in columns i and j, everything else is the identity.
void CGraphicalTransform::setAsRotationIn(int i, int j, float degrees) {
    float c = 0.0f, s = 0.0f;
    cosSin(degrees, c, s);
    setToIdentity();
    float* m = m_Elements.data();
    m[i * 4 + i] = c;
    m[i * 4 + j] = s;
    m[j * 4 + i] = -s;
    m[j * 4 + j] = c;
}

CGraphicalTransform CGraphicalTransform::getInverse() const {
    const float* m = m_Elements.data();
    const float* p = m;       // row 0
    const float* q = m + 4;   // row 1
    const float* a = m + 8;   // row 2
    const float* b = m + 12;  // row 3

    // 2×2 minors of the lower rows (2, 3) and of the upper rows (0, 1), by column pair.
    const float c01 = a[0] * b[1] - a[1] * b[0], c02 = a[0] * b[2] - a[2] * b[0], c03 = a[0] * b[3] - a[3] * b[0];
    const float c12 = a[1] * b[2] - a[2] * b[1], c13 = a[1] * b[3] - a[3] * b[1], c23 = a[2] * b[3] - a[3] * b[2];
    const float s01 = p[0] * q[1] - p[1] * q[0], s02 = p[0] * q[2] - p[2] * q[0], s03 = p[0] * q[3] - p[3] * q[0];
    const float s12 = p[1] * q[2] - p[2] * q[1], s13 = p[1] * q[3] - p[3] * q[1], s23 = p[2] * q[3] - p[3] * q[2];

    // The sixteen cofactors, cof[4r + c] for entry (r, c).
    float cof[16];
    cof[0] = q[1] * c23 - q[2] * c13 + q[3] * c12;
    cof[1] = -(q[0] * c23 - q[2] * c03 + q[3] * c02);
    cof[2] = q[0] * c13 - q[1] * c03 + q[3] * c01;
    cof[3] = -(q[0] * c12 - q[1] * c02 + q[2] * c01);
    cof[4] = -(p[1] * c23 - p[2] * c13 + p[3] * c12);
    cof[5] = p[0] * c23 - p[2] * c03 + p[3] * c02;
    cof[6] = -(p[0] * c13 - p[1] * c03 + p[3] * c01);
    cof[7] = p[0] * c12 - p[1] * c02 + p[2] * c01;
    cof[8] = b[1] * s23 - b[2] * s13 + b[3] * s12;
    cof[9] = -(b[0] * s23 - b[2] * s03 + b[3] * s02);
    cof[10] = b[0] * s13 - b[1] * s03 + b[3] * s01;
    cof[11] = -(b[0] * s12 - b[1] * s02 + b[2] * s01);
    cof[12] = -(a[1] * s23 - a[2] * s13 + a[3] * s12);
    cof[13] = a[0] * s23 - a[2] * s03 + a[3] * s02;
    cof[14] = -(a[0] * s13 - a[1] * s03 + a[3] * s01);
    cof[15] = a[0] * s12 - a[1] * s02 + a[2] * s01;

    const float determinant = p[0] * cof[0] + p[1] * cof[1] + p[2] * cof[2] + p[3] * cof[3];
    CGraphicalTransform inverse;
    if (determinant == 0.0f) return inverse;
    const float scale = 1.0f / determinant;
    float* out = inverse.m_Elements.data();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) out[4 * r + c] = cof[4 * c + r] * scale;  // the adjugate is the transpose
    return inverse;
}

CGraphicalTransform operator*(const IGraphicalTransform& a, const IGraphicalTransform& b) {
    CGraphicalTransform product;
    if (!a.getMatrix() || !b.getMatrix()) return product;
    product.setMatrix(a.getMatrix());
    product.Mult(b);
    return product;
}
