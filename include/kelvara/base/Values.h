// Value types with an explicit unset state. A default-constructed value is unset and holds the
// zero value; constructing from a value or setValue() makes it valid; unset() clears the flag and
// keeps the value. Equality compares the flag and the value. The archive form is the flag (one
// byte) followed by the value's fixed-width form.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/platform/CString.h"

namespace kelvara::detail {

template <class T>
bool sameValue(const T& a, const T& b) {
    if constexpr (std::is_floating_point_v<T>)
        return a == b || (std::isnan(a) && std::isnan(b));
    else
        return a == b;
}

}  // namespace kelvara::detail

template <class T, class Tag>
class CProjectValue {
public:
    using value_type = T;

    CProjectValue() = default;
    CProjectValue(T value) : m_value(value), m_valid(true) {}

    const T& getValue() const noexcept { return m_value; }
    void setValue(T value) noexcept { m_value = value; m_valid = true; }
    bool isValid() const noexcept { return m_valid; }
    void makeValid() noexcept { m_valid = true; }
    void unset() noexcept { m_valid = false; }
    CProjectValue& operator=(T value) noexcept { setValue(value); return *this; }

    friend bool operator==(const CProjectValue& a, const CProjectValue& b) noexcept {
        return a.m_valid == b.m_valid && kelvara::detail::sameValue(a.m_value, b.m_value);
    }
    // Orders unset before set, then by value.
    friend bool operator<(const CProjectValue& a, const CProjectValue& b) noexcept {
        if (a.m_valid != b.m_valid) return b.m_valid;
        return a.m_value < b.m_value;
    }

    void Serialize(CKelvaraArchive& ar) {
        if (ar.IsStoring()) ar << m_valid << m_value;
        else ar >> m_valid >> m_value;
    }

private:
    T m_value{};
    bool m_valid = false;
};

struct ProjectIntTag {};
struct ProjectDoubleTag {};
struct ProjectTimeTag {};
struct ProjectDateTag {};
struct ProjectDurationTag {};

using CProjectInt = CProjectValue<int, ProjectIntTag>;
using CProjectDouble = CProjectValue<double, ProjectDoubleTag>;
// Milliseconds since 1970-01-01 00:00 UTC.
using CProjectTime = CProjectValue<std::int64_t, ProjectTimeTag>;
// Milliseconds since 1970-01-01 00:00 UTC of the day's start.
using CProjectDate = CProjectValue<std::int64_t, ProjectDateTag>;
// Milliseconds.
using CProjectDuration = CProjectValue<std::int64_t, ProjectDurationTag>;

// A boolean with an unset state; the conversion to int answers the value whatever the flag.
class CProjectBool {
public:
    CProjectBool() = default;
    CProjectBool(bool value) : m_value(value), m_valid(true) {}

    bool getValue() const noexcept { return m_value; }
    void setValue(bool value) noexcept { m_value = value; m_valid = true; }
    bool isValid() const noexcept { return m_valid; }
    void makeValid() noexcept { m_valid = true; }
    void unset() noexcept { m_valid = false; }
    operator int() const noexcept { return m_value ? 1 : 0; }
    CProjectBool& operator=(bool value) noexcept { setValue(value); return *this; }

    bool operator==(const CProjectBool&) const = default;
    bool operator==(bool value) const noexcept { return m_valid && m_value == value; }
    void Serialize(CKelvaraArchive& ar) {
        if (ar.IsStoring()) ar << m_valid << m_value;
        else ar >> m_valid >> m_value;
    }

private:
    bool m_value = false;
    bool m_valid = false;
};

// Read access to a text value with an unset state.
class IProjectString {
public:
    virtual ~IProjectString() = default;
    virtual const CString& getValue() const = 0;
    virtual bool isValid() const = 0;
    const wchar_t* GetString() const { return getValue().GetString(); }
    operator CString() const { return getValue(); }
    bool operator==(const IProjectString& other) const {
        return isValid() == other.isValid() && getValue() == other.getValue();
    }
};

// Text with an unset state. The CString-like operations act on the text alone, whatever the flag.
class CProjectString : public IProjectString {
public:
    CProjectString() = default;
    CProjectString(const CString& text) : m_text(text), m_valid(true) {}
    CProjectString(const wchar_t* text) : m_text(text), m_valid(true) {}
    CProjectString(const IProjectString& other) : m_text(other.getValue()), m_valid(other.isValid()) {}
    CProjectString(const CProjectString&) = default;
    CProjectString& operator=(const CProjectString&) = default;
    CProjectString& operator=(const IProjectString& other) {
        m_text = other.getValue();
        m_valid = other.isValid();
        return *this;
    }
    CProjectString& operator=(const CString& text) { setValue(text); return *this; }
    CProjectString& operator=(const wchar_t* text) { setValue(CString(text)); return *this; }

    const CString& getValue() const override { return m_text; }
    void setValue(const CString& text) { m_text = text; m_valid = true; }
    bool isValid() const override { return m_valid; }
    void makeValid() noexcept { m_valid = true; }
    void unset() noexcept { m_valid = false; }

