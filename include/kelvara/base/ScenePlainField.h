// A field kind for the field lists: PLAIN(T, Name) is a setting the model reads as a plain number
// or flag, kept as the value type T (CProjectInt, CProjectDouble, CProjectBool, ...) so that it has
// an archive form. Copy, equality and the archive see T; the interface adds the plain getter and
// setter over getStoredName() / getWritableName().
#pragma once

#include "kelvara/base/Record.h"

#define KELVARA_IFACE_PLAIN(T, Name)                     \
private:                                                 \
    virtual const T& getStored##Name() const = 0;        \
    virtual T& getWritable##Name() = 0;                  \
                                                         \
public:

#define KELVARA_ENTRY_PLAIN(T, Name) v.value(#Name, &Self::getStored##Name, &Self::getWritable##Name);

#define KELVARA_IMPL_PLAIN(T, Name)                                           \
private:                                                                      \
    T m_##Name;                                                               \
    const T& getStored##Name() const override { return m_##Name; }            \
    T& getWritable##Name() override { return m_##Name; }                      \
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
