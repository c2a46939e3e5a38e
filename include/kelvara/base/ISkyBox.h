// A sky around the scene: its images and, when the sky is a cube, which image lies on each face.
#pragma once

#include "kelvara/base/ICubeMap.h"
#include "kelvara/base/IGraphicalImage.h"

KELVARA_FORWARD(SkyBox)

#define KELVARA_SKYBOX_FIELDS(F)        \
    F(IDENTITY, CSkyBoxID, ID)          \
    F(VALUE, CProjectString, Name)      \
    F(OPTIONAL, CCubeMap, CubeMap)      \
    F(CHILDREN, CGraphicalImageArray, ImageArray)

class ISkyBox : public CRecord<ISkyBox> {
    KELVARA_INTERFACE(SkyBox)
    KELVARA_RECORD(ISkyBox, "SkyBox", KELVARA_SKYBOX_FIELDS)

public:
    virtual ICubeMapHandle getCubeMap() const = 0;              // empty when there is none
    virtual ICubeMapWritableHandle allocateCubeMap() = 0;       // creates a cleared one when absent
    virtual void clearCubeMap() = 0;
    void setCubeMap(const ICubeMap& cubeMap) { (*allocateCubeMap()).copyFrom(cubeMap); }

    virtual IGraphicalImageArrayHandle getImageArray() const = 0;
    void setImageArray(const IGraphicalImageArrayHandle& images) { getImageArray().copyFrom(images); }

private:
    virtual int addImage(const IGraphicalImage& image) = 0;            // position, or -1 when present
    virtual bool removeImage(const CGraphicalImageID& id) = 0;
};

KELVARA_INTERFACE_ARRAY(SkyBox, CSkyBoxID, false)
