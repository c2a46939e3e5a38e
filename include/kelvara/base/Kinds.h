// What every interface may name of every kind, declared once from the registry (KindRegistry.h):
// the identifier kinds, and per kind the classes I<Thing> and C<Thing> (declared), the wrapper
// handles I<Thing>Handle and I<Thing>WritableHandle, the wrapper array handle I<Thing>ArrayHandle
// for kinds that are held in lists (and I<Thing>IterableArrayHandle for kinds with both forms),
// and kelvara::KindTraits<I<Thing>>. None of this needs the interface's definition, so an
// interface names another kind's handles without including its header.
//
// Inside each interface class, KELVARA_INTERFACE(Thing) declares clone() and the handle makers.
// Interfaces outside the registry (helpers of a kind, test kinds) declare the same family with
// KELVARA_FORWARD, KELVARA_INTERFACE_FAMILY and KELVARA_INTERFACE_ARRAY before their class.
#pragma once

#include <utility>

#include "kelvara/base/ArrayHandleInterfaces.h"
#include "kelvara/base/HandleInterfaces.h"
#include "kelvara/base/Identifiers.h"
#include "kelvara/base/KindRegistry.h"

namespace kelvara {

enum class KindRole { Single, Listed, Root };

// Specialised for every kind of the registry: kName, ID, kRole, kPositional, kIterable, kFolder.
template <class I>
struct KindTraits;

// The concrete class behind an interface (specialised by each concrete family).
template <class I>
struct ConcreteOf;

}  // namespace kelvara

#define KELVARA_FORWARD(Thing)      \
    class I##Thing;                 \
    class I##Thing##Handle;         \
    class I##Thing##WritableHandle; \
    class I##Thing##ArrayHandle;    \
    class C##Thing;

#define KELVARA_NAMED_WRAPPER(Name, BaseClass)                  \
    class Name : public BaseClass {                             \
        using Base = BaseClass;                                 \
                                                                \
    public:                                                     \
        using Base::Base;                                       \
        Name() = default;                                       \
        Name(const Base& other) : Base(other) {}                \
        Name(Base&& other) noexcept : Base(std::move(other)) {} \
    };

#define KELVARA_INTERFACE_FAMILY(Thing)                                              \
    KELVARA_NAMED_WRAPPER(I##Thing##Handle, CWrapperHandle<I##Thing>)                \
    KELVARA_NAMED_WRAPPER(I##Thing##WritableHandle, CWritableWrapperHandle<I##Thing>)

#define KELVARA_NAMED_ARRAY_HANDLE(Name, Thing, ID, iterable)                      \
    class Name : public CWrapperArrayHandle<I##Thing, ID, iterable> {              \
    public:                                                                        \
        using Base = CWrapperArrayHandle<I##Thing, ID, iterable>;                  \
        using Base::Base;                                                          \
        Name() = default;                                                          \
        Name(const Base& other) : Base(other) {}                                   \
        Name(Base&& other) noexcept : Base(std::move(other)) {}                    \
    };

#define KELVARA_INTERFACE_ARRAY(Thing, ID, iterable) \
    KELVARA_INTERFACE_FAMILY(Thing)                  \
    KELVARA_NAMED_ARRAY_HANDLE(I##Thing##ArrayHandle, Thing, ID, iterable)

// Inside I<Thing>: the copy every interface hands out, and its handles.
#define KELVARA_INTERFACE(Thing)                                                                      \
public:                                                                                               \
    /* A heap copy; the caller owns it. */                                                            \
    [[nodiscard]] virtual I##Thing* clone() const = 0;                                                \
    I##Thing##Handle getHandle() const { return I##Thing##Handle(handle()); }                         \
    I##Thing##WritableHandle getWritableHandle() { return I##Thing##WritableHandle(writableHandle()); } \
                                                                                                      \
private:                                                                                              \
    virtual IHandle<I##Thing>* handle() const = 0;                                                    \
    virtual IWritableHandle<I##Thing>* writableHandle() = 0;                                          \
                                                                                                      \
public:

// ---- implementation details follow: the expansion of the registry ----

#define KELVARA_KIND_POSITIONAL_NONE false
#define KELVARA_KIND_POSITIONAL_POSITIONAL true
#define KELVARA_KIND_POSITIONAL_ITERABLE false
#define KELVARA_KIND_POSITIONAL_BOTH true
#define KELVARA_KIND_ITERABLE_NONE false
#define KELVARA_KIND_ITERABLE_POSITIONAL false
#define KELVARA_KIND_ITERABLE_ITERABLE true
#define KELVARA_KIND_ITERABLE_BOTH true
#define KELVARA_KIND_ROLE_SINGLE Single
#define KELVARA_KIND_ROLE_LISTED Listed
#define KELVARA_KIND_ROLE_ROOT Root

#define KELVARA_KIND_ARRAYS_NONE(Thing, ID)
// A listed kind's array class is named here too, so that a record can hold a list of its own kind
// by pointer before the array is defined.
#define KELVARA_KIND_ARRAYS_POSITIONAL(Thing, ID) \
    class C##Thing##Array;                        \
    KELVARA_NAMED_ARRAY_HANDLE(I##Thing##ArrayHandle, Thing, ID, false)
#define KELVARA_KIND_ARRAYS_ITERABLE(Thing, ID) \
    class C##Thing##Array;                      \
    KELVARA_NAMED_ARRAY_HANDLE(I##Thing##ArrayHandle, Thing, ID, true)
#define KELVARA_KIND_ARRAYS_BOTH(Thing, ID)                                   \
    class C##Thing##Array;                                                    \
    KELVARA_NAMED_ARRAY_HANDLE(I##Thing##ArrayHandle, Thing, ID, false)       \
    KELVARA_NAMED_ARRAY_HANDLE(I##Thing##IterableArrayHandle, Thing, ID, true)

#define KELVARA_KIND_DECLARE(Thing, Identifier, Iteration, Role, Folder)                                 \
    class I##Thing;                                                                              \
    class C##Thing;                                                                              \
    template <>                                                                                  \
    struct kelvara::KindTraits<I##Thing> {                                                       \
        static constexpr const char* kName = #Thing;                                             \
        static constexpr const char* kFolder = #Folder;                                          \
        using ID = Identifier;                                                                   \
        static constexpr KindRole kRole = KindRole::KELVARA_KIND_ROLE_##Role;                    \
        static constexpr bool kPositional = KELVARA_KIND_POSITIONAL_##Iteration;                 \
        static constexpr bool kIterable = KELVARA_KIND_ITERABLE_##Iteration;                     \
        /* The form of C<Thing>ArrayHandle and of the lists' own archive form. */                \
        static constexpr bool kPrimaryIterable = !kPositional && kIterable;                      \
    };                                                                                           \
    KELVARA_INTERFACE_FAMILY(Thing)                                                              \
    KELVARA_KIND_ARRAYS_##Iteration(Thing, Identifier)

KELVARA_KINDS(KELVARA_KIND_DECLARE)
