// The geometry of one 3D entity: seventeen per-kind lists of owned primitives (one list per
// primitive kind) reached as one flat sequence in kind order. A per-kind list exists only once
// something asked to write it; absent lists read as a shared empty list.
//
// ISimpleGeometryArray<I> is one per-kind list. Its reads by position never leave the list: out
// of range they answer a handle on a shared default object of the kind (one for reads, one for
// writes). Copying, appending and inserting a list into itself work from the content as it was.
#pragma once

#include <cstdint>
#include <memory>

#include "kelvara/base/HandleInterfaces.h"
#include "kelvara/base/IGeometricPrimitives.h"

using IGeometryHandle = CWrapperHandle<IGeometry>;
using IGeometryWritableHandle = CWritableWrapperHandle<IGeometry>;

namespace kelvara::detail {

// What the bundle needs of every per-kind list without knowing its kind.
class IGeometryArrayPart {
public:
    virtual ~IGeometryArrayPart() = default;
    virtual int GetSize() const = 0;
    virtual void RemoveAll() = 0;
    virtual CWrapperHandle<IGeometry> getConstGeometryReference(int i) const = 0;
    virtual CWritableWrapperHandle<IGeometry> getWritableGeometryReference(int i) = 0;
    // The element at i as a geometry, null out of range (no handle is made).
    virtual const IGeometry* geometryAt(int i) const = 0;
    virtual bool equalPart(const IGeometryArrayPart& other) const = 0;
    virtual void copyPart(const IGeometryArrayPart& other) = 0;
    virtual void serializePart(CKelvaraArchive& ar) = 0;
    [[nodiscard]] virtual IGeometryArrayPart* clonePart() const = 0;
};

}  // namespace kelvara::detail

template <class I>
class ISimpleGeometryArray : public kelvara::detail::IGeometryArrayPart {
public:
    static constexpr const char* kMarker = "CNonUniquePointerArray";

    virtual CWrapperHandle<I> getConstReference(int i) const = 0;
    virtual CWritableWrapperHandle<I> getWritableReference(int i) = 0;
    CWrapperHandle<IGeometry> getConstGeometryReference(int i) const override = 0;
    CWritableWrapperHandle<IGeometry> getWritableGeometryReference(int i) override = 0;
    // A copy appended; answers its position.
    virtual int Add(const I& element) = 0;
    // Copies of other's elements before position i (0 <= i <= size; otherwise nothing).
    virtual void InsertAt(int i, const ISimpleGeometryArray& other) = 0;
    virtual void InsertAt(int i, const I& element) = 0;
    // Takes the handle's object before position i (a negative i is 0): an object of the stored
    // class itself, any other a copy of it (the object is then deleted). Above the size nothing is
    // inserted and the object stays the caller's, as with every refused attach.
    virtual void Attach(CWritableWrapperHandle<I> object, int i) = 0;
    // Hands the element at i to the caller (who deletes it); empty out of range.
    [[nodiscard]] virtual CWritableWrapperHandle<I> Detach(int i) = 0;
    void RemoveAll() override = 0;
    int GetSize() const override = 0;
    virtual int GetUpperBound() const = 0;
    // Cuts to n elements without deleting those cut, or pads with empty slots: only for an emptied
    // list about to be refilled. A negative n is 0.
    virtual void SetSize(int n) = 0;
    // The element at i, null out of range (no handle is made).
    virtual const I* elementAt(int i) const = 0;
    [[nodiscard]] virtual ISimpleGeometryArray* clone() const = 0;

    CWrapperHandle<I> operator[](int i) const { return getConstReference(i); }
    CWritableWrapperHandle<I> operator[](int i) { return getWritableReference(i); }

    // Copies of other's elements appended in order; answers the size before. Appending the list to
    // itself doubles it.
    int Append(const ISimpleGeometryArray& other);
    // This list becomes a deep copy of other; a copy onto itself changes nothing.
    void Copy(const ISimpleGeometryArray& other);
    void copyFrom(const ISimpleGeometryArray& other) { Copy(other); }
    void initialize() { RemoveAll(); }
    // Moves the element at b to position a (counted after taking it out): false when either is
    // out of range, true at once when they are equal.
    bool changePosition(int a, int b);

    bool operator==(const ISimpleGeometryArray& other) const;
    bool operator!=(const ISimpleGeometryArray& other) const { return !(*this == other); }

    // Record marker (when not null) around the count (int) and each element's record. Loading
    // reads every element aside and takes them over once all are read: a failed load leaves the
    // list as it was. A negative count aborts; a count the bytes left cannot hold is refused
    // before anything is allocated.
    void Serialize(CKelvaraArchive& ar, const char* marker);
    void Serialize(CKelvaraArchive& ar) { Serialize(ar, kMarker); }

    // IGeometryArrayPart
    const IGeometry* geometryAt(int i) const override { return elementAt(i); }
    bool equalPart(const IGeometryArrayPart& other) const override {
        return *this == static_cast<const ISimpleGeometryArray&>(other);
    }
    void copyPart(const IGeometryArrayPart& other) override { Copy(static_cast<const ISimpleGeometryArray&>(other)); }
    void serializePart(CKelvaraArchive& ar) override { Serialize(ar); }
    [[nodiscard]] IGeometryArrayPart* clonePart() const override { return clone(); }

protected:
    // A new default element of the stored class; the caller owns it.
    [[nodiscard]] virtual I* createElement() const = 0;
    // Stores e (created by createElement) in slot i, owning it; an out-of-range i deletes it.
    virtual void putCreatedElement(I* e, int i) = 0;
    // Replaces the whole content by the given elements (all of the stored class), taking them over.
    virtual void adopt(std::unique_ptr<I>* elements, int count) = 0;
};

