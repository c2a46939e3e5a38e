// A kind's concrete family, one line at each place. The registry (base/KindRegistry.h) gives each
// kind its identifier, iteration form and role; the macros below read them from
// kelvara::KindTraits and refuse (at compile time) a family that does not match the registry line:
//   KELVARA_OBJECT(Thing)          inside C<Thing>: default construction at the list's defaults,
//                                  copy, assignment, clone, handle makers
//   KELVARA_OBJECT_FAMILY(Thing)   after C<Thing> of a SINGLE kind: C<Thing>Handle, C<Thing>WritableHandle
//   KELVARA_KIND_FAMILY(Thing)     after C<Thing> of a LISTED kind: the same plus C<Thing>Array and
//                                  C<Thing>ArrayHandle (the positional form for a kind with both;
//                                  its iterable form is CBasicArrayHandle<I, C, ID, true>)
//   KELVARA_ROOT_FAMILY(Thing)     after C<Thing> of a ROOT kind: the same plus I/C<Thing>Root and the
//                                  root's handles
//   KELVARA_DEFINE_KIND(Thing)     in the kind's .cpp (LISTED and ROOT kinds): the one explicit
//                                  instantiation of its templates
// Kinds outside the registry (test kinds) use the *_AS forms, which take the identifier and the
// iteration form explicitly.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"
#include "kelvara/framework/ArrayHandles.h"
#include "kelvara/framework/Handles.h"
#include "kelvara/framework/Root.h"

namespace kelvara::detail {
// A new object takes its defaults from its field list; objects without one start as constructed.
template <class T>
void initializeRecord(T& object) {
    if constexpr (requires { object.initialize(); }) object.initialize();
}
}  // namespace kelvara::detail

#define KELVARA_OBJECT(Thing)                                                       \
public:                                                                             \
    C##Thing() { ::kelvara::detail::initializeRecord(*this); }                      \
    C##Thing(const C##Thing& other) : I##Thing() { this->copyFrom(other); }         \
    C##Thing& operator=(const C##Thing& other) {                                    \
        this->copyFrom(other);                                                      \
        return *this;                                                               \
    }                                                                               \
    [[nodiscard]] I##Thing* clone() const override { return new C##Thing(*this); } \
                                                                                    \
private:                                                                            \
    IHandle<I##Thing>* handle() const override;                                     \
    IWritableHandle<I##Thing>* writableHandle() override;                           \
                                                                                    \
public:

#define KELVARA_OBJECT_FAMILY_AS(Thing)                                                                        \
    class C##Thing##Handle : public CBasicHandle<I##Thing, C##Thing> {                                     \
    public:                                                                                                 \
        using CBasicHandle<I##Thing, C##Thing>::CBasicHandle;                                               \
        using CBasicHandle<I##Thing, C##Thing>::operator=;                                                  \
        C##Thing##Handle() = default;                                                                       \
        C##Thing##Handle(const CBasicHandle<I##Thing, C##Thing>& other) : CBasicHandle(other) {}            \
        /* the pointer is taken as the concrete object's, unchecked */                                      \
        explicit C##Thing##Handle(const I##Thing* object)                                                   \
            : CBasicHandle(static_cast<const C##Thing*>(object)) {}                                         \
        IHandle<I##Thing>* clone() const override { return new C##Thing##Handle(*this); }                  \
    };                                                                                                      \
    class C##Thing##WritableHandle : public CWritableBasicHandle<I##Thing, C##Thing> {                     \
    public:                                                                                                 \
        using CWritableBasicHandle<I##Thing, C##Thing>::CWritableBasicHandle;                               \
        using CWritableBasicHandle<I##Thing, C##Thing>::operator=;                                          \
        C##Thing##WritableHandle() = default;                                                               \
        C##Thing##WritableHandle(const CWritableBasicHandle<I##Thing, C##Thing>& other)                     \
            : CWritableBasicHandle(other) {}                                                                \
        explicit C##Thing##WritableHandle(I##Thing* object)                                                 \
            : CWritableBasicHandle(static_cast<C##Thing*>(object)) {}                                       \
        IWritableHandle<I##Thing>* clone() const override { return new C##Thing##WritableHandle(*this); }  \
    };                                                                                                      \
    inline IHandle<I##Thing>* C##Thing::handle() const { return new C##Thing##Handle(this); }              \
    inline IWritableHandle<I##Thing>* C##Thing::writableHandle() { return new C##Thing##WritableHandle(this); } \
    template <>                                                                                             \
    struct kelvara::ConcreteOf<I##Thing> {                                                                  \
        using type = C##Thing;                                                                              \
    };

