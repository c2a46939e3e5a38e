// The geometric primitives a 3D entity's geometry is made of, each a record with its own field
// list, all derived from IGeometry. Point lists and number buffers are contiguous and carry their
// counts (GeometryValues.h), so a primitive costs a handful of allocations whatever its size.
// Array-valued setters build the new values before releasing the old ones: handing a primitive
// values taken from its own buffer is safe.
#pragma once

#include "kelvara/base/GeometryValues.h"
#include "kelvara/base/IGraphicalMaterial.h"
#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/base/IGraphicalVertexParameters.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

// The kinds with per-vertex data redeclare IGeometry's vertex-parameter accessors through their
// field lists, which cannot mark them override; clang would flag the mix of marked and unmarked
// overrides in those interfaces.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Winconsistent-missing-override"
#endif

// What every primitive shares: its memory estimate and, for the kinds that carry per-vertex data
// (meshes, shells, tubes), the vertex-parameter accessors; the other kinds answer an empty handle.
class IGeometry : public CObjectState {
public:
    ~IGeometry() override = default;

    // Bytes the renderer reserves for the primitive (a fixed size for the simple kinds).
    virtual unsigned long estimateRequiredMemory() const { return 0; }

    virtual IGraphicalVertexParametersHandle getVertexParameters() const { return {}; }
    // An empty handle for a kind without vertex parameters.
    virtual IGraphicalVertexParametersWritableHandle allocateVertexParameters() { return {}; }
    virtual void clearVertexParameters() {}
    bool hasVertexParameters() const { return !getVertexParameters().isNull(); }

protected:
    IGeometry() = default;
    IGeometry(const IGeometry&) = default;
    IGeometry& operator=(const IGeometry&) = default;
};

namespace kelvara::geometry {
// Bytes of a point list or a buffer, for the estimates of the kinds whose size varies.
template <class A>
unsigned long bytesOf(const A& a) {
    return static_cast<unsigned long>(a.size() > 0 ? a.size() : 0) * sizeof(*a.data());
}
template <class T>
unsigned long bytesOf(const CPointList<T>& a) {
    return static_cast<unsigned long>(a.GetSize()) * sizeof(T);
}
inline constexpr unsigned long kBaseEstimate = 64;
}  // namespace kelvara::geometry

// ---- circles, arcs and ellipses ----

#define KELVARA_FIELDS_Circle(F)                    \
    F(VALUE, CGraphicalPoint3D, Point1, {}, 1)      \
    F(VALUE, CGraphicalPoint3D, Point2, {}, 1)      \
    F(VALUE, CGraphicalPoint3D, Point3, {}, 1)

// A circle through three points.
class ICircle : public CRecord<ICircle, IGeometry> {
    KELVARA_INTERFACE(Circle)
    KELVARA_RECORD(ICircle, "Circle", KELVARA_FIELDS_Circle)

public:
    unsigned long estimateRequiredMemory() const override { return 288; }
};

#define KELVARA_FIELDS_CircularArc(F)               \
    F(VALUE, CGraphicalPoint3D, Point1, {}, 1)      \
    F(VALUE, CGraphicalPoint3D, Point2, {}, 1)      \
    F(VALUE, CGraphicalPoint3D, Point3, {}, 1)

// An arc from Point1 through Point2 to Point3.
class ICircularArc : public CRecord<ICircularArc, IGeometry> {
    KELVARA_INTERFACE(CircularArc)
    KELVARA_RECORD(ICircularArc, "CircularArc", KELVARA_FIELDS_CircularArc)

public:
    unsigned long estimateRequiredMemory() const override { return 288; }
};

#define KELVARA_FIELDS_Cylinder(F)                                               \
    F(VALUE, CGraphicalPoint3D, Point1, {}, 1)                                   \
    F(VALUE, CGraphicalPoint3D, Point2, (CGraphicalPoint3D(0.0f, 0.0f, 1.0f)), 1) \
    F(READONLY, CProjectDouble, RadiusValue, CProjectDouble(1.0), 1)             \
    F(VALUE, CCapStyle, CapStyle, CCapStyle(CCapStyle::BothCaps), 1)

