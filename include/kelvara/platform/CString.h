// Wide and narrow text with the classic operation names the model is written against.
// Positions and lengths are int; out-of-range arguments are clamped, never undefined.
#pragma once

#include <string>
#include <string_view>

class CStringA;

class CString {
public:
    CString() = default;
    CString(const wchar_t* text);                // null reads as empty
    CString(const wchar_t* text, int length);
    CString(const char* text);                   // each byte taken as one Latin-1 character
    CString(wchar_t ch, int repeat = 1);
    CString(std::wstring text) : m_text(std::move(text)) {}
    explicit CString(const CStringA& text);

    int GetLength() const noexcept { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const noexcept { return m_text.empty(); }
    void Empty() noexcept { m_text.clear(); }
    const wchar_t* GetString() const noexcept { return m_text.c_str(); }
    operator const wchar_t*() const noexcept { return m_text.c_str(); }
    wchar_t GetAt(int i) const noexcept;         // 0 outside the text
    wchar_t operator[](int i) const noexcept { return GetAt(i); }

    int Compare(const wchar_t* other) const noexcept;        // -1, 0, 1 by code point
    int CompareNoCase(const wchar_t* other) const noexcept;  // simple case folding
    int Find(const wchar_t* sub, int start = 0) const noexcept;
    int Find(wchar_t ch, int start = 0) const noexcept;
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;                // from first to the end
    CString Mid(int first, int count) const;     // a negative count takes nothing
    void MakeLower();
    void MakeUpper();

    CString& operator=(const wchar_t* text);
    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(const wchar_t* other);
    CString& operator+=(wchar_t ch) { m_text += ch; return *this; }

    const std::wstring& str() const noexcept { return m_text; }
    std::wstring& str() noexcept { return m_text; }
    std::string toUtf8() const;
    static CString fromUtf8(std::string_view utf8);

    friend bool operator==(const CString& a, const CString& b) noexcept { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const wchar_t* b) noexcept { return a.Compare(b) == 0; }
    friend auto operator<=>(const CString& a, const CString& b) noexcept { return a.m_text <=> b.m_text; }

private:
    std::wstring m_text;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const wchar_t* b);
CString operator+(const wchar_t* a, const CString& b);
CString operator+(const CString& a, wchar_t b);

class CStringA {
public:
    CStringA() = default;
    CStringA(const char* text) : m_text(text ? text : "") {}
    CStringA(std::string text) : m_text(std::move(text)) {}
    explicit CStringA(const CString& wide);      // UTF-8

    int GetLength() const noexcept { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const noexcept { return m_text.empty(); }
    void Empty() noexcept { m_text.clear(); }
    const char* GetString() const noexcept { return m_text.c_str(); }
    operator const char*() const noexcept { return m_text.c_str(); }
    const std::string& str() const noexcept { return m_text; }

    friend bool operator==(const CStringA& a, const CStringA& b) noexcept { return a.m_text == b.m_text; }
    friend auto operator<=>(const CStringA& a, const CStringA& b) noexcept { return a.m_text <=> b.m_text; }

private:
    std::string m_text;
};
