// Enumerations of the model: a current value and a fixed table of (value, name) items. A value
// outside the table is kept as it is (newer files may carry it) and has an empty name.
#pragma once

#include <span>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/base/Preprocessor.h"
#include "kelvara/platform/CString.h"

class CKelvaraEnumeration {
public:
    struct Item {
        int value;
        const wchar_t* name;
    };

    CKelvaraEnumeration() = default;
    explicit CKelvaraEnumeration(int value) : m_value(value) {}
    CKelvaraEnumeration(const CKelvaraEnumeration&) = default;
    CKelvaraEnumeration& operator=(const CKelvaraEnumeration&) = default;
    virtual ~CKelvaraEnumeration() = default;

    int getCurrentValue() const noexcept { return m_value; }
    void setCurrentValue(int value) noexcept { m_value = value; }
    virtual std::span<const Item> getItems() const = 0;
    CString getLocalizedName() const;                 // the current value's name, or empty
    virtual CKelvaraEnumeration* newItem() const = 0;  // a new object of the same class, at value 0
    bool isKnownValue() const;

    bool operator==(const CKelvaraEnumeration& other) const noexcept { return m_value == other.m_value; }
    void Serialize(CKelvaraArchive& ar);

private:
    int m_value = 0;
};

#define KELVARA_ENUM_CONSTANT_(constant, value, name) constant = value,
#define KELVARA_ENUM_CONSTANT(item) KELVARA_ENUM_CONSTANT_ item
#define KELVARA_ENUM_ITEM_(constant, value, name) Item{value, L##name},
#define KELVARA_ENUM_ITEM(item) KELVARA_ENUM_ITEM_ item

// Declares an enumeration class from (Constant, value, "Name") triples, in table order.
#define KELVARA_ENUMERATION(Class, ...)                                                       \
    class Class : public CKelvaraEnumeration {                                                \
    public:                                                                                   \
        enum Value : int { KELVARA_FOR_EACH(KELVARA_ENUM_CONSTANT, __VA_ARGS__) };            \
        Class() = default;                                                                    \
        Class(int value) : CKelvaraEnumeration(value) {}                                      \
        Class& operator=(int value) {                                                         \
            setCurrentValue(value);                                                           \
            return *this;                                                                     \
        }                                                                                     \
        std::span<const Item> getItems() const override { return kItems; }                    \
        CKelvaraEnumeration* newItem() const override { return new Class(); }                 \
        bool operator==(const Class& other) const noexcept {                                  \
            return getCurrentValue() == other.getCurrentValue();                              \
        }                                                                                     \
        bool operator==(Value value) const noexcept { return getCurrentValue() == value; }    \
                                                                                              \
    private:                                                                                  \
        static constexpr Item kItems[] = {KELVARA_FOR_EACH(KELVARA_ENUM_ITEM, __VA_ARGS__)};  \
    };
