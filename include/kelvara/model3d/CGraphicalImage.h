// The stored graphical image (see IGraphicalImage). A new one has a null identifier, unset texts
// and sizes, the format Unknown and no bytes.
#pragma once

#include "kelvara/base/IGraphicalImage.h"

class CGraphicalImage : public IGraphicalImage {
    KELVARA_OBJECT(GraphicalImage)
    KELVARA_RECORD_MEMBERS(KELVARA_GRAPHICALIMAGE_STORED_FIELDS)

public:
    CGraphicalImage() = default;
    ~CGraphicalImage() override = default;

    const CEntity3DID& getImportedEntityID() const override { return m_ImportedEntityID; }
    void setImportedEntityID(const CEntity3DID& id) override { m_ImportedEntityID = id; }
    CEntity3DID& getWritableImportedEntityID() override { return m_ImportedEntityID; }
    const CGraphicalImageFormat& getFormat() const override { return m_Format; }
    const CProjectInt& getWidth() const override { return m_Width; }
    const CProjectInt& getHeight() const override { return m_Height; }
    const CGraphicalImageData& getImageData() const override { return m_ImageData; }

private:
    void setFormat(const CGraphicalImageFormat& format) override { m_Format = format; }
    void setWidth(const CProjectInt& width) override { m_Width = width; }
    void setHeight(const CProjectInt& height) override { m_Height = height; }
    void setData(const unsigned char* bytes, int n) override { m_ImageData.setData(bytes, n); }
    CGraphicalImageFormat& getWritableFormat() override { return m_Format; }
    CProjectInt& getWritableWidth() override { return m_Width; }
    CProjectInt& getWritableHeight() override { return m_Height; }
    CGraphicalImageData& getWritableImageData() override { return m_ImageData; }

    CEntity3DID m_ImportedEntityID;
    CGraphicalImageFormat m_Format;
    CProjectInt m_Width;
    CProjectInt m_Height;
    CGraphicalImageData m_ImageData;
};

KELVARA_ROOT_FAMILY(GraphicalImage, CGraphicalImageID, false)
