#include "kelvara/base/CIDBase.h"

#include <bit>
#include <cstring>
#include <string>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/platform/Guid.h"

namespace {

int hexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// Reads "8-4-4-4-12" hex digits, optionally inside braces.
bool parseGuid(const std::wstring& text, _GUID& out) {
    std::wstring_view s(text);
    if (s.size() == 38 && s.front() == L'{' && s.back() == L'}') s = s.substr(1, 36);
    if (s.size() != 36) return false;
    std::uint8_t bytes[16];
    int n = 0;
    for (std::size_t i = 0; i < 36;) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (s[i] != L'-') return false;
            ++i;
            continue;
        }
        const int hi = hexValue(s[i]), lo = hexValue(s[i + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes[n++] = static_cast<std::uint8_t>(hi * 16 + lo);
        i += 2;
    }
    out.Data1 = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) | bytes[3];
    out.Data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
    out.Data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
    std::memcpy(out.Data4, bytes + 8, 8);
    return true;
}

const _GUID kUnset = {0xFFFFFFFFu, 0xFFFF, 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};

}  // namespace

CIDBase::CIDBase(const CString& text) {
    if (!parseGuid(text.str(), m_guid)) m_guid = kUnset;
}

int CIDBase::compare(const CIDBase* other) const noexcept {
    if (!other) return 1;
    const std::uint64_t a = orderKeyHigh(), b = other->orderKeyHigh();
    if (a != b) return a < b ? -1 : 1;
    const std::uint64_t c = orderKeyLow(), d = other->orderKeyLow();
    if (c != d) return c < d ? -1 : 1;
    return 0;
}

bool CIDBase::isValid() const noexcept { return !(m_guid == kUnset); }

bool CIDBase::isNULL() const noexcept { return m_guid == _GUID{}; }

bool CIDBase::generate() noexcept { return CoCreateGuid(&m_guid) == 0; }

void CIDBase::unset() noexcept { m_guid = kUnset; }

bool CIDBase::setGUID(const CString& text) {
    _GUID parsed;
    if (!parseGuid(text.str(), parsed)) return false;
    m_guid = parsed;
    return true;
}

const _GUID& CIDBase::getNullGUID() noexcept {
    static const _GUID null{};
    return null;
}

CString CIDBase::toString() const {
    static const wchar_t* digits = L"0123456789abcdef";
    std::wstring s;
    s.reserve(36);
    auto put = [&](std::uint64_t v, int nibbles) {
        for (int i = nibbles - 1; i >= 0; --i) s += digits[(v >> (4 * i)) & 0xF];
    };
    put(m_guid.Data1, 8);
    s += L'-';
    put(m_guid.Data2, 4);
    s += L'-';
    put(m_guid.Data3, 4);
    s += L'-';
    put((std::uint64_t{m_guid.Data4[0]} << 8) | m_guid.Data4[1], 4);
    s += L'-';
    for (int i = 2; i < 8; ++i) put(m_guid.Data4[i], 2);
    return CString(std::move(s));
}

UINT CIDBase::HashCode() const noexcept {
    const std::uint64_t h = orderKeyHigh() * 0x9E3779B97F4A7C15ull ^ orderKeyLow();
    return static_cast<UINT>(h ^ (h >> 32));
}

// The archive form is Data1, Data2, Data3 little-endian, then the eight bytes of Data4: on a
// little-endian machine exactly the in-memory layout, so it moves as one 16-byte block.
static_assert(sizeof(_GUID) == 16, "GUID layout must be packed");

void CIDBase::Serialize(CKelvaraArchive& ar) {
    if constexpr (std::endian::native == std::endian::little) {
        if (ar.IsStoring()) ar.Write(&m_guid, 16);
        else {
            if (ar.remaining() < 16)
                ar.fail(CArchiveException::endOfFile,
                        "expected identifier (16 bytes), only " + std::to_string(ar.remaining()) + " remain");
            ar.Read(&m_guid, 16);
        }
        return;
    }
    if (ar.IsStoring()) {
        ar << static_cast<unsigned int>(m_guid.Data1) << m_guid.Data2 << m_guid.Data3;
        ar.Write(m_guid.Data4, 8);
    } else {
        unsigned int d1 = 0;
        ar >> d1 >> m_guid.Data2 >> m_guid.Data3;
        m_guid.Data1 = d1;
        for (auto& b : m_guid.Data4) ar >> b;
    }
}
