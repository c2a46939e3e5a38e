#include "kelvara/model3d/CSkyBox.h"

CSkyBox::CSkyBox() : CSkyBox(CString(L"New SkyBox")) {}

CSkyBox::CSkyBox(const CString& name) { setName(CProjectString(name)); }

ICubeMapHandle CSkyBox::getCubeMap() const {
    return m_CubeMap ? ICubeMapHandle(new CCubeMapHandle(m_CubeMap.get())) : ICubeMapHandle();
}

ICubeMapWritableHandle CSkyBox::allocateCubeMap() {
    if (!m_CubeMap) m_CubeMap = std::make_unique<CCubeMap>();
    return ICubeMapWritableHandle(new CCubeMapWritableHandle(m_CubeMap.get()));
}

IGraphicalImageArrayHandle CSkyBox::getImageArray() const {
    return IGraphicalImageArrayHandle(new CGraphicalImageArrayHandle(&m_ImageArray));
}

KELVARA_DEFINE_KIND(SkyBox, CSkyBoxID, false)
