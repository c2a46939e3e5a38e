// One declarative field list per interface drives defaults, copy, equality, the archive record
// (with the file version each field is stored since) and identifier renewal. An interface derives
// from CRecord<Itself> and declares its fields in order with KELVARA_RECORD (below); the generic
// operations walk that list. A visitor of the list has three operations, each given the field's
// FieldInfo first: value(info, get, writable, makeDefault), children(info, get) and
// optional(info, get, allocate, clear).
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

// What a field list says about one field; every visitor receives it first.
struct FieldInfo {
    const char* name;          // the field's name (its accessors are get<name>, set<name>, ...)
    const char* entry;         // the entry kind: VALUE, IDENTITY, KEY, TEXT, READONLY, PLAIN, ...
    const char* type;          // the stored type as written in the list
    const char* defaultValue;  // the default as written in the list
    int since;                 // the first file version whose records hold the field
    unsigned flags;            // FieldFlags
};

// The default of an EMBEDDED entry: the sub-object's own defaults.
struct OwnDefaults {};

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

template <class T, class S>
void assignField(T& target, const S& source) {
    if constexpr (RecordLike<T>) target.copyFrom(source);
    else target = source;
}

// Gives one field its default: the list's value, or for an embedded record its own defaults.
template <class T, class D>
void applyDefault(T& target, D makeDefault) {
    if constexpr (std::is_same_v<D, OwnDefaults>) {
        if constexpr (requires { target.initialize(); }) target.initialize();
        else target = std::remove_cvref_t<T>();
    } else {
        assignField(target, makeDefault());
    }
}

template <class I>
struct CopyFields {
    I& target;
    const I& source;

    template <class G, class W, class D>
    void value(const FieldInfo&, G get, W writable, D) const {
        decltype(auto) to = deref((target.*writable)());
        assignField(to, deref((source.*get)()));
    }
    template <class G>
    void children(const FieldInfo&, G get) const {
        (target.*get)().copyFrom((source.*get)());
    }
    template <class G, class A, class R>
    void optional(const FieldInfo&, G get, A allocate, R clear) const {
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

    template <class G, class W, class D>
    void value(const FieldInfo& info, G get, W, D) const {
        if (equal && !(info.flags & kNotCompared)) equal = deref((a.*get)()) == deref((b.*get)());
    }
    template <class G>
    void children(const FieldInfo&, G get) const {
        if (equal) equal = (a.*get)() == (b.*get)();
    }
    template <class G, class A, class R>
    void optional(const FieldInfo&, G get, A, R) const {
        if (!equal) return;
        const auto x = (a.*get)();
        const auto y = (b.*get)();
        equal = x.isNull() ? y.isNull() : (!y.isNull() && *x == *y);
    }
};

template <class I>
struct DefaultFields {
    I& object;

    template <class G, class W, class D>
    void value(const FieldInfo&, G, W writable, D makeDefault) const {
        decltype(auto) v = deref((object.*writable)());
        applyDefault(v, makeDefault);
    }
    template <class G>
    void children(const FieldInfo&, G get) const {
        const auto list = (object.*get)();
        list.copyFrom(std::remove_cvref_t<decltype(list)>());
    }
    template <class G, class A, class R>
    void optional(const FieldInfo&, G, A, R clear) const {
        (object.*clear)();
    }
};

// A field is in a record of file version v when its since <= v. Storing at an older version writes
// exactly the fields that version holds; loading one reads them and gives the others their
// defaults.
template <class I>
struct SerializeFields {
    I& object;
    CKelvaraArchive& ar;

    bool held(const FieldInfo& info) const { return info.since <= ar.fileVersion(); }