// A cylinder along the axis Point1 -> Point2. The radius is stored in double precision and read
// in single precision, as the renderer takes it.
class ICylinder : public CRecord<ICylinder, IGeometry> {
    KELVARA_INTERFACE(Cylinder)
    KELVARA_RECORD(ICylinder, "Cylinder", KELVARA_FIELDS_Cylinder)

public:
    float getRadius() const { return static_cast<float>(getRadiusValue().getValue()); }
    void setRadius(double radius) { setRadiusValue(CProjectDouble(radius)); }
    unsigned long estimateRequiredMemory() const override { return 576; }
};

#define KELVARA_FIELDS_Ellipse(F)                   \
    F(VALUE, CGraphicalPoint3D, Center, {}, 1)      \
    F(VALUE, CGraphicalVector3D, MajorAxis, {}, 1)  \
    F(VALUE, CGraphicalVector3D, MinorAxis, {}, 1)

class IEllipse : public CRecord<IEllipse, IGeometry> {
    KELVARA_INTERFACE(Ellipse)
    KELVARA_RECORD(IEllipse, "Ellipse", KELVARA_FIELDS_Ellipse)

public:
    unsigned long estimateRequiredMemory() const override { return 288; }
};

#define KELVARA_FIELDS_EllipticalArc(F)                      \
    F(VALUE, CGraphicalPoint3D, Center, {}, 1)               \
    F(VALUE, CGraphicalVector3D, MajorAxis, {}, 1)           \
    F(VALUE, CGraphicalVector3D, MinorAxis, {}, 1)           \
    F(PLAIN, CProjectDouble, Start, CProjectDouble(0.0), 1)  \
    F(PLAIN, CProjectDouble, End, CProjectDouble(0.0), 1)

// A part of an ellipse between two parameters along it.
class IEllipticalArc : public CRecord<IEllipticalArc, IGeometry> {
    KELVARA_INTERFACE(EllipticalArc)
    KELVARA_RECORD(IEllipticalArc, "EllipticalArc", KELVARA_FIELDS_EllipticalArc)

public:
    unsigned long estimateRequiredMemory() const override { return 288; }
};

// ---- profiles, references and meshes ----

#define KELVARA_FIELDS_Extrusion(F)                          \
    F(VALUE, CGraphicalPoint2DArray, Points, {}, 1)          \
    F(PLAIN, CGeometryFloat, Base, CGeometryFloat(0.0f), 1)  \
    F(PLAIN, CGeometryFloat, Height, CGeometryFloat(0.0f), 1)

// A planar profile swept along z from Base to Base + Height.
class IExtrusion : public CRecord<IExtrusion, IGeometry> {
    KELVARA_INTERFACE(Extrusion)
    KELVARA_RECORD(IExtrusion, "Extrusion", KELVARA_FIELDS_Extrusion)

public:
    void addPoint(const CGraphicalPoint2D& point) { getWritablePoints().Add(point); }
    unsigned long estimateRequiredMemory() const override {
        return kelvara::geometry::kBaseEstimate + 2 * kelvara::geometry::bytesOf(getPoints());
    }
};

#define KELVARA_FIELDS_Include(F)                          \
    F(VALUE, CEntity3DID, IncludeEntityID, {}, 1)          \
    F(PLAIN, CProjectBool, IsReference, CProjectBool(false), 1) \
    F(OPTIONAL, GraphicalTransform, ReferenceTransform, {}, 1)  \
    F(OPTIONAL, GraphicalMaterial, ReferenceMaterial, {}, 1)

// The geometry of another entity used again here, optionally placed and coloured anew.
class IInclude : public CRecord<IInclude, IGeometry> {
    KELVARA_INTERFACE(Include)
    KELVARA_RECORD(IInclude, "Include", KELVARA_FIELDS_Include)

public:
    CProjectBool& getIsReferenceWritable() { return getWritableIsReference(); }
    unsigned long estimateRequiredMemory() const override { return 0; }
};

#define KELVARA_FIELDS_Mesh(F)                                  \
    F(PLAIN, CProjectInt, Rows, CProjectInt(0), 1)              \
    F(PLAIN, CProjectInt, Columns, CProjectInt(0), 1)           \
    F(VALUE, CGraphicalPoint3DArray, VertexArray, {}, 1)        \
    F(OPTIONAL, GraphicalVertexParameters, VertexParameters, {}, 1)

