// Value types of the geometric primitives: point lists held contiguously, owned number buffers
// (knots, weights, radii, normals, indexes) that keep their count beside their values, a plain
// float setting and the cap style of cylinders. Every one has exact equality (NaN equal to NaN)
// and an archive form that checks a stored count against the bytes left before allocating.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "kelvara/base/CKelvaraEnumeration.h"
#include "kelvara/base/Geometry.h"
#include "kelvara/base/Values.h"

// A list of points held inline, one contiguous block: a mesh of fifty vertices is one
// allocation, never fifty. Reads out of range answer a shared default value.
template <class T>
class CPointList {
public:
    CPointList() = default;
    CPointList(const T* values, int count) {
        if (values && count > 0) m_items.assign(values, values + count);
    }

    int GetSize() const noexcept { return static_cast<int>(m_items.size()); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    bool IsEmpty() const noexcept { return m_items.empty(); }
    const T& GetAt(int i) const {
        static const T none{};
        return (i < 0 || i >= GetSize()) ? none : m_items[static_cast<std::size_t>(i)];
    }
    const T& operator[](int i) const { return GetAt(i); }
    void SetAt(int i, const T& value) {
        if (i >= 0 && i < GetSize()) m_items[static_cast<std::size_t>(i)] = value;
    }
    int Add(const T& value) {
        m_items.push_back(value);
        return GetUpperBound();
    }
    void InsertAt(int i, const T& value) {
        if (i >= 0 && i <= GetSize()) m_items.insert(m_items.begin() + i, value);
    }
    void RemoveAt(int i) {
        if (i >= 0 && i < GetSize()) m_items.erase(m_items.begin() + i);
    }
    void RemoveAll() noexcept { m_items.clear(); }
    // A negative size empties the list; new positions hold the default value.
    void SetSize(int n) { m_items.resize(static_cast<std::size_t>(std::max(n, 0))); }
    void reserve(int n) { m_items.reserve(static_cast<std::size_t>(std::max(n, 0))); }
    const T* data() const noexcept { return m_items.data(); }
    T* data() noexcept { return m_items.data(); }
    std::size_t capacity() const noexcept { return m_items.capacity(); }

    bool operator==(const CPointList& other) const { return m_items == other.m_items; }

    // The count (int), then each value's own archive form. Loading reads aside and takes over only
    // once every value has been read.
    void Serialize(CKelvaraArchive& ar) {
        if (ar.IsStoring()) {
            ar << GetSize();
            for (T& v : m_items) v.Serialize(ar);
            return;
        }
        const int n = ar.readCount("points", sizeof(T));
        std::vector<T> items(static_cast<std::size_t>(n));
        for (T& v : items) v.Serialize(ar);
        m_items = std::move(items);
    }

private:
    std::vector<T> m_items;
};

// The interface name the primitives' constructors take a point list by.
template <class T>
using INonUniqueValueArray = CPointList<T>;

using CGraphicalPoint3DArray = CPointList<CGraphicalPoint3D>;
using CGraphicalPoint2DArray = CPointList<CGraphicalPoint2D>;

// An owned buffer of n numbers (float or int) with its count n. A buffer of 0 holds nothing.
// Every write builds the new values before releasing the old ones, so values taken from the
// buffer itself (a.assign(n - 1, a.data() + 1)) are read while they still exist.
template <class T>
class CGeometryBuffer {
    static_assert(std::is_arithmetic_v<T>);

public:
    CGeometryBuffer() noexcept = default;
    CGeometryBuffer(const CGeometryBuffer& other) { assign(other.m_count, other.m_values.get()); }
    CGeometryBuffer& operator=(const CGeometryBuffer& other) {
        if (this != &other) assign(other.m_count, other.m_values.get());
        return *this;
    }
    CGeometryBuffer(CGeometryBuffer&&) noexcept = default;
    CGeometryBuffer& operator=(CGeometryBuffer&&) noexcept = default;

    int size() const noexcept { return m_count; }
    const T* data() const noexcept { return m_values.get(); }  // null when empty
    T* data() noexcept { return m_values.get(); }

    // n copies of values[0 .. n-1]; n < 1 or null values leave the buffer empty.
    void assign(int n, const T* values) {
        if (n < 1 || !values) {
            reset();
            return;
        }
        std::unique_ptr<T[]> fresh(new T[static_cast<std::size_t>(n)]);
        std::memcpy(fresh.get(), values, sizeof(T) * static_cast<std::size_t>(n));
        m_values = std::move(fresh);
        m_count = n;
    }
    // n values, zero-filled when zero is true; n < 1 leaves the buffer empty.
    void allocate(int n, bool zero = true) {
        if (n < 1) {
            reset();
            return;
        }
        m_values.reset(zero ? new T[static_cast<std::size_t>(n)]() : new T[static_cast<std::size_t>(n)]);
        m_count = n;
    }
    void zeroFill() noexcept {
        if (m_values) std::fill(m_values.get(), m_values.get() + m_count, T{});
    }
    void reset() noexcept {
        m_values.reset();
        m_count = 0;
    }

    bool operator==(const CGeometryBuffer& other) const noexcept {
        if (m_count != other.m_count) return false;
        for (int i = 0; i < m_count; ++i)
            if (!kelvara::detail::sameValue(m_values[static_cast<std::size_t>(i)], other.m_values[static_cast<std::size_t>(i)]))
                return false;
        return true;
    }

    // The count (int), then the values. A negative count aborts; a count the bytes left cannot
    // hold is refused before anything is allocated; a failed load leaves the buffer as it was.
    void Serialize(CKelvaraArchive& ar) {
        if (ar.IsStoring()) {
            ar << m_count;
            for (int i = 0; i < m_count; ++i) ar << m_values[static_cast<std::size_t>(i)];
            return;
        }
        const int n = ar.readCount("numbers", sizeof(T));
        std::unique_ptr<T[]> fresh(n > 0 ? new T[static_cast<std::size_t>(n)] : nullptr);
        for (int i = 0; i < n; ++i) ar >> fresh[static_cast<std::size_t>(i)];
        m_values = std::move(fresh);
        m_count = n;
    }

private:
    std::unique_ptr<T[]> m_values;
    int m_count = 0;
};

using CGeometryFloatBuffer = CGeometryBuffer<float>;
using CGeometryIntBuffer = CGeometryBuffer<int>;

// A single-precision setting with no unset state (an extrusion's base and height): read and
// written as the plain float, stored as 4 bytes.
class CGeometryFloat {
public:
    CGeometryFloat() = default;
    CGeometryFloat(float value) : m_value(value) {}
    float getValue() const noexcept { return m_value; }
    CGeometryFloat& operator=(float value) noexcept {
        m_value = value;
        return *this;
    }
    bool operator==(const CGeometryFloat& other) const noexcept { return kelvara::detail::sameValue(m_value, other.m_value); }
    void Serialize(CKelvaraArchive& ar) {
        if (ar.IsStoring()) ar << m_value;
        else ar >> m_value;
    }

private:
    float m_value = 0.0f;
};

// Which ends of a cylinder or tube are closed by a disc.
KELVARA_ENUMERATION(CCapStyle,
                    (NoCaps, 0, "None"),
                    (StartCap, 1, "Start"),
                    (EndCap, 2, "End"),
                    (BothCaps, 3, "Both"))
