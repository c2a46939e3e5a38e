#include "kelvara/base/IBinImage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

CBinImageContent& CBinImageContent::operator=(const CBinImageContent& other) {
    if (this != &other) {
        copyBytes(other);
        m_width = other.m_width;
    }
    return *this;
}

CBinImageContent::~CBinImageContent() { std::free(m_bytes); }

void CBinImageContent::setBytes(std::uint64_t count, unsigned char* bytes) {
    if (m_bytes && m_bytes != bytes) std::free(m_bytes);
    m_bytes = bytes;
    m_count = count;
}

void CBinImageContent::getBytes(std::uint64_t* count, unsigned char** bytes) const {
    if (count) *count = m_count;
    if (bytes) *bytes = m_bytes;
}

void CBinImageContent::freeBytes() {
    if (!m_bytes || m_count == 0) return;
    std::free(m_bytes);
    m_bytes = nullptr;
    m_count = 0;
}

// A copy has a buffer of its own; when none can be had it is left without bytes.
void CBinImageContent::copyBytes(const CBinImageContent& other) {
    unsigned char* copy = nullptr;
    std::uint64_t count = 0;
    if (other.m_bytes && other.m_count > 0) {
        copy = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(other.m_count)));
        if (copy) {
            std::memcpy(copy, other.m_bytes, static_cast<std::size_t>(other.m_count));
            count = other.m_count;
        }
    }
    std::free(m_bytes);
    m_bytes = copy;
    m_count = count;
}

bool CBinImageContent::operator==(const CBinImageContent& other) const noexcept {
    if (m_width != other.m_width || m_count != other.m_count) return false;
    if (m_count == 0 || m_bytes == other.m_bytes) return true;
    if (!m_bytes || !other.m_bytes) return false;
    return std::memcmp(m_bytes, other.m_bytes, static_cast<std::size_t>(m_count)) == 0;
}

void CBinImageContent::Serialize(CKelvaraArchive& ar) {
    if (ar.IsStoring()) {
        // A count without bytes is stored as no bytes at all.
        const std::uint64_t count = m_bytes ? m_count : 0;
        ar << m_width << count;
        for (std::uint64_t done = 0; done < count;) {
            const auto chunk = static_cast<UINT>(std::min<std::uint64_t>(count - done, 1u << 30));
            ar.Write(m_bytes + done, chunk);
            done += chunk;
        }
        return;
    }
    unsigned int width = 0;
    std::uint64_t count = 0;
    ar >> width >> count;
    if (count > ar.remaining())
        ar.fail(CArchiveException::badIndex, "image byte count " + std::to_string(count) + " exceeds the " +
                                                 std::to_string(ar.remaining()) + " bytes that remain");
    unsigned char* bytes = nullptr;
    if (count > 0) {
        bytes = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(count)));
        if (!bytes) ar.fail(CArchiveException::bufferFull, "no memory for the image bytes");
        for (std::uint64_t done = 0; done < count;) {
            const auto chunk = static_cast<UINT>(std::min<std::uint64_t>(count - done, 1u << 30));
            if (ar.Read(bytes + done, chunk) != chunk) {
                std::free(bytes);
                ar.fail(CArchiveException::endOfFile, "image bytes shorter than their count");
            }
            done += chunk;
        }
    }
    m_width = width;
    setBytes(count, bytes);
}
