#include "kelvara/base/Values.h"

#include <algorithm>

CProjectColorRGB::CProjectColorRGB(unsigned long colorref)
    : m_rgb{static_cast<float>(colorref & 0xFF) / 255.0f, static_cast<float>((colorref >> 8) & 0xFF) / 255.0f,
            static_cast<float>((colorref >> 16) & 0xFF) / 255.0f} {}

int CProjectColorRGB::toInt(float channel) noexcept {
    const float scaled = channel * 255.0f;
    // Truncation toward zero; values outside int's range (or NaN) saturate instead of being undefined.
    if (!(scaled > -2147483648.0f)) return scaled != scaled ? 0 : -2147483647 - 1;
    if (!(scaled < 2147483648.0f)) return 2147483647;
    return static_cast<int>(scaled);
}

CProjectColorRGB::operator unsigned long() const noexcept {
    const auto r = static_cast<unsigned long>(static_cast<unsigned>(redInt()) & 0xFFu);
    const auto g = static_cast<unsigned long>(static_cast<unsigned>(greenInt()) & 0xFFu);
    const auto b = static_cast<unsigned long>(static_cast<unsigned>(blueInt()) & 0xFFu);
    return r | (g << 8) | (b << 16);
}

CProjectColorRGB CProjectColorRGB::getTransmissionColor(double transparency) noexcept {
    double t = transparency > 0.0 ? transparency : 0.0;  // NaN fails the test and counts as 0
    if (t > 1.0) t = 1.0;
    const auto channel = static_cast<float>(t);
    return CProjectColorRGB(channel, channel, channel);
}

bool CProjectColorRGB::operator==(const CProjectColorRGB& other) const noexcept {
    for (int i = 0; i < 3; ++i)
        if (!kelvara::detail::sameValue(m_rgb[i], other.m_rgb[i])) return false;
    return true;
}

void CProjectColorRGB::Serialize(CKelvaraArchive& ar) {
    if (ar.IsStoring()) ar << m_rgb[0] << m_rgb[1] << m_rgb[2];
    else ar >> m_rgb[0] >> m_rgb[1] >> m_rgb[2];
}

const CProjectString& CProjectStringArray::GetAt(int i) const {
    static const CProjectString empty;
    return (i < 0 || i >= GetSize()) ? empty : m_items[static_cast<std::size_t>(i)];
}

void CProjectStringArray::SetAt(int i, const CProjectString& value) {
    if (i < 0 || i >= GetSize()) return;
    m_sorted = false;
    m_items[static_cast<std::size_t>(i)] = value;
}

int CProjectStringArray::Add(const CProjectString& value) {
    m_sorted = false;
    m_items.push_back(value);
    return GetSize() - 1;
}

void CProjectStringArray::InsertAt(int i, const CProjectString& value) {
    m_sorted = false;
    if (i < 0 || i > GetSize()) i = GetSize();
    m_items.insert(m_items.begin() + i, value);
}

void CProjectStringArray::RemoveAt(int i) {
    if (i >= 0 && i < GetSize()) m_items.erase(m_items.begin() + i);
}

void CProjectStringArray::RemoveAll() {
    m_sorted = false;
    m_items.clear();
}

void CProjectStringArray::SetSize(int n) {
    m_sorted = false;
    m_items.resize(static_cast<std::size_t>(std::max(n, 0)));
}

void CProjectStringArray::sort() {
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const CProjectString& a, const CProjectString& b) { return a.getValue() < b.getValue(); });
    m_sorted = true;
}

void CProjectStringArray::Serialize(CKelvaraArchive& ar) {
    if (ar.IsStoring()) {
        ar << GetSize() << m_sorted;
        for (auto& s : m_items) s.Serialize(ar);
        return;
    }
    const int n = ar.readCount("texts", 2);
    bool sorted = false;
    ar >> sorted;
    std::vector<CProjectString> items;
    for (int i = 0; i < n; ++i) items.emplace_back().Serialize(ar);
    m_items = std::move(items);
    m_sorted = sorted;
}
