#include "kelvara/base/IGraphicalImage.h"

#include <algorithm>
#include <cstring>

void CGraphicalImageData::setData(const unsigned char* bytes, int n) {
    if (n < 1) {
        m_bytes.clear();
        return;
    }
    std::vector<unsigned char> fresh(static_cast<std::size_t>(n), 0);
    if (bytes) std::memcpy(fresh.data(), bytes, fresh.size());
    else if (!m_bytes.empty()) std::memcpy(fresh.data(), m_bytes.data(), std::min(fresh.size(), m_bytes.size()));
    m_bytes.swap(fresh);
}

void CGraphicalImageData::Serialize(CKelvaraArchive& ar) {
    if (ar.IsStoring()) {
        ar << getSize();
        if (!m_bytes.empty()) ar.Write(m_bytes.data(), static_cast<UINT>(m_bytes.size()));
        return;
    }
    const int count = ar.readCount("image bytes", 1);
    std::vector<unsigned char> fresh(static_cast<std::size_t>(count));
    if (count > 0 && ar.Read(fresh.data(), static_cast<UINT>(count)) != static_cast<UINT>(count))
        ar.fail(CArchiveException::endOfFile, "image bytes shorter than their count");
    m_bytes.swap(fresh);
}

void IGraphicalImage::setImage(const CGraphicalImageFormat& format, int width, int height, const unsigned char* bytes,
                               int size) {
    setFormat(format);
    setWidth(CProjectInt(width));
    setHeight(CProjectInt(height));
    setData(bytes, size);
}
