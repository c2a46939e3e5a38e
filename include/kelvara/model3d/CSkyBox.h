// The stored sky box (see ISkyBox). A new one is named "New SkyBox", has a null identifier, no
// cube map and no images.
#pragma once

#include "kelvara/base/ISkyBox.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CCubeMap.h"
#include "kelvara/model3d/CGraphicalImage.h"

class CSkyBox : public ISkyBox {
    KELVARA_OBJECT(SkyBox)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_SkyBox)

public:
    explicit CSkyBox(const CString& name);
    ~CSkyBox() override = default;

private:
    int addImage(const IGraphicalImage& image) override { return m_ImageArray.Add(image); }
    bool removeImage(const CGraphicalImageID& id) override { return m_ImageArray.Remove(id); }
};

KELVARA_ROOT_FAMILY(SkyBox)
