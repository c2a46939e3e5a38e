// One declarative field list per interface drives copy, equality, the archive record and identifier
// renewal. An interface derives from CRecord<Itself> and declares its fields in order with
// KELVARA_RECORD (below); the generic operations below walk that list.
#pragma once

#include <concepts>
#include <memory>
#include <type_traits>
#include <utility>

#include "kelvara/base/CIDBase.h"
#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/base/CObjectState.h"
#include "kelvara/base/Preprocessor.h"
#include "kelvara/base/Values.h"

namespace kelvara {

enum FieldFlags : unsigned {
    kPlainField = 0,
    kIdentityField = 1,   // renewed by generateIDs(); its GUID is the object state GUID
    kNotCompared = 2,     // left out of equality
};

template <class X>
concept HandleLike = requires(const X& x) {
    { x.isNull() } -> std::convertible_to<bool>;
    *x;
};

// A handle reads as the object it refers to; anything else reads as itself.
template <class X>
decltype(auto) deref(X&& x) {
    if constexpr (HandleLike<std::remove_cvref_t<X>>) return *x;
    else return std::forward<X>(x);
}

template <class T>
concept RecordLike = requires(T& t) { t.copyFrom(t); };

template <class T>
void assignField(T& target, const T& source) {
    if constexpr (RecordLike<T>) target.copyFrom(source);
    else target = source;
}

template <class T, class S>
void assignField(T& target, const S& source) {
    if constexpr (RecordLike<T>) target.copyFrom(source);
    else target = source;
}

template <class I>
struct CopyFields {
    I& target;
    const I& source;

    template <class G, class W>
    void value(const char*, G get, W writable, unsigned = kPlainField) const {
        decltype(auto) to = deref((target.*writable)());
        assignField(to, deref((source.*get)()));
    }
    template <class G>
    void children(const char*, G get) const {
        (target.*get)().copyFrom((source.*get)());
    }
    template <class G, class A, class R>
    void optional(const char*, G get, A allocate, R clear) const {
        const auto from = (source.*get)();
        if (from.isNull()) (target.*clear)();
        else (*(target.*allocate)()).copyFrom(*from);
    }
};

template <class I>
struct EqualFields {
    const I& a;
    const I& b;
    bool& equal;

    template <class G, class W>
    void value(const char*, G get, W, unsigned flags = kPlainField) const {
        if (equal && !(flags & kNotCompared)) equal = deref((a.*get)()) == deref((b.*get)());
    }
    template <class G>
    void children(const char*, G get) const {
        if (equal) equal = (a.*get)() == (b.*get)();
    }
    template <class G, class A, class R>
    void optional(const char*, G get, A, R) const {
        if (!equal) return;
        const auto x = (a.*get)();
        const auto y = (b.*get)();
        equal = x.isNull() ? y.isNull() : (!y.isNull() && *x == *y);
    }
};

template <class I>
struct SerializeFields {
    I& object;
    CKelvaraArchive& ar;

    template <class G, class W>
    void value(const char*, G, W writable, unsigned = kPlainField) const {
        deref((object.*writable)()).Serialize(ar);
    }
    template <class G>
    void children(const char*, G get) const {
        (object.*get)().Serialize(ar);
    }
    // A presence flag, then the child's record when present.
    template <class G, class A, class R>
    void optional(const char*, G get, A allocate, R clear) const {
        bool present = false;
        if (ar.IsStoring()) {
            present = !(object.*get)().isNull();
            ar << present;
        } else {
            ar >> present;
        }
        if (present) (*(object.*allocate)()).Serialize(ar);
        else if (ar.IsLoading()) (object.*clear)();
    }
};

template <class I>
struct GenerateIDs {
    I& object;

    template <class G, class W>
    void value(const char*, G, W writable, unsigned flags = kPlainField) const {
        decltype(auto) v = deref((object.*writable)());
        if (flags & kIdentityField) {
            if constexpr (requires { v.generate(); }) v.generate();
        } else if constexpr (requires { v.generateIDs(); }) {
            v.generateIDs();
        }
    }
    template <class G>
    void children(const char*, G get) const {
        const auto list = (object.*get)();
        for (int i = 0; i < list.GetSize(); ++i) (*list.getWritableReference(i)).generateIDs();
        list.resort();
    }
    template <class G, class A, class R>
    void optional(const char*, G get, A allocate, R) const {
        if (!(object.*get)().isNull()) (*(object.*allocate)()).generateIDs();
    }
};

template <class I>
struct FindIdentity {
    const I& object;
    const _GUID*& guid;

    template <class G, class W>
    void value(const char*, G get, W, unsigned flags = kPlainField) const {
        if constexpr (std::is_base_of_v<CIDBase, std::remove_cvref_t<decltype((object.*get)())>>)
            if (flags & kIdentityField) guid = &(object.*get)().getGUID();
    }
    template <class G>
    void children(const char*, G) const {}
    template <class G, class A, class R>
    void optional(const char*, G, A, R) const {}
};

}  // namespace kelvara