    int Compare(const CString& other) const { return m_text.Compare(other); }
    int Compare(const wchar_t* other) const { return m_text.Compare(other); }
    int CompareNoCase(const CString& other) const { return m_text.CompareNoCase(other); }
    int CompareNoCase(const wchar_t* other) const { return m_text.CompareNoCase(other); }
    int Find(const wchar_t* sub, int start = 0) const { return m_text.Find(sub, start); }
    int Find(wchar_t ch, int start = 0) const { return m_text.Find(ch, start); }
    int GetLength() const { return m_text.GetLength(); }
    bool IsEmpty() const { return m_text.IsEmpty(); }
    CString Left(int count) const { return m_text.Left(count); }
    void Empty() { m_text.Empty(); }
    const wchar_t* GetString() const { return m_text.GetString(); }
    operator CString() const { return m_text; }

    CProjectString operator+(const wchar_t* other) const { return CProjectString(m_text + other); }
    CProjectString operator+(const CString& other) const { return CProjectString(m_text + other); }
    CProjectString operator+(const CProjectString& other) const { return CProjectString(m_text + other.m_text); }
    CProjectString operator+(const IProjectString& other) const { return CProjectString(m_text + other.getValue()); }

    bool operator==(const CProjectString& other) const { return m_valid == other.m_valid && m_text == other.m_text; }
    bool operator<(const CProjectString& other) const {
        if (m_valid != other.m_valid) return other.m_valid;
        return m_text < other.m_text;
    }
    void Serialize(CKelvaraArchive& ar) {
        if (ar.IsStoring()) ar << m_valid << m_text;
        else ar >> m_valid >> m_text;
    }

private:
    CString m_text;
    bool m_valid = false;
};

// Three channels from 0 to 1, converted to and from 0x00BBGGRR colour values.
class CProjectColorRGB {
public:
    CProjectColorRGB() = default;
    CProjectColorRGB(float red, float green, float blue) : m_rgb{red, green, blue} {}
    explicit CProjectColorRGB(const float rgb[3]) : m_rgb{rgb[0], rgb[1], rgb[2]} {}
    explicit CProjectColorRGB(unsigned long colorref);

    float red() const noexcept { return m_rgb[0]; }
    float green() const noexcept { return m_rgb[1]; }
    float blue() const noexcept { return m_rgb[2]; }
    float* redPtr() noexcept { return &m_rgb[0]; }
    float* greenPtr() noexcept { return &m_rgb[1]; }
    float* bluePtr() noexcept { return &m_rgb[2]; }
    const float* channels() const noexcept { return m_rgb; }
    int redInt() const noexcept { return toInt(m_rgb[0]); }
    int greenInt() const noexcept { return toInt(m_rgb[1]); }
    int blueInt() const noexcept { return toInt(m_rgb[2]); }
    // Each channel times 255 truncated, kept to its low 8 bits: red lowest, blue third.
    operator unsigned long() const noexcept;
    // The grey that a surface of the given transparency (0 opaque to 1 fully transparent) lets
    // through: every channel equals the transparency, clamped into 0..1 (NaN counts as 0).
    static CProjectColorRGB getTransmissionColor(double transparency) noexcept;

    bool operator==(const CProjectColorRGB& other) const noexcept;
    void Serialize(CKelvaraArchive& ar);

private:
    static int toInt(float channel) noexcept;
    float m_rgb[3] = {0.0f, 0.0f, 0.0f};
};

// A list of texts with a sorted flag; every change through InsertAt, RemoveAll or SetSize marks it
// unsorted first.
class CProjectStringArray {
public:
    int GetSize() const noexcept { return static_cast<int>(m_items.size()); }
    const CProjectString& GetAt(int i) const;     // a shared empty value out of range
    void SetAt(int i, const CProjectString& value);
    int Add(const CProjectString& value);
    void InsertAt(int i, const CProjectString& value);
    void RemoveAt(int i);
    void RemoveAll();
    void SetSize(int n);
    bool isSorted() const noexcept { return m_sorted; }
    void sort();                                  // ascending text order, then marks sorted

    bool operator==(const CProjectStringArray& other) const { return m_items == other.m_items; }
    void Serialize(CKelvaraArchive& ar);

private:
    std::vector<CProjectString> m_items;
    bool m_sorted = false;
};

// A list of small values held inline: the times and doubles lists of the model.
template <class V>
class CProjectValueArray {
public:
    int GetSize() const noexcept { return static_cast<int>(m_items.size()); }
    const V& GetAt(int i) const {
        static const V empty;
        return (i < 0 || i >= GetSize()) ? empty : m_items[static_cast<std::size_t>(i)];
    }
    void SetAt(int i, const V& value) {
        if (i >= 0 && i < GetSize()) m_items[static_cast<std::size_t>(i)] = value;
    }
    int Add(const V& value) { m_items.push_back(value); return GetSize() - 1; }
    void RemoveAt(int i) {
        if (i >= 0 && i < GetSize()) m_items.erase(m_items.begin() + i);
    }
    void RemoveAll() { m_items.clear(); }
    bool operator==(const CProjectValueArray& other) const { return m_items == other.m_items; }
    void Serialize(CKelvaraArchive& ar) {
        if (ar.IsStoring()) {
            ar << GetSize();
            for (auto& v : m_items) v.Serialize(ar);
            return;
        }
        const int n = ar.readCount("values", 2);
        std::vector<V> items;
        for (int i = 0; i < n; ++i) items.emplace_back().Serialize(ar);
        m_items = std::move(items);
    }

private:
    std::vector<V> m_items;
};

using CProjectTimeArray = CProjectValueArray<CProjectTime>;
using CProjectDoubleArray = CProjectValueArray<CProjectDouble>;
