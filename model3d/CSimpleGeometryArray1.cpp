// The per-kind geometry lists, instantiated once for each kind (first half of the kinds; two
// files so that they compile in parallel).
#include "SimpleGeometryArrayImpl.h"

template class ISimpleGeometryArray<ICircle>;
template class CSimpleGeometryArray<ICircle, CCircle, ICircleArray>;
template class ISimpleGeometryArray<ICircularArc>;
template class CSimpleGeometryArray<ICircularArc, CCircularArc, ICircularArcArray>;
template class ISimpleGeometryArray<ICylinder>;
template class CSimpleGeometryArray<ICylinder, CCylinder, ICylinderArray>;
template class ISimpleGeometryArray<IEllipse>;
template class CSimpleGeometryArray<IEllipse, CEllipse, IEllipseArray>;
template class ISimpleGeometryArray<IEllipticalArc>;
template class CSimpleGeometryArray<IEllipticalArc, CEllipticalArc, IEllipticalArcArray>;
template class ISimpleGeometryArray<IExtrusion>;
template class CSimpleGeometryArray<IExtrusion, CExtrusion, IExtrusionArray>;
template class ISimpleGeometryArray<IInclude>;
template class CSimpleGeometryArray<IInclude, CInclude, IIncludeArray>;
template class ISimpleGeometryArray<IMesh>;
template class CSimpleGeometryArray<IMesh, CMesh, IMeshArray>;
template class ISimpleGeometryArray<INURBSCurve>;
template class CSimpleGeometryArray<INURBSCurve, CNURBSCurve, INURBSCurveArray>;