// Polylines add one operation: a polyline built from a point list.
class IPolyLine3DArray : public ISimpleGeometryArray<IPolyLine3D> {
public:
    [[nodiscard]] IPolyLine3DArray* clone() const override = 0;

    // A polyline through the points, appended; answers its position.
    int AddPointSetAsPolyline(const INonUniqueValueArray<CGraphicalPoint3D>& points);
};

using ICircleArray = ISimpleGeometryArray<ICircle>;
using ICircularArcArray = ISimpleGeometryArray<ICircularArc>;
using ICylinderArray = ISimpleGeometryArray<ICylinder>;
using IEllipseArray = ISimpleGeometryArray<IEllipse>;
using IEllipticalArcArray = ISimpleGeometryArray<IEllipticalArc>;
using IExtrusionArray = ISimpleGeometryArray<IExtrusion>;
using IIncludeArray = ISimpleGeometryArray<IInclude>;
using IMeshArray = ISimpleGeometryArray<IMesh>;
using INURBSCurveArray = ISimpleGeometryArray<INURBSCurve>;
using INURBSSurfaceArray = ISimpleGeometryArray<INURBSSurface>;
using IPolyCylinderArray = ISimpleGeometryArray<IPolyCylinder>;
using IPolygon3DArray = ISimpleGeometryArray<IPolygon3D>;
using IShellArray = ISimpleGeometryArray<IShell>;
using IShellTristripArray = ISimpleGeometryArray<IShellTristrip>;
using ISphereArray = ISimpleGeometryArray<ISphere>;
using ITextArray = ISimpleGeometryArray<IText>;

// The seventeen kinds in the bundle's order (the order of the flat index and of the record):
// X(position, Thing, Plural).
#define KELVARA_GEOMETRY_KINDS(X)          \
    X(0, Circle, Circles)                  \
    X(1, CircularArc, CircularArcs)        \
    X(2, Cylinder, Cylinders)              \
    X(3, Ellipse, Ellipses)                \
    X(4, EllipticalArc, EllipticalArcs)    \
    X(5, Extrusion, Extrusions)            \
    X(6, Include, Includes)                \
    X(7, Mesh, Meshes)                     \
    X(8, NURBSCurve, NurbsCurves)          \
    X(9, NURBSSurface, NurbsSurfaces)      \
    X(10, PolyCylinder, PolyCylinders)     \
    X(11, Polygon3D, Polygon3Ds)           \
    X(12, PolyLine3D, PolyLine3Ds)         \
    X(13, Shell, Shells)                   \
    X(14, ShellTristrip, ShellTristrips)   \
    X(15, Sphere, Spheres)                 \
    X(16, Text, Texts)

#define KELVARA_GEOMETRY_EXTERN_(n, Thing, Plural) extern template class ISimpleGeometryArray<I##Thing>;
KELVARA_GEOMETRY_KINDS(KELVARA_GEOMETRY_EXTERN_)
#undef KELVARA_GEOMETRY_EXTERN_

class IGeometryArray {
public:
    static constexpr int kKindCount = 17;
    static constexpr const char* kRecordName = "GeometryArray";

    virtual ~IGeometryArray() = default;

    // Position i of the flat sequence (the kinds in order, absent kinds contributing nothing). Out
    // of range (negative, or at or past the total) a handle on a shared default geometry.
    virtual IGeometryHandle getConstReference(int i) const = 0;
    virtual IGeometryWritableHandle getWritableReference(int i) const = 0;

#define KELVARA_GEOMETRY_ARRAY_GETTERS_(n, Thing, Plural)                              \
    /* the list, or a shared empty one while absent (never allocates) */               \
    virtual const I##Thing##Array& get##Plural() const = 0;                            \
    /* the list, created when absent */                                                \
    virtual I##Thing##Array& getWritable##Plural() = 0;                                \
    /* deletes the list with its elements */                                           \
    virtual void clear##Plural() = 0;
    KELVARA_GEOMETRY_KINDS(KELVARA_GEOMETRY_ARRAY_GETTERS_)
#undef KELVARA_GEOMETRY_ARRAY_GETTERS_

    // Releases every per-kind list that holds nothing; no element is touched.
    virtual void Optimise() = 0;

    // Deep copy through the getters: kinds empty in other are released here. A copy from itself
    // changes nothing.
    void copyFrom(const IGeometryArray& other);
    // No element of any kind.
    bool IsEmpty() const { return GetSize() == 0; }
    // Elements of every kind together.
    int GetSize() const;
    // The same elements kind by kind (absent equals empty).
    bool operator==(const IGeometryArray& other) const;
    bool operator!=(const IGeometryArray& other) const { return !(*this == other); }

    // Record "GeometryArray": a 32-bit mask of the kinds that hold elements (bit k for kind k),
    // then each such kind's list in kind order. A mask with a bit above the last kind is refused;
    // loading builds the whole bundle aside and takes it over once read.
    void Serialize(CKelvaraArchive& ar);

protected:
    // The list of kind k, null while absent / created when absent.
    virtual const kelvara::detail::IGeometryArrayPart* part(int k) const = 0;
    virtual kelvara::detail::IGeometryArrayPart& writablePart(int k) = 0;
    virtual void clearPart(int k) = 0;
    // Exchanges the whole content with other (of the same class).
    virtual void swapContent(IGeometryArray& other) = 0;
    [[nodiscard]] virtual IGeometryArray* createEmpty() const = 0;
};
