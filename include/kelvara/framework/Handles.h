// Concrete object handles. A concrete handle points at an object some array owns (never owning
// it); a null one reads as the class's shared invalid object. The wrapper handles an interface
// hands out are in base/HandleInterfaces.h.
#pragma once

#include "kelvara/base/HandleInterfaces.h"

template <class I, class C>
class CBasicHandle : public IHandle<I> {
public:
    CBasicHandle() noexcept = default;
    CBasicHandle(const C* object) noexcept : m_object(object) {}
    CBasicHandle(const CBasicHandle&) noexcept = default;
    CBasicHandle& operator=(const CBasicHandle&) noexcept = default;
    CBasicHandle& operator=(const C* object) noexcept {
        m_object = object;
        return *this;
    }

    const I* operator->() const override { return m_object ? m_object : &invalidObject(); }
    const I& operator*() const override { return m_object ? *m_object : invalidObject(); }
    operator const I*() const override { return m_object; }
    IHandle<I>* clone() const override { return new CBasicHandle(*this); }
    bool isNull() const override { return m_object == nullptr; }
    void reload() const override {}

    // The object a null handle reads as: default-constructed on first use, one per class.
    static const C& invalidObject() {
        static const C object;
        return object;
    }

protected:
    const C* m_object = nullptr;
};

template <class I, class C>
class CWritableBasicHandle : public IWritableHandle<I> {
public:
    CWritableBasicHandle() noexcept = default;
    CWritableBasicHandle(C* object) noexcept : m_object(object) {}
    CWritableBasicHandle(const CWritableBasicHandle&) noexcept = default;
    CWritableBasicHandle& operator=(const CWritableBasicHandle&) noexcept = default;
    CWritableBasicHandle& operator=(C* object) noexcept {
        m_object = object;
        return *this;
    }

    I* operator->() const override { return m_object ? m_object : &invalidObject(); }
    I& operator*() const override { return m_object ? *m_object : invalidObject(); }
    operator I*() const override { return m_object; }
    IWritableHandle<I>* clone() const override { return new CWritableBasicHandle(*this); }
    bool isNull() const override { return m_object == nullptr; }
    void reload() const override {}

    // Writable, and distinct from the read-only handle's: writes through a null writable handle
    // land here and are seen by later null writable handles of the class.
    static C& invalidObject() {
        static C object;
        return object;
    }

protected:
    C* m_object = nullptr;
};

