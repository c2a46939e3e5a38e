// A sky around the scene: its images and, when the sky is a cube, which image lies on each face.
#pragma once

#include "kelvara/base/ICubeMap.h"
#include "kelvara/base/IGraphicalImage.h"


#define KELVARA_FIELDS_SkyBox(F) \
    F(IDENTITY, CSkyBoxID, ID, {}, 1)                              \
    F(VALUE, CProjectString, Name, CProjectString(L"New SkyBox"), 1) \
    F(OPTIONAL, CubeMap, CubeMap, {}, 1)                           \
    F(CHILDREN, GraphicalImage, ImageArray, {}, 1)

class ISkyBox : public CRecord<ISkyBox> {
    KELVARA_INTERFACE(SkyBox)
    KELVARA_RECORD(ISkyBox, "SkyBox", KELVARA_FIELDS_SkyBox)

private:
    virtual int addImage(const IGraphicalImage& image) = 0;            // position, or -1 when present
    virtual bool removeImage(const CGraphicalImageID& id) = 0;
};

