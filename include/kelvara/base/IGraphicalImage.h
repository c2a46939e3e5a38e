// An image that sky boxes, users and textures refer to: its encoded bytes with their format and
// pixel size. The format, size and bytes are written only when the image is filled as a whole
// (setImage) or read from an archive.
#pragma once

#include <vector>

#include "kelvara/base/Model3DEnumerations.h"
#include "kelvara/framework/Family.h"

// The bytes of an image. Equality compares the bytes; the archive form is the count (int), then
// the bytes.
class CGraphicalImageData {
public:
    int getSize() const noexcept { return static_cast<int>(m_bytes.size()); }
    const unsigned char* getData() const noexcept { return m_bytes.empty() ? nullptr : m_bytes.data(); }
    // A count below 1 empties; otherwise n bytes, copied from bytes unless it is null (the bytes
    // kept then are the old ones, zero-filled past them). bytes may point into this very data.
    void setData(const unsigned char* bytes, int n);

    bool operator==(const CGraphicalImageData& other) const { return m_bytes == other.m_bytes; }
    void Serialize(CKelvaraArchive& ar);

private:
    std::vector<unsigned char> m_bytes;
};

KELVARA_FORWARD(GraphicalImage)

#define KELVARA_GRAPHICALIMAGE_STORED_FIELDS(F) \
    F(IDENTITY, CGraphicalImageID, ID)          \
    F(VALUE, CProjectString, Name)              \
    F(VALUE, CProjectString, NameOnImport)

#define KELVARA_GRAPHICALIMAGE_FIELDS(F)            \
    KELVARA_GRAPHICALIMAGE_STORED_FIELDS(F)         \
    F(VALUE, CEntity3DID, ImportedEntityID)         \
    F(EMBEDDED, CGraphicalImageFormat, Format)      \
    F(EMBEDDED, CProjectInt, Width)                 \
    F(EMBEDDED, CProjectInt, Height)                \
    F(EMBEDDED, CGraphicalImageData, ImageData)

class IGraphicalImage : public CRecord<IGraphicalImage> {
    KELVARA_INTERFACE(GraphicalImage)
    KELVARA_RECORD(IGraphicalImage, "GraphicalImage", KELVARA_GRAPHICALIMAGE_FIELDS)

public:
    virtual const CGraphicalImageFormat& getFormat() const = 0;
    virtual const CProjectInt& getWidth() const = 0;
    virtual const CProjectInt& getHeight() const = 0;
    virtual const CGraphicalImageData& getImageData() const = 0;
    int getSize() const { return getImageData().getSize(); }
    const unsigned char* getData() const { return getImageData().getData(); }

    // Fills the image as a whole: format, pixel size and a copy of size bytes.
    void setImage(const CGraphicalImageFormat& format, int width, int height, const unsigned char* bytes, int size);

private:
    virtual void setFormat(const CGraphicalImageFormat& format) = 0;
    virtual void setWidth(const CProjectInt& width) = 0;
    virtual void setHeight(const CProjectInt& height) = 0;
    virtual void setData(const unsigned char* bytes, int n) = 0;
    virtual CGraphicalImageFormat& getWritableFormat() = 0;
    virtual CProjectInt& getWritableWidth() = 0;
    virtual CProjectInt& getWritableHeight() = 0;
    virtual CGraphicalImageData& getWritableImageData() = 0;
};

KELVARA_INTERFACE_ARRAY(GraphicalImage, CGraphicalImageID, false)
