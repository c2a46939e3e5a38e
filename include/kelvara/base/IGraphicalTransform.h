// The placement of a 3D object: a 4×4 single-precision matrix applied to row vectors (a point is
// multiplied on the left), so the translation lives in row 3 (entries 12, 13, 14) and entry 15 is
// the homogeneous 1. The interface supplies the identity test, the product, copy, equality and the
// archive record over the concrete class's storage.
#pragma once

#include "kelvara/base/Geometry.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

// The 16 entries row by row (entry (r, c) at 4r + c) as one value. Default: the identity.
// Equality is exact (NaN equal to NaN); the archive form is the 16 floats in order.
class CGraphicalTransformMatrix : public kelvara::detail::FloatTuple<CGraphicalTransformMatrix, 16> {
public:
    CGraphicalTransformMatrix() noexcept { setIdentity(); }
    explicit CGraphicalTransformMatrix(const float* entries) noexcept;

    void setIdentity() noexcept;
    bool isIdentity() const noexcept;
};


#define KELVARA_FIELDS_GraphicalTransform(F) F(MANUAL, CGraphicalTransformMatrix, Elements, {}, 1)
class IGraphicalTransform : public CRecord<IGraphicalTransform> {
    KELVARA_INTERFACE(GraphicalTransform)
    KELVARA_RECORD(IGraphicalTransform, "GraphicalTransform", KELVARA_FIELDS_GraphicalTransform)

public:
    virtual const float* getMatrix() const = 0;          // the 16 entries
    virtual void setMatrix(const float* matrix) = 0;     // copies 16 floats; null is ignored
    virtual void setToIdentity() = 0;
    virtual float* getMatrix() = 0;                      // the same storage, writable
    virtual const CGraphicalTransform& getIdentityTransform() const = 0;
    virtual void swapRows(int i, int j) = 0;             // rows outside 0..3 are refused
    virtual const CGraphicalTransformMatrix& getElements() const = 0;

    bool isIdentityTransform() const;
    // This becomes this × other: a point moved by the result moves as by this, then by other.
    void Mult(const IGraphicalTransform& other);

private:
    virtual CGraphicalTransformMatrix& getWritableElements() = 0;
};


// p × m as a row vector; the fourth column is ignored (no perspective division).
CGraphicalPoint3D operator*(const CGraphicalPoint3D& p, const IGraphicalTransform& m);

namespace kelvara::detail {

// A list of owned values held by pointer and seen through their interface I: duplicates allowed,
// no index. Reads out of range answer a shared default value; inserts out of range do nothing.
template <class I>
class IOwnedPointerArray {
public:
    virtual ~IOwnedPointerArray() = default;

    virtual int GetSize() const = 0;
    int GetUpperBound() const { return GetSize() - 1; }
    virtual void SetSize(int size) = 0;                  // grows with default values
    virtual const I& getConstReference(int position) const = 0;
    virtual I& getWritableReference(int position) = 0;

    virtual int Add(const I& value) = 0;                 // a copy; answers the new upper bound
    virtual void InsertAt(int position, const I& value) = 0;
    virtual void InsertAt(int position, const IOwnedPointerArray& other) = 0;
    virtual int Append(const IOwnedPointerArray& other) = 0;  // the size before
    virtual void Attach(I* object, int position) = 0;    // takes ownership (object first)
    [[nodiscard]] virtual I* Detach(int position) = 0;                // ownership passes to the caller
    virtual void RemoveAt(int position) = 0;
    virtual void RemoveAll() = 0;
    virtual void Copy(const IOwnedPointerArray& other) = 0;
    // The name the field lists copy records by, so a record can hold such a list as a field.
    void copyFrom(const IOwnedPointerArray& other) { Copy(other); }
    virtual bool changePosition(int target, int source) = 0;

    // Sizes, then element by element with I's equality, stopping at the first difference.
    bool operator==(const IOwnedPointerArray& other) const {
        if (GetSize() != other.GetSize()) return false;
        for (int i = 0; i < GetSize(); ++i)
            if (getConstReference(i) != other.getConstReference(i)) return false;
        return true;
    }
    bool operator!=(const IOwnedPointerArray& other) const { return !(*this == other); }

    virtual void Serialize(CKelvaraArchive& ar, const char* marker) = 0;
    virtual void Serialize(CKelvaraArchive& ar) = 0;
};

}  // namespace kelvara::detail

class IGraphicalTransformArray : public kelvara::detail::IOwnedPointerArray<IGraphicalTransform> {
public:
    static constexpr const char* kMarker = "CGraphicalTransformArray";
};
