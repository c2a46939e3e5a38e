// An image that sky boxes, users and textures refer to: its encoded bytes with their format and
// pixel size. The format, size and bytes are written only when the image is filled as a whole
// (setImage) or read from an archive.
#pragma once

#include <vector>

#include "kelvara/base/Model3DEnumerations.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

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



#define KELVARA_FIELDS_GraphicalImage(F) \
    F(IDENTITY, CGraphicalImageID, ID, {}, 1)                          \
    F(VALUE, CProjectString, Name, {}, 1)                              \
    F(VALUE, CProjectString, NameOnImport, {}, 1)                      \
    F(VALUE, CEntity3DID, ImportedEntityID, {}, 1)                     \
    F(READONLY, CGraphicalImageFormat, Format, CGraphicalImageFormat::Unknown, 1) \
    F(READONLY, CProjectInt, Width, {}, 1)                             \
    F(READONLY, CProjectInt, Height, {}, 1)                            \
    F(READONLY, CGraphicalImageData, ImageData, {}, 1)

class IGraphicalImage : public CRecord<IGraphicalImage> {
    KELVARA_INTERFACE(GraphicalImage)
    KELVARA_RECORD(IGraphicalImage, "GraphicalImage", KELVARA_FIELDS_GraphicalImage)

public:
    int getSize() const { return getImageData().getSize(); }
    const unsigned char* getData() const { return getImageData().getData(); }

    // Fills the image as a whole: format, pixel size and a copy of size bytes.
    void setImage(const CGraphicalImageFormat& format, int width, int height, const unsigned char* bytes, int size);

private:
    virtual void setData(const unsigned char* bytes, int n) = 0;
};

