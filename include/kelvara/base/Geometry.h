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

// N floats with exact equality and the archive form "N floats in order"; D is the value built on it.
template <class D, std::size_t N>
class FloatTuple {
public:
    const float* data() const noexcept { return m_v; }
    float* data() noexcept { return m_v; }
    friend bool operator==(const D& a, const D& b) noexcept {
        return sameFloats(static_cast<const FloatTuple&>(a).m_v, static_cast<const FloatTuple&>(b).m_v);
    }
    void Serialize(CKelvaraArchive& ar) {
        for (float& f : m_v) {
            if (ar.IsStoring()) ar << f;
            else ar >> f;
        }
    }

protected:
    FloatTuple() = default;
    template <class... F>
    explicit FloatTuple(F... f) noexcept : m_v{f...} {}

    float m_v[N] = {};
};

// Three coordinates x, y, z.
template <class D>
class Float3 : public FloatTuple<D, 3> {
public:
    float x() const noexcept { return this->m_v[0]; }
    float y() const noexcept { return this->m_v[1]; }
    float z() const noexcept { return this->m_v[2]; }
    void set(float x, float y, float z) noexcept {
        this->m_v[0] = x;
        this->m_v[1] = y;
        this->m_v[2] = z;
    }

protected:
    Float3() = default;
    Float3(float x, float y, float z) noexcept : FloatTuple<D, 3>(x, y, z) {}
};

}  // namespace kelvara::detail

class CGraphicalVector3D;

class CGraphicalPoint3D : public kelvara::detail::Float3<CGraphicalPoint3D> {
public:
    CGraphicalPoint3D() = default;
    CGraphicalPoint3D(float x, float y, float z) : Float3(x, y, z) {}
    explicit CGraphicalPoint3D(const CGraphicalVector3D& v);
};

class CGraphicalVector3D : public kelvara::detail::Float3<CGraphicalVector3D> {
public:
    CGraphicalVector3D() = default;
    CGraphicalVector3D(float x, float y, float z) : Float3(x, y, z) {}
    explicit CGraphicalVector3D(const CGraphicalPoint3D& p) : Float3(p.x(), p.y(), p.z()) {}

    float length() const noexcept { return std::sqrt(dot(*this)); }
    float dot(const CGraphicalVector3D& o) const noexcept { return x() * o.x() + y() * o.y() + z() * o.z(); }
    // Scales to unit length; a zero vector is left as it is and the answer is false.
    bool normalize() noexcept {
        const float len = length();
        if (!(len > 0.0f)) return false;
        for (float& f : m_v) f /= len;
        return true;
    }
    CGraphicalVector3D operator*(const CGraphicalVector3D& o) const noexcept {  // cross product
        return {y() * o.z() - z() * o.y(), z() * o.x() - x() * o.z(), x() * o.y() - y() * o.x()};
    }
    CGraphicalVector3D operator*(float s) const noexcept { return {x() * s, y() * s, z() * s}; }
    CGraphicalVector3D operator+(const CGraphicalVector3D& o) const noexcept { return {x() + o.x(), y() + o.y(), z() + o.z()}; }
    CGraphicalVector3D operator-(const CGraphicalVector3D& o) const noexcept { return {x() - o.x(), y() - o.y(), z() - o.z()}; }
};

inline CGraphicalPoint3D::CGraphicalPoint3D(const CGraphicalVector3D& v) : Float3(v.x(), v.y(), v.z()) {}

class CGraphicalPoint2D : public kelvara::detail::FloatTuple<CGraphicalPoint2D, 2> {
public:
    CGraphicalPoint2D() = default;
    CGraphicalPoint2D(float x, float y) : FloatTuple(x, y) {}

    float x() const noexcept { return m_v[0]; }
    float y() const noexcept { return m_v[1]; }
    void set(float x, float y) noexcept {
        m_v[0] = x;
        m_v[1] = y;
    }
};

// The plane a·x + b·y + c·z + d = 0.
class CPlane : public kelvara::detail::FloatTuple<CPlane, 4> {
public:
    CPlane() = default;
    CPlane(float a, float b, float c, float d) : FloatTuple(a, b, c, d) {}

    float a() const noexcept { return m_v[0]; }
    float b() const noexcept { return m_v[1]; }
    float c() const noexcept { return m_v[2]; }
    float d() const noexcept { return m_v[3]; }
};

// A rotation as the quaternion (x, y, z, w); the default is the identity rotation.
class CQuat : public kelvara::detail::FloatTuple<CQuat, 4> {
public:
    CQuat() : FloatTuple(0.0f, 0.0f, 0.0f, 1.0f) {}
    CQuat(float x, float y, float z, float w) : FloatTuple(x, y, z, w) {}

    float x() const noexcept { return m_v[0]; }
    float y() const noexcept { return m_v[1]; }
    float z() const noexcept { return m_v[2]; }
    float w() const noexcept { return m_v[3]; }
};
