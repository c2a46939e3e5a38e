#include "kelvara/model3d/CCuttingPlane.h"

CCuttingPlane::CCuttingPlane() : CCuttingPlane(CString(L"New CuttingPlane")) {}

CCuttingPlane::CCuttingPlane(const CString& name) {
    setName(CProjectString(name));
    setShowPlane(CProjectBool(true));
    setShowManipulator(CProjectBool(true));
}

KELVARA_DEFINE_KIND(CuttingPlane, CCuttingPlaneID, false)
