#include "kelvara/model3d/CSkyBox.h"

CSkyBox::CSkyBox(const CString& name) {
    initialize();
    setName(CProjectString(name));
}

KELVARA_DEFINE_KIND(SkyBox)
