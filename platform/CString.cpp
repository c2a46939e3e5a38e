#include "kelvara/platform/CString.h"
#include "kelvara/platform/Types.h"

#include <algorithm>
#include <cwctype>

namespace {

int clampLength(const std::wstring& s, int start) {
    if (start < 0) return 0;
    return std::min(start, static_cast<int>(s.size()));
}

wchar_t fold(wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); }

int sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

bool operator==(const _GUID& a, const _GUID& b) noexcept {
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
           std::equal(a.Data4, a.Data4 + 8, b.Data4);
}

CString::CString(const wchar_t* text) : m_text(text ? text : L"") {}

CString::CString(const wchar_t* text, int length) {
    if (text && length > 0) m_text.assign(text, static_cast<size_t>(length));
}

CString::CString(const char* text) {
    if (!text) return;
    for (; *text; ++text) m_text += static_cast<wchar_t>(static_cast<unsigned char>(*text));
}

CString::CString(wchar_t ch, int repeat) {
    if (repeat > 0) m_text.assign(static_cast<size_t>(repeat), ch);
}

CString::CString(const CStringA& text) : CString(fromUtf8(text.str())) {}

wchar_t CString::GetAt(int i) const noexcept {
    if (i < 0 || i >= GetLength()) return 0;
    return m_text[static_cast<size_t>(i)];
}

int CString::Compare(const wchar_t* other) const noexcept {
    return sign(m_text.compare(other ? other : L""));
}

int CString::CompareNoCase(const wchar_t* other) const noexcept {
    const wchar_t* a = m_text.c_str();
    const wchar_t* b = other ? other : L"";
    for (;; ++a, ++b) {
        const wchar_t fa = fold(*a), fb = fold(*b);
        if (fa != fb) return fa < fb ? -1 : 1;
        if (fa == 0) return 0;
    }
}

int CString::Find(const wchar_t* sub, int start) const noexcept {
    if (!sub || start < 0 || start > GetLength()) return -1;
    const auto at = m_text.find(sub, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(wchar_t ch, int start) const noexcept {
    if (start < 0 || start >= GetLength()) return -1;
    const auto at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
    return CString(m_text.substr(0, static_cast<size_t>(clampLength(m_text, count))));
}

CString CString::Right(int count) const {
    const int n = clampLength(m_text, count);
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(n)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    const int from = clampLength(m_text, first);
    const int n = std::clamp(count, 0, GetLength() - from);
    return CString(m_text.substr(static_cast<size_t>(from), static_cast<size_t>(n)));
}

void CString::MakeLower() {
    for (auto& c : m_text) c = fold(c);
}

void CString::MakeUpper() {
    for (auto& c : m_text) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
}

CString& CString::operator=(const wchar_t* text) {
    m_text = text ? text : L"";
    return *this;
}

CString& CString::operator+=(const wchar_t* other) {
    if (other) m_text += other;
    return *this;
}

std::string CString::toUtf8() const {
    std::string out;
    out.reserve(m_text.size());
    for (wchar_t wc : m_text) {
        auto c = static_cast<std::uint32_t>(wc);
        if (c > 0x10FFFF) c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

CString CString::fromUtf8(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        size_t extra = 0;
        std::uint32_t c = b0;
        bool ok = true;
        if (b0 < 0x80) extra = 0;
        else if (b0 >= 0xC0 && b0 < 0xE0) { extra = 1; c = b0 & 0x1Fu; }
        else if (b0 >= 0xE0 && b0 < 0xF0) { extra = 2; c = b0 & 0x0Fu; }
        else if (b0 >= 0xF0 && b0 < 0xF8) { extra = 3; c = b0 & 0x07u; }
        else ok = false;
        if (ok && i + extra >= utf8.size()) ok = false;  // sequence cut off by the end
        for (size_t k = 1; ok && k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80) ok = false;
            c = (c << 6) | (b & 0x3Fu);
        }
        if (!ok) {
            out += static_cast<wchar_t>(0xFFFD);  // a malformed byte stands for one replacement character
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(c);
        i += extra + 1;
    }
    return CString(std::move(out));
}

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, const wchar_t* b) { CString r(a); r += b; return r; }
CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }

CStringA::CStringA(const CString& wide) : m_text(wide.toUtf8()) {}
