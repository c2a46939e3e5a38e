// Typed identifiers: CKelvaraID<Tag> makes an identifier of one kind of object a distinct type.
#pragma once

#include "kelvara/base/CIDBase.h"
#include "kelvara/base/IDPointerArray.h"

template <class T>
class CKelvaraID : public CIDBase {
public:
    CKelvaraID() noexcept = default;
    CKelvaraID(const _GUID& guid) noexcept : CIDBase(guid) {}
    explicit CKelvaraID(const CString& text) : CIDBase(text) {}
    explicit CKelvaraID(const CIDBase& id) noexcept : CIDBase(id) {}
    CKelvaraID(const CKelvaraID&) noexcept = default;
    CKelvaraID& operator=(const CKelvaraID&) noexcept = default;
    virtual ~CKelvaraID() = default;

    int compare(const CKelvaraID* other) const noexcept { return CIDBase::compare(other); }
    bool isValidNotNull() const noexcept { return isValid() && !isNULL(); }
};

// Declares identifier class Name for the kind tagged Tag, and its identifier array NameArray.
#define KELVARA_DECLARE_ID(Name, Tag)                                                      \
    class Tag;                                                                             \
    class Name : public CKelvaraID<Tag> {                                                  \
    public:                                                                                \
        Name() noexcept = default;                                                         \
        Name(const _GUID& guid) noexcept : CKelvaraID<Tag>(guid) {}                        \
        explicit Name(const CString& text) : CKelvaraID<Tag>(text) {}                      \
        Name(const CKelvaraID<Tag>& id) noexcept : CKelvaraID<Tag>(id) {}                  \
        explicit Name(const CIDBase& id) noexcept : CKelvaraID<Tag>(id) {}                 \
        Name(const Name&) noexcept = default;                                              \
        Name& operator=(const Name&) noexcept = default;                                   \
        static const Name& getNullID() noexcept {                                          \
            static const Name null;                                                        \
            return null;                                                                   \
        }                                                                                  \
        /* A new identifier with a fresh value. */                                         \
        static Name generated() noexcept {                                                 \
            Name id;                                                                       \
            id.generate();                                                                 \
            return id;                                                                     \
        }                                                                                  \
    };

#define KELVARA_DECLARE_ID_ARRAY(Name)                                                     \
    class Name##Array : public CIDPointerArray<Name> {                                     \
    public:                                                                                \
        using CIDPointerArray<Name>::CIDPointerArray;                                      \
        using CIDPointerArray<Name>::operator=;                                            \
        Name##Array() = default;                                                           \
        Name##Array(const Name##Array&) = default;                                         \
        Name##Array& operator=(const Name##Array&) = default;                              \
    };                                                                                     \
    extern template class CIDPointerArray<Name>;