// A grid of Rows x Columns vertices.
class IMesh : public CRecord<IMesh, IGeometry> {
    KELVARA_INTERFACE(Mesh)
    KELVARA_RECORD(IMesh, "Mesh", KELVARA_FIELDS_Mesh)

public:
    unsigned long estimateRequiredMemory() const override;
};

// ---- curves and surfaces ----

#define KELVARA_FIELDS_NURBSCurve(F)                            \
    F(VALUE, CGraphicalPoint3DArray, ControlPoints, {}, 1)      \
    F(PLAIN, CProjectInt, Degree, CProjectInt(0), 1)            \
    F(MANUAL, CGeometryFloatBuffer, KnotBuffer, {}, 1)          \
    F(MANUAL, CGeometryFloatBuffer, WeightBuffer, {}, 1)        \
    F(PLAIN, CProjectDouble, StartU, CProjectDouble(0.0), 1)    \
    F(PLAIN, CProjectDouble, EndU, CProjectDouble(0.0), 1)

class INURBSCurve : public CRecord<INURBSCurve, IGeometry> {
    KELVARA_INTERFACE(NURBSCurve)
    KELVARA_RECORD(INURBSCurve, "NURBSCurve", KELVARA_FIELDS_NURBSCurve)

public:
    virtual const CGeometryFloatBuffer& getKnotBuffer() const = 0;
    virtual const CGeometryFloatBuffer& getWeightBuffer() const = 0;

    int getKnotCount() const { return getKnotBuffer().size(); }
    const float* getKnots() const { return getKnotBuffer().data(); }
    int getWeightCount() const { return getWeightBuffer().size(); }
    const float* getWeights() const { return getWeightBuffer().data(); }
    // n values copied in (n < 1 or null: none); the values may come from this curve's own buffer.
    void setKnots(int n, const float* values) { getWritableKnotBuffer().assign(n, values); }
    void setWeights(int n, const float* values) { getWritableWeightBuffer().assign(n, values); }
    void allocateKnots(int n) { getWritableKnotBuffer().allocate(n); }
    void allocateWeights(int n) { getWritableWeightBuffer().allocate(n); }
    float* getWritableKnots() { return getWritableKnotBuffer().data(); }
    float* getWritableWeights() { return getWritableWeightBuffer().data(); }
    void clearKnots() { getWritableKnotBuffer().reset(); }
    void clearWeights() { getWritableWeightBuffer().reset(); }
    unsigned long estimateRequiredMemory() const override {
        using kelvara::geometry::bytesOf;
        return kelvara::geometry::kBaseEstimate + bytesOf(getControlPoints()) + bytesOf(getKnotBuffer()) + bytesOf(getWeightBuffer());
    }

private:
    virtual CGeometryFloatBuffer& getWritableKnotBuffer() = 0;
    virtual CGeometryFloatBuffer& getWritableWeightBuffer() = 0;
};

#define KELVARA_FIELDS_NURBSSurface(F)                          \
    F(VALUE, CGraphicalPoint3DArray, ControlPoints, {}, 1)      \
    F(PLAIN, CProjectInt, CountU, CProjectInt(0), 1)            \
    F(PLAIN, CProjectInt, CountV, CProjectInt(0), 1)            \
    F(PLAIN, CProjectInt, DegreeU, CProjectInt(0), 1)           \
    F(PLAIN, CProjectInt, DegreeV, CProjectInt(0), 1)           \
    F(MANUAL, CGeometryFloatBuffer, KnotUBuffer, {}, 1)         \
    F(MANUAL, CGeometryFloatBuffer, KnotVBuffer, {}, 1)         \
    F(MANUAL, CGeometryFloatBuffer, WeightBuffer, {}, 1)

class INURBSSurface : public CRecord<INURBSSurface, IGeometry> {
    KELVARA_INTERFACE(NURBSSurface)
    KELVARA_RECORD(INURBSSurface, "NURBSSurface", KELVARA_FIELDS_NURBSSurface)

public:
    virtual const CGeometryFloatBuffer& getKnotUBuffer() const = 0;
    virtual const CGeometryFloatBuffer& getKnotVBuffer() const = 0;
    virtual const CGeometryFloatBuffer& getWeightBuffer() const = 0;

