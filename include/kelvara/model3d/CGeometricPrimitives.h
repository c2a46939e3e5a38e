// The stored geometric primitives (see IGeometricPrimitives.h), and CGeometry, the plain
// primitive with no data that out-of-range reads of a geometry bundle answer. Each class holds its
// fields by value: point lists and buffers are one block each.
#pragma once

#include "kelvara/base/IGeometricPrimitives.h"
#include "kelvara/framework/Family.h"
#include "kelvara/framework/Handles.h"
#include "kelvara/model3d/CGraphicalMaterial.h"
#include "kelvara/model3d/CGraphicalTransform.h"
#include "kelvara/model3d/CGraphicalVertexParameters.h"

class CGeometry final : public IGeometry {
public:
    CGeometry() = default;
    CGeometry(const CGeometry&) = default;
    CGeometry& operator=(const CGeometry&) = default;
    ~CGeometry() override = default;
};

class CCircle : public ICircle {
    KELVARA_OBJECT(Circle)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Circle)

public:
    CCircle(const CGraphicalPoint3D& p1, const CGraphicalPoint3D& p2, const CGraphicalPoint3D& p3) : CCircle() {
        setPoint1(p1);
        setPoint2(p2);
        setPoint3(p3);
    }
    ~CCircle() override = default;
};

KELVARA_OBJECT_FAMILY(Circle)

class CCircularArc : public ICircularArc {
    KELVARA_OBJECT(CircularArc)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_CircularArc)

public:
    CCircularArc(const CGraphicalPoint3D& start, const CGraphicalPoint3D& through, const CGraphicalPoint3D& end)
        : CCircularArc() {
        setPoint1(start);
        setPoint2(through);
        setPoint3(end);
    }
    ~CCircularArc() override = default;
};

KELVARA_OBJECT_FAMILY(CircularArc)

class CCylinder : public ICylinder {
    KELVARA_OBJECT(Cylinder)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Cylinder)

public:
    CCylinder(double radius, const CGraphicalPoint3D& p1, const CGraphicalPoint3D& p2, const CCapStyle& capStyle)
        : CCylinder() {
        setRadius(radius);
        setPoint1(p1);
        setPoint2(p2);
        setCapStyle(capStyle);
    }
    ~CCylinder() override = default;
};

KELVARA_OBJECT_FAMILY(Cylinder)

class CEllipse : public IEllipse {
    KELVARA_OBJECT(Ellipse)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Ellipse)

public:
    CEllipse(const CGraphicalPoint3D& center, const CGraphicalVector3D& major, const CGraphicalVector3D& minor)
        : CEllipse() {
        setCenter(center);
        setMajorAxis(major);
        setMinorAxis(minor);
    }
    ~CEllipse() override = default;
};

KELVARA_OBJECT_FAMILY(Ellipse)

class CEllipticalArc : public IEllipticalArc {
    KELVARA_OBJECT(EllipticalArc)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_EllipticalArc)

public:
    CEllipticalArc(const CGraphicalPoint3D& center, const CGraphicalVector3D& major, const CGraphicalVector3D& minor,
                   float start, float end)
        : CEllipticalArc() {
        setCenter(center);
        setMajorAxis(major);
        setMinorAxis(minor);
        setStart(start);
        setEnd(end);
    }
    ~CEllipticalArc() override = default;
};

KELVARA_OBJECT_FAMILY(EllipticalArc)

class CExtrusion : public IExtrusion {
    KELVARA_OBJECT(Extrusion)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Extrusion)

public:
    CExtrusion(const CGraphicalPoint2DArray& profile, float base, float height) : CExtrusion() {
        setPoints(profile);
        setBase(base);
        setHeight(height);
    }
    ~CExtrusion() override = default;
};

KELVARA_OBJECT_FAMILY(Extrusion)

class CInclude : public IInclude {
    KELVARA_OBJECT(Include)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Include)

public:
    explicit CInclude(const CEntity3DID& included) : CInclude() { setIncludeEntityID(included); }
    ~CInclude() override = default;
};

KELVARA_OBJECT_FAMILY(Include)

class CMesh : public IMesh {
    KELVARA_OBJECT(Mesh)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Mesh)

public:
    CMesh(int rows, int columns, const CGraphicalPoint3DArray& points) : CMesh() {
        setRows(rows);
        setColumns(columns);
        setVertexArray(points);
    }

    // When the mesh's colour lies in its vertex parameters' geometry material alone (no face or
    // vertex materials), moves it onto the entity's material (merged over the entity's present
    // colours) and clears the geometry material; false, changing nothing, otherwise. Entity is any
    // type with getMaterial() (a handle, null when it has none) and setMaterial(const
    // IGraphicalMaterial&).
    template <class Entity>
    bool moveGeometryColorUpToEntity(Entity& entity) {
        if (!canMoveGeometryColorUp()) return false;
        const auto present = entity.getMaterial();
        CGraphicalMaterial merged;
        if (!present.isNull()) merged.copyFrom(*present);
        mergeGeometryColorInto(merged);
        entity.setMaterial(merged);
        clearGeometryColor();
        return true;
    }
    // The parts of the move that do not depend on the entity.
    bool canMoveGeometryColorUp() const;
    void mergeGeometryColorInto(IGraphicalMaterial& material) const;
    void clearGeometryColor();
    ~CMesh() override = default;
};

KELVARA_OBJECT_FAMILY(Mesh)

class CNURBSCurve : public INURBSCurve {
    KELVARA_OBJECT(NURBSCurve)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_NURBSCurve)
    KELVARA_GEOMETRY_MEMBER(CGeometryFloatBuffer, KnotBuffer)
    KELVARA_GEOMETRY_MEMBER(CGeometryFloatBuffer, WeightBuffer)

