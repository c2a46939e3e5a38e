// An image kept as the raw bytes of its file, with the path it came from and its pixel width.
// The bytes are a buffer from malloc that the image adopts and finally releases with free.
#pragma once

#include <cstdint>

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

// The pixel width and the adopted bytes. Copies copy the bytes into a buffer of their own;
// equality compares the width and the bytes (not the pointers). Archive form: the width (32-bit
// unsigned), the count (64-bit unsigned), then the bytes.
class CBinImageContent {
public:
    CBinImageContent() = default;
    CBinImageContent(const CBinImageContent& other) { copyBytes(other); m_width = other.m_width; }
    CBinImageContent& operator=(const CBinImageContent& other);
    ~CBinImageContent();

    unsigned int getWidth() const noexcept { return m_width; }
    void setWidth(unsigned int width) noexcept { m_width = width; }
    // Adopts bytes (no copy), releasing a buffer held before unless it is the same one.
    void setBytes(std::uint64_t count, unsigned char* bytes);
    void getBytes(std::uint64_t* count, unsigned char** bytes) const;
    // Releases the buffer and zeroes count and pointer, only when both are non-zero.
    void freeBytes();

    bool operator==(const CBinImageContent& other) const noexcept;
    void Serialize(CKelvaraArchive& ar);

private:
    void copyBytes(const CBinImageContent& other);

    unsigned int m_width = 0;
    std::uint64_t m_count = 0;
    unsigned char* m_bytes = nullptr;
};



#define KELVARA_FIELDS_BinImage(F) \
    F(IDENTITY, CBinImageID, ID, CBinImageID::generated(), 1) \
    F(VALUE, CProjectString, Path, {}, 1)                     \
    F(READONLY, CBinImageContent, Content, {}, 1)

class IBinImage : public CRecord<IBinImage> {
    KELVARA_INTERFACE(BinImage)
    KELVARA_RECORD(IBinImage, "BinImage", KELVARA_FIELDS_BinImage)

public:
    unsigned int getWidth() const { return getContent().getWidth(); }
    void setWidth(unsigned int width) { getWritableContent().setWidth(width); }
    void setBytes(std::uint64_t count, unsigned char* bytes) { getWritableContent().setBytes(count, bytes); }
    void getBytes(std::uint64_t* count, unsigned char** bytes) const { getContent().getBytes(count, bytes); }
    void freeBytes() { getWritableContent().freeBytes(); }
};

