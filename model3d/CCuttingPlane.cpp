#include "kelvara/model3d/CCuttingPlane.h"

CCuttingPlane::CCuttingPlane(const CString& name) {
    initialize();
    setName(CProjectString(name));
}

KELVARA_DEFINE_KIND(CuttingPlane)