    int getKnotCountU() const { return getKnotUBuffer().size(); }
    const float* getKnotsU() const { return getKnotUBuffer().data(); }
    int getKnotCountV() const { return getKnotVBuffer().size(); }
    const float* getKnotsV() const { return getKnotVBuffer().data(); }
    int getWeightCount() const { return getWeightBuffer().size(); }
    const float* getWeights() const { return getWeightBuffer().data(); }
    void setKnotsU(int n, const float* values) { getWritableKnotUBuffer().assign(n, values); }
    void setKnotsV(int n, const float* values) { getWritableKnotVBuffer().assign(n, values); }
    void setWeights(int n, const float* values) { getWritableWeightBuffer().assign(n, values); }
    void allocateKnotsU(int n) { getWritableKnotUBuffer().allocate(n); }
    void allocateKnotsV(int n) { getWritableKnotVBuffer().allocate(n); }
    void allocateWeights(int n) { getWritableWeightBuffer().allocate(n); }
    void clearKnotsU() { getWritableKnotUBuffer().reset(); }
    void clearKnotsV() { getWritableKnotVBuffer().reset(); }
    void clearWeights() { getWritableWeightBuffer().reset(); }
    unsigned long estimateRequiredMemory() const override {
        using kelvara::geometry::bytesOf;
        return kelvara::geometry::kBaseEstimate + bytesOf(getControlPoints()) + bytesOf(getKnotUBuffer()) +
               bytesOf(getKnotVBuffer()) + bytesOf(getWeightBuffer());
    }

private:
    virtual CGeometryFloatBuffer& getWritableKnotUBuffer() = 0;
    virtual CGeometryFloatBuffer& getWritableKnotVBuffer() = 0;
    virtual CGeometryFloatBuffer& getWritableWeightBuffer() = 0;
};

#define KELVARA_FIELDS_PolyCylinder(F)                                   \
    F(VALUE, CGraphicalPoint3DArray, CenterLines, {}, 1)                 \
    F(MANUAL, CGeometryFloatBuffer, RadiusBuffer, {}, 1)                 \
    F(VALUE, CCapStyle, CapStyle, CCapStyle(CCapStyle::BothCaps), 1)     \
    F(OPTIONAL, GraphicalVertexParameters, VertexParameters, {}, 1)

// A tube along a centre line, with one radius per centre-line point (or fewer, as given).
class IPolyCylinder : public CRecord<IPolyCylinder, IGeometry> {
    KELVARA_INTERFACE(PolyCylinder)
    KELVARA_RECORD(IPolyCylinder, "PolyCylinder", KELVARA_FIELDS_PolyCylinder)

public:
    virtual const CGeometryFloatBuffer& getRadiusBuffer() const = 0;

    int getRadiusCount() const { return getRadiusBuffer().size(); }
    const float* getRadii() const { return getRadiusBuffer().data(); }
    void setRadii(int n, const float* values) { getWritableRadiusBuffer().assign(n, values); }
    void allocateRadii(int n) { getWritableRadiusBuffer().allocate(n); }
    void clearRadii() { getWritableRadiusBuffer().reset(); }
    unsigned long estimateRequiredMemory() const override;

private:
    virtual CGeometryFloatBuffer& getWritableRadiusBuffer() = 0;
};

#define KELVARA_FIELDS_Polygon3D(F) F(VALUE, CGraphicalPoint3DArray, EdgePoints, {}, 1)

class IPolygon3D : public CRecord<IPolygon3D, IGeometry> {
    KELVARA_INTERFACE(Polygon3D)
    KELVARA_RECORD(IPolygon3D, "Polygon3D", KELVARA_FIELDS_Polygon3D)

public:
    unsigned long estimateRequiredMemory() const override {
        return kelvara::geometry::kBaseEstimate + kelvara::geometry::bytesOf(getEdgePoints());
    }
};

#define KELVARA_FIELDS_PolyLine3D(F) F(VALUE, CGraphicalPoint3DArray, Points, {}, 1)

class IPolyLine3D : public CRecord<IPolyLine3D, IGeometry> {
    KELVARA_INTERFACE(PolyLine3D)
    KELVARA_RECORD(IPolyLine3D, "PolyLine3D", KELVARA_FIELDS_PolyLine3D)

public:
    unsigned long estimateRequiredMemory() const override {
        return kelvara::geometry::kBaseEstimate + kelvara::geometry::bytesOf(getPoints());
    }
};

// ---- shells: vertices and an index list (faces, or triangle strips) ----