// Base of every interface with a field list: the generic operations, written once.
template <class I>
class CRecord : public CObjectState {
public:
    void copyFrom(const I& other) {
        if (static_cast<const void*>(this) == static_cast<const void*>(&other)) return;
        I::forEachField(kelvara::CopyFields<I>{self(), other});
    }
    // Content equality over the field list (hidden friends, so that both operands convert alike).
    friend bool operator==(const I& a, const I& b) { return a.CRecord::equalFields(b); }
    friend bool operator!=(const I& a, const I& b) { return !a.CRecord::equalFields(b); }
    // The record: marker I::kRecordName around the fields in list order.
    void Serialize(CKelvaraArchive& ar) {
        ar.checkMarkerStart(I::kRecordName);
        I::forEachField(kelvara::SerializeFields<I>{self(), ar});
        ar.checkMarkerEnd(I::kRecordName);
    }
    // Fresh identifiers for the object and everything it owns.
    void generateIDs() { I::forEachField(kelvara::GenerateIDs<I>{self()}); }
    const _GUID& getObjectStateGUID() const override {
        const _GUID* guid = &CIDBase::getNullGUID();
        I::forEachField(kelvara::FindIdentity<I>{self(), guid});
        return *guid;
    }

protected:
    bool equalFields(const I& other) const {
        bool equal = true;
        I::forEachField(kelvara::EqualFields<I>{self(), other, equal});
        return equal;
    }
    CRecord() = default;
    CRecord(const CRecord&) = default;
    CRecord& operator=(const CRecord&) = default;

private:
    I& self() { return static_cast<I&>(*this); }
    const I& self() const { return static_cast<const I&>(*this); }
};

// A record's fields are one list macro, written once in the interface's header:
//   #define KELVARA_LINK_FIELDS(F) F(IDENTITY, CLinkID, ID) F(VALUE, CTaskID, UpstreamTaskID) ...
// KELVARA_RECORD(ILink, "Link", KELVARA_LINK_FIELDS) inside the interface declares the accessors
// and the field list; KELVARA_RECORD_MEMBERS(KELVARA_LINK_FIELDS) inside the concrete class declares
// the members (in list order) and implements the accessors. Entry kinds:
//   VALUE(T, Name)     getName() / setName(const T&) / private getWritableName(), member T m_Name
//   IDENTITY(T, Name)  a VALUE that is the object's own identifier (renewed by generateIDs)
//   KEY(T, Name)       an IDENTITY left out of equality
//   TEXT(T, Name)      a VALUE of type T read and written as IProjectString
//   EMBEDDED(T, Name)  member T m_Name only; the class writes getName() (a handle or const ref)
//                      and getWritableName(); copied, compared and stored as a value
//   CHILDREN(T, Name)  member T m_Name only; the class writes getName() answering an array handle
//   OPTIONAL(T, Name)  member std::unique_ptr<T> m_Name only; the class writes getName() (handle,
//                      null when absent), allocateName() (writable handle) and clearName()
//   PLAIN(T, Name)     a setting read as a plain number or flag, kept as the value type T
//                      (CProjectInt, CProjectDouble, CProjectBool, ...) so that it has an archive
//                      form; the interface adds its getter and setter with KELVARA_PLAIN_ACCESSORS
//                      or KELVARA_PLAIN_FLAG_ACCESSORS over getStoredName() / getWritableName()
#define KELVARA_IFACE_VALUE(T, Name) KELVARA_ACCESSORS(T, Name)
#define KELVARA_IFACE_IDENTITY(T, Name) KELVARA_ACCESSORS(T, Name)
#define KELVARA_IFACE_KEY(T, Name) KELVARA_ACCESSORS(T, Name)
#define KELVARA_IFACE_TEXT(T, Name) KELVARA_ACCESSORS_AS(T, IProjectString, Name)
#define KELVARA_IFACE_EMBEDDED(T, Name)
#define KELVARA_IFACE_CHILDREN(T, Name)
#define KELVARA_IFACE_OPTIONAL(T, Name)
#define KELVARA_IFACE_PLAIN(T, Name)                     \
private:                                                 \
    virtual const T& getStored##Name() const = 0;        \
    virtual T& getWritable##Name() = 0;                  \
                                                         \
public:

#define KELVARA_IFACE_(kind, T, Name) KELVARA_IFACE_##kind(T, Name)

