#include "kelvara/base/IGraphicalMaterial.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <optional>

// ---- CGraphicalMaterialBuffer ----

CGraphicalMaterialBuffer& CGraphicalMaterialBuffer::operator=(const CGraphicalMaterialBuffer& other) {
    if (this != &other) assign(other.data(), other.length());
    return *this;
}

void CGraphicalMaterialBuffer::assign(const char* bytes, int count) {
    if (!bytes || count < 1) {
        reset();
        return;
    }
    auto fresh = std::make_unique<char[]>(static_cast<std::size_t>(count) + 1);  // zero-filled
    std::memcpy(fresh.get(), bytes, static_cast<std::size_t>(count));
    m_bytes = std::move(fresh);
    m_length = count;
}

void CGraphicalMaterialBuffer::reset() noexcept {
    m_bytes.reset();
    m_length = 0;
}

char* CGraphicalMaterialBuffer::replaceFragment(int start, int oldLength, int newLength) {
    if (start < 0 && oldLength < 0) {
        reset();
        if (newLength < 1) return nullptr;
        m_bytes = std::make_unique<char[]>(static_cast<std::size_t>(newLength) + 1);
        m_length = newLength;
        return m_bytes.get();
    }
    // Only ranges inside the buffer are edited; anything else would read or write past its end.
    if (start < 0 || oldLength < 0 || newLength < 0) return nullptr;
    if (start > m_length || oldLength > m_length - start) return nullptr;
    if (oldLength == newLength) {
        if (m_bytes) std::memset(m_bytes.get() + start, 0, static_cast<std::size_t>(newLength));
        return m_bytes.get();
    }
    const long long total = static_cast<long long>(m_length) - oldLength + newLength;
    if (total >= INT_MAX) return nullptr;
    const auto size = static_cast<std::size_t>(total);
    auto fresh = std::make_unique<char[]>(size + 1);  // zero-filled: the new fragment and the terminator
    if (m_bytes) {
        std::memcpy(fresh.get(), m_bytes.get(), static_cast<std::size_t>(start));
        std::memcpy(fresh.get() + start + newLength, m_bytes.get() + start + oldLength,
                    static_cast<std::size_t>(m_length - start - oldLength));
    }
    m_bytes = std::move(fresh);
    m_length = static_cast<int>(total);
    return m_bytes.get();
}

int CGraphicalMaterialBuffer::compare(const CGraphicalMaterialBuffer& other) const noexcept {
    const std::string_view a = text(), b = other.text();
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void CGraphicalMaterialBuffer::Serialize(CKelvaraArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_length;
        if (m_length > 0) ar.Write(m_bytes.get(), static_cast<UINT>(m_length));
        return;
    }
    const int count = ar.readCount("material text bytes", 1);
    if (count == 0) {
        reset();
        return;
    }
    auto fresh = std::make_unique<char[]>(static_cast<std::size_t>(count) + 1);
    if (ar.Read(fresh.get(), static_cast<UINT>(count)) != static_cast<UINT>(count))
        ar.fail(CArchiveException::endOfFile, "material text shorter than its count");
    m_bytes = std::move(fresh);
    m_length = count;
}

// ---- The colour-definition text ----

namespace {

struct Entry {
    int start;        // the entry's first byte
    int end;          // past the entry, its ';' included
    int valueStart;   // past the '='
    int valueLength;  // up to the ';' or the end of the text
};

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::optional<Entry> findEntry(std::string_view text, std::string_view key) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t stop = text.find(';', pos);
        const bool last = stop == std::string_view::npos;
        if (last) stop = text.size();
        const std::string_view entry = text.substr(pos, stop - pos);
        const std::size_t equals = entry.find('=');
        if (equals != std::string_view::npos && trimmed(entry.substr(0, equals)) == key) {
            const auto valueStart = static_cast<int>(pos + equals + 1);
            return Entry{static_cast<int>(pos), static_cast<int>(last ? stop : stop + 1), valueStart,
                         static_cast<int>(stop) - valueStart};
        }
        pos = stop + 1;
    }
    return std::nullopt;
}

// Exactly n numbers separated by spaces.
bool parseNumbers(std::string_view s, float* out, int n) {
    const char* p = s.data();
    const char* end = p + s.size();
    for (int i = 0; i < n; ++i) {
        while (p < end && *p == ' ') ++p;
        const auto [next, error] = std::from_chars(p, end, out[i]);
        if (error != std::errc()) return false;
        p = next;
    }
    while (p < end && *p == ' ') ++p;
    return p == end;
}

// The shortest text that reads back as the same float.
void appendNumber(std::string& s, float value) {
    char digits[64];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    s.append(digits, result.ptr);
}

}  // namespace

const char* IGraphicalMaterial::keyOf(EnumMaterialType type) noexcept {
    static const char* const keys[] = {"Ambient", "Diffuse", "Specular", "Emissive", "Transparency", "Shininess"};
    return (type >= Ambient && type <= Shininess) ? keys[type] : nullptr;
}

