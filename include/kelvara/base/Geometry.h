// Small geometric values of the 3D model, single precision as the renderer uses them. Each has
// exact (bitwise-equal, NaN equal to NaN) equality and a fixed-width archive form.
#pragma once

#include <cmath>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/base/Values.h"

namespace kelvara::detail {

template <std::size_t N>
bool sameFloats(const float (&a)[N], const float (&b)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (!sameValue(a[i], b[i])) return false;
    return true;
}

template <std::size_t N>
void serializeFloats(float (&v)[N], CKelvaraArchive& ar) {
    for (float& f : v) {
        if (ar.IsStoring()) ar << f;
        else ar >> f;
    }
}

}  // namespace kelvara::detail

class CGraphicalVector3D;

class CGraphicalPoint3D {
public:
    CGraphicalPoint3D() = default;
    CGraphicalPoint3D(float x, float y, float z) : m_v{x, y, z} {}
    explicit CGraphicalPoint3D(const CGraphicalVector3D& v);

    float x() const noexcept { return m_v[0]; }
    float y() const noexcept { return m_v[1]; }
    float z() const noexcept { return m_v[2]; }
    void set(float x, float y, float z) noexcept { m_v[0] = x; m_v[1] = y; m_v[2] = z; }
    const float* data() const noexcept { return m_v; }
    float* data() noexcept { return m_v; }

    bool operator==(const CGraphicalPoint3D& o) const noexcept { return kelvara::detail::sameFloats(m_v, o.m_v); }
    void Serialize(CKelvaraArchive& ar) { kelvara::detail::serializeFloats(m_v, ar); }

private:
    float m_v[3] = {0.0f, 0.0f, 0.0f};
};

class CGraphicalVector3D {
public:
    CGraphicalVector3D() = default;
    CGraphicalVector3D(float x, float y, float z) : m_v{x, y, z} {}
    explicit CGraphicalVector3D(const CGraphicalPoint3D& p) : m_v{p.x(), p.y(), p.z()} {}

    float x() const noexcept { return m_v[0]; }
    float y() const noexcept { return m_v[1]; }
    float z() const noexcept { return m_v[2]; }
    void set(float x, float y, float z) noexcept { m_v[0] = x; m_v[1] = y; m_v[2] = z; }
    const float* data() const noexcept { return m_v; }
    float* data() noexcept { return m_v; }

    float length() const noexcept { return std::sqrt(dot(*this)); }
    float dot(const CGraphicalVector3D& o) const noexcept { return m_v[0] * o.m_v[0] + m_v[1] * o.m_v[1] + m_v[2] * o.m_v[2]; }
    // Scales to unit length; a zero vector is left as it is and the answer is false.
    bool normalize() noexcept {
        const float len = length();
        if (!(len > 0.0f)) return false;
        for (float& f : m_v) f /= len;
        return true;
    }
    CGraphicalVector3D operator*(const CGraphicalVector3D& o) const noexcept {  // cross product
        return {m_v[1] * o.m_v[2] - m_v[2] * o.m_v[1], m_v[2] * o.m_v[0] - m_v[0] * o.m_v[2],
                m_v[0] * o.m_v[1] - m_v[1] * o.m_v[0]};
    }
    CGraphicalVector3D operator*(float s) const noexcept { return {m_v[0] * s, m_v[1] * s, m_v[2] * s}; }
    CGraphicalVector3D operator+(const CGraphicalVector3D& o) const noexcept {
        return {m_v[0] + o.m_v[0], m_v[1] + o.m_v[1], m_v[2] + o.m_v[2]};
    }
    CGraphicalVector3D operator-(const CGraphicalVector3D& o) const noexcept {
        return {m_v[0] - o.m_v[0], m_v[1] - o.m_v[1], m_v[2] - o.m_v[2]};
    }

    bool operator==(const CGraphicalVector3D& o) const noexcept { return kelvara::detail::sameFloats(m_v, o.m_v); }
    void Serialize(CKelvaraArchive& ar) { kelvara::detail::serializeFloats(m_v, ar); }

private:
    float m_v[3] = {0.0f, 0.0f, 0.0f};
};

inline CGraphicalPoint3D::CGraphicalPoint3D(const CGraphicalVector3D& v) : m_v{v.x(), v.y(), v.z()} {}

class CGraphicalPoint2D {
public:
    CGraphicalPoint2D() = default;
    CGraphicalPoint2D(float x, float y) : m_v{x, y} {}

    float x() const noexcept { return m_v[0]; }
    float y() const noexcept { return m_v[1]; }
    void set(float x, float y) noexcept { m_v[0] = x; m_v[1] = y; }

    bool operator==(const CGraphicalPoint2D& o) const noexcept { return kelvara::detail::sameFloats(m_v, o.m_v); }
    void Serialize(CKelvaraArchive& ar) { kelvara::detail::serializeFloats(m_v, ar); }

private:
    float m_v[2] = {0.0f, 0.0f};
};

// The plane a·x + b·y + c·z + d = 0.
class CPlane {
public:
    CPlane() = default;
    CPlane(float a, float b, float c, float d) : m_v{a, b, c, d} {}

    float a() const noexcept { return m_v[0]; }
    float b() const noexcept { return m_v[1]; }
    float c() const noexcept { return m_v[2]; }
    float d() const noexcept { return m_v[3]; }

    bool operator==(const CPlane& o) const noexcept { return kelvara::detail::sameFloats(m_v, o.m_v); }
    void Serialize(CKelvaraArchive& ar) { kelvara::detail::serializeFloats(m_v, ar); }

private:
    float m_v[4] = {0.0f, 0.0f, 0.0f, 0.0f};
};

// A rotation as the quaternion (x, y, z, w); the default is the identity rotation.
class CQuat {
public:
    CQuat() = default;
    CQuat(float x, float y, float z, float w) : m_v{x, y, z, w} {}

    float x() const noexcept { return m_v[0]; }
    float y() const noexcept { return m_v[1]; }
    float z() const noexcept { return m_v[2]; }
    float w() const noexcept { return m_v[3]; }

    bool operator==(const CQuat& o) const noexcept { return kelvara::detail::sameFloats(m_v, o.m_v); }
    void Serialize(CKelvaraArchive& ar) { kelvara::detail::serializeFloats(m_v, ar); }

private:
    float m_v[4] = {0.0f, 0.0f, 0.0f, 1.0f};
};