#define KELVARA_KIND_FAMILY_AS(Thing, ID, iterable)                                                           \
    KELVARA_OBJECT_FAMILY_AS(Thing)                                                                        \
    extern template class kelvara::detail::OwningCore<C##Thing, I##Thing,                                 \
                                                      kelvara::detail::ObjectElementTraits<I##Thing, C##Thing>>; \
    extern template class CUniqueObjectPointerArray<I##Thing, C##Thing, ID>;                               \
    class C##Thing##Array : public CUniqueObjectPointerArray<I##Thing, C##Thing, ID> {                     \
        using Base = CUniqueObjectPointerArray<I##Thing, C##Thing, ID>;                                    \
                                                                                                           \
    public:                                                                                                \
        C##Thing##Array() = default;                                                                       \
        C##Thing##Array(const C##Thing##Array& other) : Base(other) {}                                     \
        /* moving copies deeply and leaves the source unchanged */                                         \
        C##Thing##Array(C##Thing##Array&& other) : Base(other) {}                                          \
        C##Thing##Array& operator=(const C##Thing##Array& other) {                                         \
            Base::operator=(other);                                                                        \
            return *this;                                                                                  \
        }                                                                                                  \
        C##Thing##Array& operator=(C##Thing##Array&& other) {                                              \
            Base::operator=(other);                                                                        \
            return *this;                                                                                  \
        }                                                                                                  \
        virtual ~C##Thing##Array() = default;                                                              \
    };                                                                                                     \
    extern template class kelvara::detail::CBasicArrayHandleCommon<I##Thing, C##Thing, ID, iterable>;     \
    extern template class CBasicArrayHandle<I##Thing, C##Thing, ID, iterable>;                             \
    class C##Thing##ArrayHandle : public CBasicArrayHandle<I##Thing, C##Thing, ID, iterable> {             \
        using Base = CBasicArrayHandle<I##Thing, C##Thing, ID, iterable>;                                  \
                                                                                                           \
    public:                                                                                                \
        using Base::Base;                                                                                  \
        C##Thing##ArrayHandle() = default;                                                                 \
        C##Thing##ArrayHandle(const Base& other) : Base(other) {}                                          \
        C##Thing##ArrayHandle& operator=(const CUniqueObjectPointerArray<I##Thing, C##Thing, ID>* array) { \
            this->m_array = const_cast<CUniqueObjectPointerArray<I##Thing, C##Thing, ID>*>(array);         \
            return *this;                                                                                  \
        }                                                                                                  \
    };

#define KELVARA_ROOT_FAMILY_AS(Thing, ID, iterable)                                                        \
    KELVARA_KIND_FAMILY_AS(Thing, ID, iterable)                                                               \
    class I##Thing##Root : public IRoot<I##Thing, ID, I##Thing##ArrayHandle> {};                          \
    class C##Thing##Root : public CRoot<I##Thing##Root, C##Thing##Root, I##Thing, C##Thing, ID, iterable,  \
                                        C##Thing##Array, I##Thing##ArrayHandle> {};                        \
    using C##Thing##RootHandle = CBasicHandle<I##Thing##Root, C##Thing##Root>;                             \
    using C##Thing##RootWritableHandle = CWritableBasicHandle<I##Thing##Root, C##Thing##Root>;             \
    using I##Thing##RootHandle = CWrapperHandle<I##Thing##Root>;                                           \
    using I##Thing##RootWritableHandle = CWritableWrapperHandle<I##Thing##Root>;

#define KELVARA_DEFINE_KIND_AS(Thing, ID, iterable)                                                           \
    template class kelvara::detail::OwningCore<C##Thing, I##Thing,                                        \
                                               kelvara::detail::ObjectElementTraits<I##Thing, C##Thing>>;  \
    template class CUniqueObjectPointerArray<I##Thing, C##Thing, ID>;                                      \
    template class kelvara::detail::CBasicArrayHandleCommon<I##Thing, C##Thing, ID, iterable>;            \
    template class CBasicArrayHandle<I##Thing, C##Thing, ID, iterable>;

// ---- the registry's kinds ----

#define KELVARA_TRAITS_OF(Thing) ::kelvara::KindTraits<I##Thing>
#define KELVARA_CHECK_ROLE_(Thing, role, what)                                                  \
    static_assert(KELVARA_TRAITS_OF(Thing)::kRole == ::kelvara::KindRole::role,               \
                  #Thing ": the family macro does not match the kind's registry line (" what ")");

#define KELVARA_OBJECT_FAMILY(Thing) \
    KELVARA_CHECK_ROLE_(Thing, Single, "SINGLE") KELVARA_OBJECT_FAMILY_AS(Thing)

#define KELVARA_KIND_FAMILY(Thing)                                                                        \
    KELVARA_CHECK_ROLE_(Thing, Listed, "LISTED")                                                          \
    KELVARA_KIND_FAMILY_AS(Thing, KELVARA_TRAITS_OF(Thing)::ID, KELVARA_TRAITS_OF(Thing)::kPrimaryIterable)

#define KELVARA_ROOT_FAMILY(Thing)                                                                        \
    KELVARA_CHECK_ROLE_(Thing, Root, "ROOT")                                                              \
    KELVARA_ROOT_FAMILY_AS(Thing, KELVARA_TRAITS_OF(Thing)::ID, KELVARA_TRAITS_OF(Thing)::kPrimaryIterable)

#define KELVARA_DEFINE_KIND(Thing)                                                                        \
    KELVARA_DEFINE_KIND_AS(Thing, KELVARA_TRAITS_OF(Thing)::ID, KELVARA_TRAITS_OF(Thing)::kPrimaryIterable)