void IGraphicalMaterial::setColorDefinition(const char* text) {
    const std::string copy(text ? text : "");  // text may lie in the buffer about to be discarded
    char* bytes = replaceFragmentInBuffer(-1, -1, static_cast<int>(copy.size()));
    if (bytes) std::memcpy(bytes, copy.data(), copy.size());
}

bool IGraphicalMaterial::setEntry(EnumMaterialType type, std::string_view values) {
    const std::string_view key = keyOf(type);
    const std::string_view text = getBuffer().text();
    if (const auto entry = findEntry(text, key)) {
        char* bytes = replaceFragmentInBuffer(entry->valueStart, entry->valueLength, static_cast<int>(values.size()));
        if (!bytes) return false;
        std::memcpy(bytes + entry->valueStart, values.data(), values.size());
        return true;
    }
    std::string fragment;
    if (!text.empty() && text.back() != ';') fragment += ';';
    fragment.append(key).append("=").append(values).append(";");
    const int at = getBufferLen();
    char* bytes = replaceFragmentInBuffer(at, 0, static_cast<int>(fragment.size()));
    if (!bytes) return false;
    std::memcpy(bytes + at, fragment.data(), fragment.size());
    return true;
}

bool IGraphicalMaterial::setColor(EnumMaterialType type, const CProjectColorRGB& color) {
    if (!isColorType(type)) return false;
    std::string values;
    appendNumber(values, color.red());
    values += ' ';
    appendNumber(values, color.green());
    values += ' ';
    appendNumber(values, color.blue());
    return setEntry(type, values);
}

bool IGraphicalMaterial::setFloat(EnumMaterialType type, float value) {
    if (!keyOf(type) || isColorType(type)) return false;
    std::string values;
    appendNumber(values, value);
    return setEntry(type, values);
}

bool IGraphicalMaterial::getColor(EnumMaterialType type, CProjectColorRGB& color) const {
    if (!isColorType(type)) return false;
    const std::string_view text = getBuffer().text();
    const auto entry = findEntry(text, keyOf(type));
    float rgb[3];
    if (!entry || !parseNumbers(text.substr(static_cast<std::size_t>(entry->valueStart), static_cast<std::size_t>(entry->valueLength)), rgb, 3))
        return false;
    color = CProjectColorRGB(rgb);
    return true;
}

bool IGraphicalMaterial::getFloat(EnumMaterialType type, float& value) const {
    if (!keyOf(type) || isColorType(type)) return false;
    const std::string_view text = getBuffer().text();
    const auto entry = findEntry(text, keyOf(type));
    float number = 0.0f;
    if (!entry || !parseNumbers(text.substr(static_cast<std::size_t>(entry->valueStart), static_cast<std::size_t>(entry->valueLength)), &number, 1))
        return false;
    value = number;
    return true;
}

bool IGraphicalMaterial::hasValue(EnumMaterialType type) const {
    return keyOf(type) && findEntry(getBuffer().text(), keyOf(type)).has_value();
}

bool IGraphicalMaterial::removeValue(EnumMaterialType type) {
    if (!keyOf(type)) return false;
    const auto entry = findEntry(getBuffer().text(), keyOf(type));
    if (!entry) return false;
    replaceFragmentInBuffer(entry->start, entry->end - entry->start, 0);
    return true;
}

// ---- Copy, archive, order ----

void IGraphicalMaterial::copyRecord(const IGraphicalMaterial& other) {
    getWritableBuffer() = other.getBuffer();
    if (other.getTextureDefinitionIDArray().GetSize() == 0) clearTextureDefinitionIDArray();
    else setTextureDefinitionIDArray(other.getTextureDefinitionIDArray());
}

bool IGraphicalMaterial::equalRecord(const IGraphicalMaterial& other) const {
    return getBuffer() == other.getBuffer() && getTextureDefinitionIDArray() == other.getTextureDefinitionIDArray();
}

void IGraphicalMaterial::initializeRecord() {
    getWritableBuffer().reset();
    clearTextureDefinitionIDArray();
}

void IGraphicalMaterial::serializeRecord(CKelvaraArchive& ar) {
    getWritableBuffer().Serialize(ar);
    CTextureDefinitionIDArray ids;
    if (ar.IsStoring()) {
        ids = getTextureDefinitionIDArray();
        ids.Serialize(ar);
    } else {
        ids.Serialize(ar);
        if (ids.GetSize() == 0) clearTextureDefinitionIDArray();
        else setTextureDefinitionIDArray(ids);
    }
}

bool IGraphicalMaterial::operator<(const IGraphicalMaterial& other) const {
    if (const int c = getBuffer().compare(other.getBuffer())) return c < 0;
    const CTextureDefinitionIDArray& mine = getTextureDefinitionIDArray();
    const CTextureDefinitionIDArray& theirs = other.getTextureDefinitionIDArray();
    const int n = std::min(mine.GetSize(), theirs.GetSize());
    for (int i = 0; i < n; ++i)
        if (const int c = mine.getConstReference(i).compare(&theirs.getConstReference(i))) return c < 0;
    return mine.GetSize() < theirs.GetSize();
}