public:
    CNURBSCurve(const CGraphicalPoint3DArray& controlPoints, int degree, int knotCount, const float* knots,
                int weightCount, const float* weights, double startU, double endU)
        : CNURBSCurve() {
        setControlPoints(controlPoints);
        setDegree(degree);
        setKnots(knotCount, knots);
        setWeights(weightCount, weights);
        setStartU(startU);
        setEndU(endU);
    }
    ~CNURBSCurve() override = default;
};

KELVARA_OBJECT_FAMILY(NURBSCurve)

class CNURBSSurface : public INURBSSurface {
    KELVARA_OBJECT(NURBSSurface)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_NURBSSurface)
    KELVARA_GEOMETRY_MEMBER(CGeometryFloatBuffer, KnotUBuffer)
    KELVARA_GEOMETRY_MEMBER(CGeometryFloatBuffer, KnotVBuffer)
    KELVARA_GEOMETRY_MEMBER(CGeometryFloatBuffer, WeightBuffer)

public:
    CNURBSSurface(const CGraphicalPoint3DArray& controlPoints, int countU, int countV, int degreeU, int degreeV,
                  int knotCountU, const float* knotsU, int knotCountV, const float* knotsV, int weightCount,
                  const float* weights)
        : CNURBSSurface() {
        setControlPoints(controlPoints);
        setCountU(countU);
        setCountV(countV);
        setDegreeU(degreeU);
        setDegreeV(degreeV);
        setKnotsU(knotCountU, knotsU);
        setKnotsV(knotCountV, knotsV);
        setWeights(weightCount, weights);
    }
    ~CNURBSSurface() override = default;
};

KELVARA_OBJECT_FAMILY(NURBSSurface)

class CPolyCylinder : public IPolyCylinder {
    KELVARA_OBJECT(PolyCylinder)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_PolyCylinder)
    KELVARA_GEOMETRY_MEMBER(CGeometryFloatBuffer, RadiusBuffer)

public:
    CPolyCylinder(const CGraphicalPoint3DArray& centerLines, int radiusCount, const float* radii, const CCapStyle& capStyle)
        : CPolyCylinder() {
        setCenterLines(centerLines);
        setRadii(radiusCount, radii);
        setCapStyle(capStyle);
    }
    ~CPolyCylinder() override = default;
};

KELVARA_OBJECT_FAMILY(PolyCylinder)

class CPolygon3D : public IPolygon3D {
    KELVARA_OBJECT(Polygon3D)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Polygon3D)

public:
    explicit CPolygon3D(const CGraphicalPoint3DArray& edgePoints) : CPolygon3D() { setEdgePoints(edgePoints); }
    ~CPolygon3D() override = default;
};

KELVARA_OBJECT_FAMILY(Polygon3D)

class CPolyLine3D : public IPolyLine3D {
    KELVARA_OBJECT(PolyLine3D)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_PolyLine3D)

public:
    // A two-point line.
    CPolyLine3D(const CGraphicalPoint3D& p1, const CGraphicalPoint3D& p2) : CPolyLine3D() {
        CGraphicalPoint3DArray points;
        points.Add(p1);
        points.Add(p2);
        setPoints(points);
    }
    explicit CPolyLine3D(const INonUniqueValueArray<CGraphicalPoint3D>& points) : CPolyLine3D() { setPoints(points); }
    ~CPolyLine3D() override = default;
};

KELVARA_OBJECT_FAMILY(PolyLine3D)

class CShell : public IShell {
    KELVARA_OBJECT(Shell)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Shell)
    KELVARA_GEOMETRY_MEMBER(CGeometryIntBuffer, IndexBuffer)

public:
    CShell(const CGraphicalPoint3DArray& points, int indexCount, const int* indices) : CShell() {
        setVertexArray(points);
        setIndexArray(indexCount, indices);
    }
    // n points as n / 3 separate triangles.
    CShell(int n, const CGraphicalPoint3DArray& points) : CShell() { (void)buildNonOptimizedTriShell(n, points); }
    ~CShell() override = default;
};

KELVARA_OBJECT_FAMILY(Shell)

class CShellTristrip : public IShellTristrip {
    KELVARA_OBJECT(ShellTristrip)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_ShellTristrip)
    KELVARA_GEOMETRY_MEMBER(CGeometryIntBuffer, IndexBuffer)

public:
    CShellTristrip(const CGraphicalPoint3DArray& points, int indexCount, const int* indices) : CShellTristrip() {
        setVertexArray(points);
        setIndexArray(indexCount, indices);
    }
    CShellTristrip(int n, const CGraphicalPoint3DArray& points) : CShellTristrip() { (void)buildNonOptimizedTriShell(n, points); }
    ~CShellTristrip() override = default;
};

KELVARA_OBJECT_FAMILY(ShellTristrip)

class CSphere : public ISphere {
    KELVARA_OBJECT(Sphere)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Sphere)

public:
    // A null axis gives (0, 0, 10), a null ortho vector (1, 0, 0).
    CSphere(const CGraphicalPoint3D& center, double radius, const CGraphicalVector3D* axis, const CGraphicalVector3D* ortho)
        : CSphere() {
        setCenter(center);
        setRadius(radius);
        if (axis) setAxisVector(*axis);
        if (ortho) setOrthoVector(*ortho);
    }
    ~CSphere() override = default;
};

KELVARA_OBJECT_FAMILY(Sphere)

class CText : public IText {
    KELVARA_OBJECT(Text)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Text)

public:
    using IText::setText;  // the text-pointer form too
    CText(const CGraphicalPoint3D& center, const wchar_t* text) : CText() {
        setCenter(center);
        setText(text);
    }
    ~CText() override = default;
};

KELVARA_OBJECT_FAMILY(Text)