#define KELVARA_FIELDS_Shell(F)                                                   \
    F(VALUE, CGraphicalPoint3DArray, VertexArray, {}, 1)                          \
    F(MANUAL, CGeometryIntBuffer, IndexBuffer, {}, 1)                             \
    F(PLAIN, CProjectBool, DisableLightingInterpolation, CProjectBool(false), 1)  \
    F(OPTIONAL, GraphicalVertexParameters, VertexParameters, {}, 1)
#define KELVARA_FIELDS_ShellTristrip(F) KELVARA_FIELDS_Shell(F)

// The part shells and triangle-strip shells share (their index list and its accessors).
#define KELVARA_SHELL_BASE_OPERATIONS                                                          \
public:                                                                                        \
    virtual const CGeometryIntBuffer& getIndexBuffer() const = 0;                              \
    int getIndexArraySize() const { return getIndexBuffer().size(); }                          \
    const int* getVertexIndexArray() const { return getIndexBuffer().data(); }                 \
    /* n indices copied in (n < 1 or null: none); they may come from this shell's own list */  \
    void setIndexArray(int n, const int* indices) { getWritableIndexBuffer().assign(n, indices); } \
    void allocateIndexArray(int n) { getWritableIndexBuffer().allocate(n); }                   \
    void clearIndexArray() { getWritableIndexBuffer().reset(); }                               \
    unsigned long estimateRequiredMemory() const override;                                     \
                                                                                               \
protected:                                                                                     \
    /* The first n points as n / 3 separate triangles, each the index run 3, a, b, c (n a    \
       multiple of 3, at least 3, and no more than the points); false, changing nothing,    \
       otherwise. */                                                                           \
    bool buildNonOptimizedTriShell(int n, const CGraphicalPoint3DArray& points);              \
                                                                                               \
private:                                                                                       \
    virtual CGeometryIntBuffer& getWritableIndexBuffer() = 0;                                  \
                                                                                               \
public:

// Faces as index runs: each face lists its vertex count, then its vertex indices.
class IShell : public CRecord<IShell, IGeometry> {
    KELVARA_INTERFACE(Shell)
    KELVARA_RECORD(IShell, "Shell", KELVARA_FIELDS_Shell)
    KELVARA_SHELL_BASE_OPERATIONS
};

// Triangle strips as index runs: each strip lists its vertex count, then its vertex indices.
class IShellTristrip : public CRecord<IShellTristrip, IGeometry> {
    KELVARA_INTERFACE(ShellTristrip)
    KELVARA_RECORD(IShellTristrip, "ShellTristrip", KELVARA_FIELDS_ShellTristrip)
    KELVARA_SHELL_BASE_OPERATIONS
};

// ---- spheres and texts ----

#define KELVARA_FIELDS_Sphere(F)                                                        \
    F(VALUE, CGraphicalPoint3D, Center, {}, 1)                                          \
    F(PLAIN, CProjectDouble, Radius, CProjectDouble(1.0), 1)                            \
    F(VALUE, CGraphicalVector3D, AxisVector, (CGraphicalVector3D(0.0f, 0.0f, 10.0f)), 1) \
    F(VALUE, CGraphicalVector3D, OrthoVector, (CGraphicalVector3D(1.0f, 0.0f, 0.0f)), 1)

// The axis vector's default (0, 0, 10) is not a unit vector; it is kept as stored files hold it.
class ISphere : public CRecord<ISphere, IGeometry> {
    KELVARA_INTERFACE(Sphere)
    KELVARA_RECORD(ISphere, "Sphere", KELVARA_FIELDS_Sphere)

public:
    unsigned long estimateRequiredMemory() const override { return 6912; }
};

#define KELVARA_FIELDS_Text(F)                     \
    F(VALUE, CGraphicalPoint3D, Center, {}, 1)     \
    F(TEXT, CProjectString, Text, {}, 1)

class IText : public CRecord<IText, IGeometry> {
    KELVARA_INTERFACE(Text)
    KELVARA_RECORD(IText, "Text", KELVARA_FIELDS_Text)

public:
    // A null text is the empty text.
    void setText(const wchar_t* text) { setText(CString(text ? text : L"")); }
    unsigned long estimateRequiredMemory() const override {
        return kelvara::geometry::kBaseEstimate + 2 * static_cast<unsigned long>(getText().getValue().GetLength());
    }
};

#if defined(__clang__)
#pragma clang diagnostic pop
#endif
