#include "kelvara/base/IGraphicalTransform.h"

#include <algorithm>

CGraphicalTransformMatrix::CGraphicalTransformMatrix(const float* entries) noexcept {
    if (entries) std::copy(entries, entries + 16, m_v);
    else setIdentity();
}

void CGraphicalTransformMatrix::setIdentity() noexcept {
    std::fill(m_v, m_v + 16, 0.0f);
    m_v[0] = m_v[5] = m_v[10] = m_v[15] = 1.0f;
}

bool CGraphicalTransformMatrix::isIdentity() const noexcept {
    for (int i = 0; i < 16; ++i)
        if (m_v[i] != (i % 5 == 0 ? 1.0f : 0.0f)) return false;
    return true;
}

bool IGraphicalTransform::isIdentityTransform() const {
    const float* m = getMatrix();
    return m && CGraphicalTransformMatrix(m).isIdentity();
}

void IGraphicalTransform::Mult(const IGraphicalTransform& other) {
    const float* a = getMatrix();
    const float* b = other.getMatrix();
    if (!a || !b) return;
    float product[16];  // computed aside, so other may be this very transform
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += a[4 * r + k] * b[4 * k + c];
            product[4 * r + c] = sum;
        }
    }
    setMatrix(product);
}

CGraphicalPoint3D operator*(const CGraphicalPoint3D& p, const IGraphicalTransform& transform) {
    const float* m = transform.getMatrix();
    if (!m) return p;
    const float x = p.x(), y = p.y(), z = p.z();
    return CGraphicalPoint3D(x * m[0] + y * m[4] + z * m[8] + m[12], x * m[1] + y * m[5] + z * m[9] + m[13],
                             x * m[2] + y * m[6] + z * m[10] + m[14]);
}
