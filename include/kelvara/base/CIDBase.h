// Identifier holding one GUID. The null identifier is all zeros; the unset (invalid) identifier is
// all ones, a value the generator can never produce. Ordering is by the GUID fields as numbers,
// total, and compare() answers exactly -1, 0 or 1. Text form: 36-character lower-case 8-4-4-4-12.
#pragma once

#include <cstdint>

#include "kelvara/platform/CString.h"
#include "kelvara/platform/Types.h"

class CKelvaraArchive;

class CIDBase {
public:
    CIDBase() noexcept = default;                  // the null identifier
    CIDBase(const _GUID& guid) noexcept : m_guid(guid) {}
    explicit CIDBase(const CString& text);         // unreadable text gives the unset identifier
    CIDBase(const CIDBase&) noexcept = default;
    CIDBase& operator=(const CIDBase&) noexcept = default;

    bool operator==(const CIDBase& other) const noexcept { return m_guid == other.m_guid; }
    bool operator!=(const CIDBase& other) const noexcept { return !(m_guid == other.m_guid); }
    bool operator<(const CIDBase& other) const noexcept { return compare(&other) < 0; }
    int compare(const CIDBase* other) const noexcept;  // a null pointer orders before everything

    bool isValid() const noexcept;                 // false only for the unset identifier
    bool isNULL() const noexcept;
    bool generate() noexcept;                      // a fresh random value; false if none could be made
    void clear() noexcept { m_guid = _GUID{}; }    // becomes the null identifier
    void unset() noexcept;                         // becomes the unset identifier

    const _GUID& getGUID() const noexcept { return m_guid; }
    bool setGUID(const CString& text);             // false (and unchanged) when text is not a GUID
    static const _GUID& getNullGUID() noexcept;

    CString toString() const;
    UINT HashCode() const noexcept;
    void Serialize(CKelvaraArchive& ar);

    // The leading 64 bits in identifier order: the ordered indexes search on it first.
    std::uint64_t orderKeyHigh() const noexcept {
        return (static_cast<std::uint64_t>(m_guid.Data1) << 32) | (static_cast<std::uint64_t>(m_guid.Data2) << 16) |
               m_guid.Data3;
    }
    std::uint64_t orderKeyLow() const noexcept {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v = (v << 8) | m_guid.Data4[i];
        return v;
    }

private:
    _GUID m_guid{};
};