    template <class G, class W, class D>
    void value(const FieldInfo& info, G get, W writable, D makeDefault) const {
        if (!held(info)) {
            if (ar.IsLoading()) DefaultFields<I>{object}.value(info, get, writable, makeDefault);
            return;
        }
        deref((object.*writable)()).Serialize(ar);
    }
    template <class G>
    void children(const FieldInfo& info, G get) const {
        if (!held(info)) {
            if (ar.IsLoading()) DefaultFields<I>{object}.children(info, get);
            return;
        }
        (object.*get)().Serialize(ar);
    }
    // A presence flag, then the child's record when present.
    template <class G, class A, class R>
    void optional(const FieldInfo& info, G get, A allocate, R clear) const {
        if (!held(info)) {
            if (ar.IsLoading()) (object.*clear)();
            return;
        }
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

    template <class G, class W, class D>
    void value(const FieldInfo& info, G, W writable, D) const {
        decltype(auto) v = deref((object.*writable)());
        if (info.flags & kIdentityField) {
            if constexpr (requires { v.generate(); }) v.generate();
        } else if constexpr (requires { v.generateIDs(); }) {
            v.generateIDs();
        }
    }
    template <class G>
    void children(const FieldInfo&, G get) const {
        const auto list = (object.*get)();
        for (int i = 0; i < list.GetSize(); ++i) (*list.getWritableReference(i)).generateIDs();
        list.resort();
    }
    template <class G, class A, class R>
    void optional(const FieldInfo&, G get, A allocate, R) const {
        if (!(object.*get)().isNull()) (*(object.*allocate)()).generateIDs();
    }
};

template <class I>
struct FindIdentity {
    const I& object;
    const _GUID*& guid;

