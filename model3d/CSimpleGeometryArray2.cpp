// The per-kind geometry lists, instantiated once for each kind (second half of the kinds; two
// files so that they compile in parallel).
#include "SimpleGeometryArrayImpl.h"

template class ISimpleGeometryArray<INURBSSurface>;
template class CSimpleGeometryArray<INURBSSurface, CNURBSSurface, INURBSSurfaceArray>;
template class ISimpleGeometryArray<IPolyCylinder>;
template class CSimpleGeometryArray<IPolyCylinder, CPolyCylinder, IPolyCylinderArray>;
template class ISimpleGeometryArray<IPolygon3D>;
template class CSimpleGeometryArray<IPolygon3D, CPolygon3D, IPolygon3DArray>;
template class ISimpleGeometryArray<IPolyLine3D>;
template class CSimpleGeometryArray<IPolyLine3D, CPolyLine3D, IPolyLine3DArray>;
template class ISimpleGeometryArray<IShell>;
template class CSimpleGeometryArray<IShell, CShell, IShellArray>;
template class ISimpleGeometryArray<IShellTristrip>;
template class CSimpleGeometryArray<IShellTristrip, CShellTristrip, IShellTristripArray>;
template class ISimpleGeometryArray<ISphere>;
template class CSimpleGeometryArray<ISphere, CSphere, ISphereArray>;
template class ISimpleGeometryArray<IText>;
template class CSimpleGeometryArray<IText, CText, ITextArray>;