#define KELVARA_ENTRY_VALUE(T, Name) v.value(#Name, &Self::get##Name, &Self::getWritable##Name);
#define KELVARA_ENTRY_IDENTITY(T, Name) \
    v.value(#Name, &Self::get##Name, &Self::getWritable##Name, ::kelvara::kIdentityField);
#define KELVARA_ENTRY_KEY(T, Name) \
    v.value(#Name, &Self::get##Name, &Self::getWritable##Name, ::kelvara::kIdentityField | ::kelvara::kNotCompared);
#define KELVARA_ENTRY_TEXT(T, Name) KELVARA_ENTRY_VALUE(T, Name)
#define KELVARA_ENTRY_EMBEDDED(T, Name) KELVARA_ENTRY_VALUE(T, Name)
#define KELVARA_ENTRY_CHILDREN(T, Name) v.children(#Name, &Self::get##Name);
#define KELVARA_ENTRY_OPTIONAL(T, Name) v.optional(#Name, &Self::get##Name, &Self::allocate##Name, &Self::clear##Name);
#define KELVARA_ENTRY_PLAIN(T, Name) v.value(#Name, &Self::getStored##Name, &Self::getWritable##Name);
#define KELVARA_ENTRY_(kind, T, Name) KELVARA_ENTRY_##kind(T, Name)

#define KELVARA_IMPL_VALUE(T, Name) KELVARA_MEMBER(T, Name)
#define KELVARA_IMPL_IDENTITY(T, Name) KELVARA_MEMBER(T, Name)
#define KELVARA_IMPL_KEY(T, Name) KELVARA_MEMBER(T, Name)
#define KELVARA_IMPL_TEXT(T, Name) KELVARA_MEMBER_AS(T, IProjectString, Name)
#define KELVARA_IMPL_EMBEDDED(T, Name) \
private:                               \
    T m_##Name;                        \
                                       \
public:
#define KELVARA_IMPL_CHILDREN(T, Name) KELVARA_IMPL_EMBEDDED(T, Name)
#define KELVARA_IMPL_OPTIONAL(T, Name) \
private:                               \
    std::unique_ptr<T> m_##Name;       \
                                       \
public:
#define KELVARA_IMPL_PLAIN(T, Name)                                           \
private:                                                                      \
    T m_##Name;                                                               \
    const T& getStored##Name() const override { return m_##Name; }            \
    T& getWritable##Name() override { return m_##Name; }                      \
                                                                              \
public:

#define KELVARA_IMPL_(kind, T, Name) KELVARA_IMPL_##kind(T, Name)

#define KELVARA_RECORD(Class, RecordName, LIST)                 \
    LIST(KELVARA_IFACE_)                                        \
public:                                                         \
    using Self = Class;                                         \
    static constexpr const char* kRecordName = RecordName;      \
    template <class V>                                          \
    static void forEachField(V&& v) {                           \
        LIST(KELVARA_ENTRY_)                                    \
    }

#define KELVARA_RECORD_MEMBERS(LIST) LIST(KELVARA_IMPL_)

// In an interface: getName(), setName() and the private getWritableName(), all pure virtual.
#define KELVARA_ACCESSORS(Type, Name)                 \
public:                                               \
    virtual const Type& get##Name() const = 0;        \
    virtual void set##Name(const Type& value) = 0;    \
                                                      \
private:                                              \
    virtual Type& getWritable##Name() = 0;            \
                                                      \
public:

// As KELVARA_ACCESSORS for a member of type Type read and written as ReadType (a base of Type).
#define KELVARA_ACCESSORS_AS(Type, ReadType, Name)     \
public:                                                \
    virtual const ReadType& get##Name() const = 0;     \
    virtual void set##Name(const ReadType& value) = 0; \
                                                       \
private:                                               \
    virtual Type& getWritable##Name() = 0;             \
                                                       \
public:

// In a concrete class: the member m_Name and the three accessors of KELVARA_ACCESSORS.
#define KELVARA_MEMBER(Type, Name)                                                   \
private:                                                                             \
    Type m_##Name;                                                                   \
                                                                                     \
public:                                                                              \
    const Type& get##Name() const override { return m_##Name; }                      \
    void set##Name(const Type& value) override { m_##Name = value; }                 \
                                                                                     \
private:                                                                             \
    Type& getWritable##Name() override { return m_##Name; }                          \
                                                                                     \
public:

#define KELVARA_MEMBER_AS(Type, ReadType, Name)                                      \
private:                                                                             \
    Type m_##Name;                                                                   \
                                                                                     \
public:                                                                              \
    const ReadType& get##Name() const override { return m_##Name; }                  \
    void set##Name(const ReadType& value) override { m_##Name = value; }             \
                                                                                     \
private:                                                                             \
    Type& getWritable##Name() override { return m_##Name; }                          \
                                                                                     \
public:

// In the interface: Type getName() const and setName(Type) over a PLAIN field.
#define KELVARA_PLAIN_ACCESSORS(Type, Name)                                       \
public:                                                                           \
    Type get##Name() const { return getStored##Name().getValue(); }               \
    void set##Name(Type value) { getWritable##Name() = value; }

// As KELVARA_PLAIN_ACCESSORS for a flag read as isName().
#define KELVARA_PLAIN_FLAG_ACCESSORS(Name)                                        \
public:                                                                           \
    bool is##Name() const { return getStored##Name().getValue(); }                \
    void set##Name(bool value) { getWritable##Name() = value; }