    template <class G, class W, class D>
    void value(const FieldInfo& info, G get, W, D) const {
        if constexpr (std::is_base_of_v<CIDBase, std::remove_cvref_t<decltype((object.*get)())>>)
            if (info.flags & kIdentityField) guid = &(object.*get)().getGUID();
    }
    template <class G>
    void children(const FieldInfo&, G) const {}
    template <class G, class A, class R>
    void optional(const FieldInfo&, G, A, R) const {}
};

// A record whose stored form is written by hand declares kRecordByHand and the hooks
//   void copyRecord(const I&); bool equalRecord(const I&) const;
//   void serializeRecord(CKelvaraArchive&) (the body, inside the record's markers);
//   void initializeRecord(); void generateRecordIDs();
// CRecord then calls them in place of the field-list operations (the list still names the fields,
// for the schema and the tests).
template <class I>
concept RecordByHand = I::kRecordByHand;

}  // namespace kelvara

// Base of every interface with a field list: the generic operations, written once. Base is the
// interface's own base (CObjectState, or an interface derived from it that a family of kinds
// shares, such as the geometric primitives' IGeometry).
template <class I, class Base = CObjectState>
class CRecord : public Base {
public:
    void copyFrom(const I& other) {
        if (static_cast<const void*>(this) == static_cast<const void*>(&other)) return;
        if constexpr (kelvara::RecordByHand<I>) self().copyRecord(other);
        else I::forEachField(kelvara::CopyFields<I>{self(), other});
    }
    // Content equality over the field list (hidden friends, so that both operands convert alike).
    friend bool operator==(const I& a, const I& b) { return a.CRecord::equalFields(b); }
    friend bool operator!=(const I& a, const I& b) { return !a.CRecord::equalFields(b); }
    // The record: marker I::kRecordName around the fields in list order.
    void Serialize(CKelvaraArchive& ar) {
        ar.checkMarkerStart(I::kRecordName);
        if constexpr (kelvara::RecordByHand<I>) self().serializeRecord(ar);
        else I::forEachField(kelvara::SerializeFields<I>{self(), ar});
        ar.checkMarkerEnd(I::kRecordName);
    }
    // Every field back to the default its list entry gives (children removed, optional children
    // cleared, embedded records to their own defaults).
    void initialize() {
        if constexpr (kelvara::RecordByHand<I>) self().initializeRecord();
        else I::forEachField(kelvara::DefaultFields<I>{self()});
    }
    // Fresh identifiers for the object and everything it owns.
    void generateIDs() {
        if constexpr (kelvara::RecordByHand<I>) self().generateRecordIDs();
        else I::forEachField(kelvara::GenerateIDs<I>{self()});
    }
    const _GUID& getObjectStateGUID() const override {
        const _GUID* guid = &CIDBase::getNullGUID();
        I::forEachField(kelvara::FindIdentity<I>{self(), guid});
        return *guid;
    }

protected:
    bool equalFields(const I& other) const {
        if constexpr (kelvara::RecordByHand<I>) {
            return self().equalRecord(other);
        } else {
            bool equal = true;
            I::forEachField(kelvara::EqualFields<I>{self(), other, equal});
            return equal;
        }
    }
    CRecord() = default;
    CRecord(const CRecord&) = default;
    CRecord& operator=(const CRecord&) = default;

private:
    I& self() { return static_cast<I&>(*this); }
    const I& self() const { return static_cast<const I&>(*this); }
};

// A record's fields are one list macro, written once in the interface's header:
//   #define KELVARA_FIELDS_Link(F) F(IDENTITY, CLinkID, ID, CLinkID::generated(), 1) ...
// Each entry is F(Entry, Type, Name, Default, Since): Default is an expression giving the field's
// default (a parenthesised one when it holds commas; {} for the type's own default), Since the
// first file version whose records hold the field. KELVARA_RECORD(ILink, "Link", KELVARA_FIELDS_Link)
// inside the interface declares the accessors, the static default<Name>() and the field list;
// KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Link) inside the concrete class declares the members (in
// list order) and implements the accessors. Entry kinds:
//   VALUE     getName() / setName(const T&) / private getWritableName(), member T m_Name
//   IDENTITY  a VALUE that is the object's own identifier (renewed by generateIDs)
//   KEY       an IDENTITY left out of equality
//   TEXT      a VALUE of type T read and written as IProjectString, also set from a CString
//   READONLY  a VALUE whose setter is private: the interface changes it through its own operations
//   PLAIN     a setting kept as the value type T (CProjectInt, CProjectDouble, CProjectBool, ...)
//             for its archive form, read and written as the plain value: getName() / setName()
//   FLAG      a PLAIN flag read as isName()
//   MANUAL    member and accessors written by the class (getName() and the private
//             getWritableName()); copied, compared and stored as a value
//   EMBEDDED  a record of kind T held by value: getName() answers an I<T>Handle, setName(const
//             I<T>&) copies into it; its default is its own defaults ({} in the list)
//   OPTIONAL  a record of kind T held when present: getName() (an empty handle when absent),
//             allocateName(), clearName(), setName(const I<T>&); absent by default
//   CHILDREN  a list of kind T: getName() answers I<T>ArrayHandle, setName() copies a list in;
//             empty by default
//   LAZY      a list of kind T that exists only while it holds something: getName() answers a null
//             I<T>ArrayHandle while there is none, setName() copies a list in (an empty one
//             releases it). Copy, equality, archive and generateIDs see it as a CHILDREN list
//             (absent equals empty, and stores as an empty list) through the private
//             getNameList(), a handle that creates the list on write and releases it when a write
//             leaves it empty. The class reaches the member m_Name (a std::unique_ptr to
//             C<T>Array) with kelvara::detail::allocateList and releaseListIfEmpty. A class whose
//             list is of its own kind declares its destructor out of line.
#define KELVARA_DEFAULT_OF(T, Name, Default) \
public:                                      \
    static T default##Name() { return Default; }

#define KELVARA_IFACE_VALUE(T, Name, D) KELVARA_ACCESSORS(T, Name) KELVARA_DEFAULT_OF(T, Name, D)
#define KELVARA_IFACE_IDENTITY(T, Name, D) KELVARA_IFACE_VALUE(T, Name, D)
#define KELVARA_IFACE_KEY(T, Name, D) KELVARA_IFACE_VALUE(T, Name, D)
#define KELVARA_IFACE_TEXT(T, Name, D)                                            \
    KELVARA_ACCESSORS_AS(T, IProjectString, Name)                                 \
    void set##Name(const CString& text) { set##Name(static_cast<const IProjectString&>(T(text))); } \
    KELVARA_DEFAULT_OF(T, Name, D)
#define KELVARA_IFACE_READONLY(T, Name, D)        \
public:                                           \
    virtual const T& get##Name() const = 0;       \
                                                  \
private:                                          \
    virtual void set##Name(const T& value) = 0;   \
    virtual T& getWritable##Name() = 0;           \
    KELVARA_DEFAULT_OF(T, Name, D)
#define KELVARA_IFACE_PLAIN_(T, Name, D, getter)                                          \
private:                                                                                  \
    virtual const T& getStored##Name() const = 0;                                         \
    virtual T& getWritable##Name() = 0;                                                   \
                                                                                          \
public:                                                                                   \
    auto getter##Name() const { return getStored##Name().getValue(); }                   \
    void set##Name(decltype(std::declval<const T&>().getValue()) value) { getWritable##Name() = value; } \
    KELVARA_DEFAULT_OF(T, Name, D)
#define KELVARA_IFACE_PLAIN(T, Name, D) KELVARA_IFACE_PLAIN_(T, Name, D, get)
#define KELVARA_IFACE_FLAG(T, Name, D) KELVARA_IFACE_PLAIN_(T, Name, D, is)
#define KELVARA_IFACE_MANUAL(T, Name, D) KELVARA_DEFAULT_OF(T, Name, D)
#define KELVARA_IFACE_EMBEDDED(T, Name, D)                                 \
public:                                                                    \
    virtual I##T##Handle get##Name() const = 0;                            \
    virtual void set##Name(const I##T& value) = 0; /* copies into it */    \
                                                                           \
private:                                                                   \
    virtual I##T& getWritable##Name() = 0;                                 \
                                                                           \
public:
#define KELVARA_IFACE_OPTIONAL(T, Name, D)                                                  \
public:                                                                                     \
    virtual I##T##Handle get##Name() const = 0;          /* empty when absent */            \
    virtual I##T##WritableHandle allocate##Name() = 0;   /* creates one at its defaults */  \
    virtual void clear##Name() = 0;                                                         \
    void set##Name(const I##T& value) { (*allocate##Name()).copyFrom(value); }
#define KELVARA_IFACE_CHILDREN(T, Name, D)                 \
public:                                                    \
    virtual I##T##ArrayHandle get##Name() const = 0;       \
    void set##Name(const I##T##ArrayHandle& list) { get##Name().copyFrom(list); }

#define KELVARA_IFACE_LAZY(T, Name, D)                                                  \
public:                                                                                 \
    virtual I##T##ArrayHandle get##Name() const = 0; /* null while there is no list */  \
    void set##Name(const I##T##ArrayHandle& list) { get##Name##List().copyFrom(list); } \
                                                                                        \
private:                                                                                \
    virtual I##T##ArrayHandle get##Name##List() const = 0;                              \
                                                                                        \
public:

// LAZY_RULED: a LAZY list whose setter the interface declares itself, because setting the list
// has a rule of its own (a task's sub-tasks and costs). Copies, equality, the archive and
// identifier renewal treat it exactly as a LAZY list.
#define KELVARA_IFACE_LAZY_RULED(T, Name, D)                                            \
public:                                                                                 \
    virtual I##T##ArrayHandle get##Name() const = 0; /* null while there is no list */  \
                                                                                        \
private:                                                                                \
    virtual I##T##ArrayHandle get##Name##List() const = 0;                              \
                                                                                        \
public:

#define KELVARA_IFACE_(entry, T, Name, D, since) KELVARA_IFACE_##entry(T, Name, D)

#define KELVARA_FIELD_INFO_(entry, T, Name, D, since, flags) \
    ::kelvara::FieldInfo{#Name, #entry, #T, #D, since, flags}
#define KELVARA_ENTRY_VALUE(entry, T, Name, D, since, flags) \
    v.value(KELVARA_FIELD_INFO_(entry, T, Name, D, since, flags), &Self::get##Name, &Self::getWritable##Name, &Self::default##Name);
#define KELVARA_ENTRY_PLAIN_(entry, T, Name, D, since, flags) \
    v.value(KELVARA_FIELD_INFO_(entry, T, Name, D, since, flags), &Self::getStored##Name, &Self::getWritable##Name, &Self::default##Name);
#define KELVARA_ENTRY_FOR_VALUE(T, Name, D, since) KELVARA_ENTRY_VALUE(VALUE, T, Name, D, since, ::kelvara::kPlainField)
#define KELVARA_ENTRY_FOR_IDENTITY(T, Name, D, since) KELVARA_ENTRY_VALUE(IDENTITY, T, Name, D, since, ::kelvara::kIdentityField)
#define KELVARA_ENTRY_FOR_KEY(T, Name, D, since) \
    KELVARA_ENTRY_VALUE(KEY, T, Name, D, since, ::kelvara::kIdentityField | ::kelvara::kNotCompared)
#define KELVARA_ENTRY_FOR_TEXT(T, Name, D, since) KELVARA_ENTRY_VALUE(TEXT, T, Name, D, since, ::kelvara::kPlainField)
#define KELVARA_ENTRY_FOR_READONLY(T, Name, D, since) KELVARA_ENTRY_VALUE(READONLY, T, Name, D, since, ::kelvara::kPlainField)
#define KELVARA_ENTRY_FOR_MANUAL(T, Name, D, since) KELVARA_ENTRY_VALUE(MANUAL, T, Name, D, since, ::kelvara::kPlainField)
#define KELVARA_ENTRY_FOR_PLAIN(T, Name, D, since) KELVARA_ENTRY_PLAIN_(PLAIN, T, Name, D, since, ::kelvara::kPlainField)
#define KELVARA_ENTRY_FOR_FLAG(T, Name, D, since) KELVARA_ENTRY_PLAIN_(FLAG, T, Name, D, since, ::kelvara::kPlainField)
#define KELVARA_ENTRY_FOR_EMBEDDED(T, Name, D, since)                                                   \
    v.value(KELVARA_FIELD_INFO_(EMBEDDED, T, Name, D, since, ::kelvara::kPlainField), &Self::get##Name, \
            &Self::getWritable##Name, ::kelvara::OwnDefaults{});
#define KELVARA_ENTRY_FOR_CHILDREN(T, Name, D, since) \
    v.children(KELVARA_FIELD_INFO_(CHILDREN, T, Name, D, since, ::kelvara::kPlainField), &Self::get##Name);
#define KELVARA_ENTRY_FOR_LAZY(T, Name, D, since) \
    v.children(KELVARA_FIELD_INFO_(LAZY, T, Name, D, since, ::kelvara::kPlainField), &Self::get##Name##List);
#define KELVARA_ENTRY_FOR_LAZY_RULED(T, Name, D, since) \
    v.children(KELVARA_FIELD_INFO_(LAZY_RULED, T, Name, D, since, ::kelvara::kPlainField), &Self::get##Name##List);
#define KELVARA_ENTRY_FOR_OPTIONAL(T, Name, D, since)                                                      \
    v.optional(KELVARA_FIELD_INFO_(OPTIONAL, T, Name, D, since, ::kelvara::kPlainField), &Self::get##Name, \
               &Self::allocate##Name, &Self::clear##Name);
#define KELVARA_ENTRY_(entry, T, Name, D, since) KELVARA_ENTRY_FOR_##entry(T, Name, D, since)

#define KELVARA_IMPL_VALUE(T, Name) KELVARA_MEMBER(T, Name)
#define KELVARA_IMPL_IDENTITY(T, Name) KELVARA_MEMBER(T, Name)
#define KELVARA_IMPL_KEY(T, Name) KELVARA_MEMBER(T, Name)
#define KELVARA_IMPL_TEXT(T, Name)                  \
    KELVARA_MEMBER_AS(T, IProjectString, Name)      \
    void set##Name(const CString& text) { m_##Name = T(text); }
#define KELVARA_IMPL_READONLY(T, Name)                                  \
private:                                                                \
    T m_##Name;                                                         \
    void set##Name(const T& value) override { m_##Name = value; }       \
    T& getWritable##Name() override { return m_##Name; }                \
                                                                        \
public:                                                                 \
    const T& get##Name() const override { return m_##Name; }
#define KELVARA_IMPL_MANUAL(T, Name)
#define KELVARA_IMPL_PLAIN(T, Name)                                           \
private:                                                                      \
    T m_##Name;                                                               \
    const T& getStored##Name() const override { return m_##Name; }            \
    T& getWritable##Name() override { return m_##Name; }                      \
                                                                              \
public:
#define KELVARA_IMPL_FLAG(T, Name) KELVARA_IMPL_PLAIN(T, Name)
#define KELVARA_IMPL_EMBEDDED(T, Name)                                                             \
private:                                                                                           \
    C##T m_##Name;                                                                                 \
    I##T& getWritable##Name() override { return m_##Name; }                                        \
                                                                                                   \
public:                                                                                            \
    I##T##Handle get##Name() const override { return I##T##Handle(new C##T##Handle(&m_##Name)); } \
    void set##Name(const I##T& value) override { m_##Name.copyFrom(value); }
#define KELVARA_IMPL_OPTIONAL(T, Name)                                                                     \
private:                                                                                                   \
    std::unique_ptr<C##T> m_##Name;                                                                        \
                                                                                                           \
public:                                                                                                    \
    I##T##Handle get##Name() const override {                                                              \
        return m_##Name ? I##T##Handle(new C##T##Handle(m_##Name.get())) : I##T##Handle();                 \
    }                                                                                                      \
    I##T##WritableHandle allocate##Name() override {                                                       \
        if (!m_##Name) m_##Name = std::make_unique<C##T>();                                                \
        return I##T##WritableHandle(new C##T##WritableHandle(m_##Name.get()));                             \
    }                                                                                                      \
    void clear##Name() override { m_##Name.reset(); }
#define KELVARA_IMPL_CHILDREN(T, Name)                                                                       \
private:                                                                                                     \
    C##T##Array m_##Name;                                                                                    \
                                                                                                             \
public:                                                                                                      \
    I##T##ArrayHandle get##Name() const override { return I##T##ArrayHandle(new C##T##ArrayHandle(&m_##Name)); }

#define KELVARA_LAZY_HANDLE_(T)                                                                  \
    CLazyArrayHandle<I##T, C##T, ::kelvara::KindTraits<I##T>::ID, ::kelvara::KindTraits<I##T>::kPrimaryIterable, \
                     C##T##Array>
#define KELVARA_IMPL_LAZY(T, Name)                                                                     \
private:                                                                                               \
    std::unique_ptr<C##T##Array> m_##Name;                                                             \
    I##T##ArrayHandle get##Name##List() const override {                                               \
        return I##T##ArrayHandle(new KELVARA_LAZY_HANDLE_(T)(&m_##Name));                              \
    }                                                                                                  \
                                                                                                       \
public:                                                                                                \
    I##T##ArrayHandle get##Name() const override {                                                     \
        return m_##Name ? I##T##ArrayHandle(new KELVARA_LAZY_HANDLE_(T)(&m_##Name)) : I##T##ArrayHandle(); \
    }

#define KELVARA_IMPL_LAZY_RULED(T, Name) KELVARA_IMPL_LAZY(T, Name)

#define KELVARA_IMPL_(entry, T, Name, D, since) KELVARA_IMPL_##entry(T, Name)

// As KELVARA_RECORD_MEMBERS, with every CHILDREN list held by pointer (a
// kelvara::detail::HeldList that always exists), for a kind that holds a list of its own kind:
// its array is not complete inside the class. The class declares its destructor out of line.
#define KELVARA_IMPL_HELD_CHILDREN(T, Name)                                                             \
private:                                                                                                \
    ::kelvara::detail::HeldList<C##T##Array> m_##Name;                                                  \
                                                                                                        \
public:                                                                                                 \
    I##T##ArrayHandle get##Name() const override {                                                      \
        return I##T##ArrayHandle(new CLazyArrayHandle<I##T, C##T, ::kelvara::KindTraits<I##T>::ID,      \
                                                      ::kelvara::KindTraits<I##T>::kPrimaryIterable,    \
                                                      C##T##Array, true>(&m_##Name.slot()));            \
    }
#define KELVARA_IMPL_HELD_VALUE KELVARA_IMPL_VALUE
#define KELVARA_IMPL_HELD_IDENTITY KELVARA_IMPL_IDENTITY
#define KELVARA_IMPL_HELD_KEY KELVARA_IMPL_KEY
#define KELVARA_IMPL_HELD_TEXT KELVARA_IMPL_TEXT
#define KELVARA_IMPL_HELD_READONLY KELVARA_IMPL_READONLY
#define KELVARA_IMPL_HELD_PLAIN KELVARA_IMPL_PLAIN
#define KELVARA_IMPL_HELD_FLAG KELVARA_IMPL_FLAG
#define KELVARA_IMPL_HELD_MANUAL KELVARA_IMPL_MANUAL
#define KELVARA_IMPL_HELD_EMBEDDED KELVARA_IMPL_EMBEDDED
#define KELVARA_IMPL_HELD_OPTIONAL KELVARA_IMPL_OPTIONAL
#define KELVARA_IMPL_HELD_LAZY KELVARA_IMPL_LAZY
#define KELVARA_IMPL_HELD_LAZY_RULED KELVARA_IMPL_LAZY
#define KELVARA_IMPL_HELD_(entry, T, Name, D, since) KELVARA_IMPL_HELD_##entry(T, Name)

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
#define KELVARA_RECORD_MEMBERS_HELD(LIST) LIST(KELVARA_IMPL_HELD_)

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
