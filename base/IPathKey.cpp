#include "kelvara/base/IPathKey.h"

#include <cmath>

CGraphicalTransformMatrix IPathKey::getMatrix() const {
    const CQuat& q = getRotation();
    double x = q.x(), y = q.y(), z = q.z(), w = q.w();
    const double norm = std::sqrt(x * x + y * y + z * z + w * w);
    if (norm > 0.0 && std::isfinite(norm)) {
        x /= norm;
        y /= norm;
        z /= norm;
        w /= norm;
    } else {
        x = y = z = 0.0;
        w = 1.0;
    }
    // R acts on column vectors: p' = R p.
    const double r[3][3] = {
        {1 - 2 * (y * y + z * z), 2 * (x * y - z * w), 2 * (x * z + y * w)},
        {2 * (x * y + z * w), 1 - 2 * (x * x + z * z), 2 * (y * z - x * w)},
        {2 * (x * z - y * w), 2 * (y * z + x * w), 1 - 2 * (x * x + y * y)},
    };
    const CGraphicalPoint3D& c = getCenter();
    const CGraphicalPoint3D& p = getPosition();
    const double centre[3] = {c.x(), c.y(), c.z()};
    const double position[3] = {p.x(), p.y(), p.z()};
    // Row vectors (p' = p M): the upper 3x3 is R transposed, row 3 the translation
    // Center + Position - R Center.
    float m[16] = {};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) m[4 * row + col] = static_cast<float>(r[col][row]);
    for (int i = 0; i < 3; ++i) {
        const double rotatedCentre = r[i][0] * centre[0] + r[i][1] * centre[1] + r[i][2] * centre[2];
        m[12 + i] = static_cast<float>(centre[i] + position[i] - rotatedCentre);
    }
    m[15] = 1.0f;
    return CGraphicalTransformMatrix(m);
}

void IPathKey::getTransform(IGraphicalTransform& transform, bool accumulate) const {
    const CGraphicalTransformMatrix placement = getMatrix();
    const float* a = transform.getMatrix();
    if (!accumulate || !a) {
        transform.setMatrix(placement.data());
        return;
    }
    const float* b = placement.data();
    float product[16];
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += a[4 * row + k] * b[4 * k + col];
            product[4 * row + col] = sum;
        }
    transform.setMatrix(product);
}
