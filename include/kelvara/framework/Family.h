// A kind's family, one line at each place (ID is the identifier class, it whether the list is
// iterable in identifier order):
//   KELVARA_FORWARD(Thing)                    before I<Thing>: names the family's classes
//   KELVARA_INTERFACE(Thing)                  inside I<Thing>: clone, getHandle, getWritableHandle
//   KELVARA_INTERFACE_FAMILY(Thing)           after I<Thing>: I<Thing>Handle, I<Thing>WritableHandle
//   KELVARA_INTERFACE_ARRAY(Thing, ID, it)    the same plus I<Thing>ArrayHandle, for listed kinds
//   KELVARA_OBJECT(Thing)                     inside C<Thing>: copy, assignment, clone, handle makers
//   KELVARA_OBJECT_FAMILY(Thing)              after C<Thing>: C<Thing>Handle, C<Thing>WritableHandle
//   KELVARA_KIND_FAMILY(Thing, ID, it)        the same plus C<Thing>Array and C<Thing>ArrayHandle
//   KELVARA_ROOT_FAMILY(Thing, ID, it)        the same plus I/C<Thing>Root and the root's handles
//   KELVARA_DEFINE_KIND(Thing, ID, it)        in the kind's .cpp: the one instantiation of its templates
#pragma once

#include "kelvara/base/Record.h"
#include "kelvara/framework/ArrayHandles.h"
#include "kelvara/framework/Handles.h"
#include "kelvara/framework/Identifiers.h"
#include "kelvara/framework/Root.h"

namespace kelvara {
// The concrete class behind an interface (the generic tests build children through it).
template <class I>
struct ConcreteOf;
}  // namespace kelvara

#define KELVARA_FORWARD(Thing) \
    class I##Thing;                \
    class I##Thing##Handle;        \
    class I##Thing##WritableHandle; \
    class I##Thing##ArrayHandle;   \
    class C##Thing;

#define KELVARA_INTERFACE(Thing)                                      \
public:                                                               \
    virtual I##Thing* clone() const = 0;                              \
    I##Thing##Handle getHandle() const;                               \
    I##Thing##WritableHandle getWritableHandle();                     \
                                                                      \
private:                                                              \
    virtual IHandle<I##Thing>* handle() const = 0;                    \
    virtual IWritableHandle<I##Thing>* writableHandle() = 0;          \
                                                                      \
public:

#define KELVARA_NAMED_WRAPPER(Name, BaseClass)                           \
    class Name : public BaseClass {                                      \
        using Base = BaseClass;                                          \
                                                                         \
    public:                                                              \
        using Base::Base;                                                \
        Name() = default;                                                \
        Name(const Base& other) : Base(other) {}                         \
        Name(Base&& other) noexcept : Base(std::move(other)) {}          \
    };

#define KELVARA_INTERFACE_FAMILY(Thing)                                                              \
    KELVARA_NAMED_WRAPPER(I##Thing##Handle, CWrapperHandle<I##Thing>)                                \
    KELVARA_NAMED_WRAPPER(I##Thing##WritableHandle, CWritableWrapperHandle<I##Thing>)                \
    inline I##Thing##Handle I##Thing::getHandle() const { return I##Thing##Handle(handle()); }       \
    inline I##Thing##WritableHandle I##Thing::getWritableHandle() {                                  \
        return I##Thing##WritableHandle(writableHandle());                                           \
    }

#define KELVARA_INTERFACE_ARRAY(Thing, ID, iterable)                                        \
    KELVARA_INTERFACE_FAMILY(Thing)                                                            \
    class I##Thing##ArrayHandle : public CWrapperArrayHandle<I##Thing, ID, iterable> {         \
    public:                                                                                    \
        using Base = CWrapperArrayHandle<I##Thing, ID, iterable>;                              \
                                                                                               \
        using Base::Base;                                                                      \
        I##Thing##ArrayHandle() = default;                                                     \
        I##Thing##ArrayHandle(const Base& other) : Base(other) {}                              \
        I##Thing##ArrayHandle(Base&& other) noexcept : Base(std::move(other)) {}               \
    };

#define KELVARA_OBJECT(Thing)                                                       \
public:                                                                             \
    C##Thing(const C##Thing& other) : I##Thing() { this->copyFrom(other); }         \
    C##Thing& operator=(const C##Thing& other) {                                    \
        this->copyFrom(other);                                                      \
        return *this;                                                               \
    }                                                                               \
    I##Thing* clone() const override { return new C##Thing(*this); }               \
                                                                                    \
private:                                                                            \
    IHandle<I##Thing>* handle() const override;                                     \
    IWritableHandle<I##Thing>* writableHandle() override;                           \
                                                                                    \
public:

#define KELVARA_OBJECT_FAMILY(Thing)                                                                        \
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

#define KELVARA_KIND_FAMILY(Thing, ID, iterable)                                                           \
    KELVARA_OBJECT_FAMILY(Thing)                                                                           \
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

#define KELVARA_ROOT_FAMILY(Thing, ID, iterable)                                                           \
    KELVARA_KIND_FAMILY(Thing, ID, iterable)                                                               \
    class I##Thing##Root : public IRoot<I##Thing, ID, I##Thing##ArrayHandle> {};                          \
    class C##Thing##Root : public CRoot<I##Thing##Root, C##Thing##Root, I##Thing, C##Thing, ID, iterable,  \
                                        C##Thing##Array, I##Thing##ArrayHandle> {};                        \
    using C##Thing##RootHandle = CBasicHandle<I##Thing##Root, C##Thing##Root>;                             \
    using C##Thing##RootWritableHandle = CWritableBasicHandle<I##Thing##Root, C##Thing##Root>;             \
    using I##Thing##RootHandle = CWrapperHandle<I##Thing##Root>;                                           \
    using I##Thing##RootWritableHandle = CWritableWrapperHandle<I##Thing##Root>;

#define KELVARA_DEFINE_KIND(Thing, ID, iterable)                                                           \
    template class kelvara::detail::OwningCore<C##Thing, I##Thing,                                        \
                                               kelvara::detail::ObjectElementTraits<I##Thing, C##Thing>>;  \
    template class CUniqueObjectPointerArray<I##Thing, C##Thing, ID>;                                      \
    template class kelvara::detail::CBasicArrayHandleCommon<I##Thing, C##Thing, ID, iterable>;            \
    template class CBasicArrayHandle<I##Thing, C##Thing, ID, iterable>;
