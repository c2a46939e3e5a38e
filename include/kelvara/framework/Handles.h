// Object handles. A concrete handle points at an object some array owns (never owning it); a null
// one reads as the class's shared invalid object. A wrapper handle owns one concrete handle behind
// IHandle / IWritableHandle; copying a wrapper clones the concrete handle, never the object.
#pragma once

#include <utility>

template <class I>
class IHandle {
public:
    virtual ~IHandle() = default;
    virtual const I* operator->() const = 0;
    virtual const I& operator*() const = 0;
    virtual operator const I*() const = 0;
    virtual IHandle* clone() const = 0;
    virtual bool isNull() const = 0;
    virtual void reload() const = 0;
};

template <class I>
class IWritableHandle {
public:
    virtual ~IWritableHandle() = default;
    virtual I* operator->() const = 0;
    virtual I& operator*() const = 0;
    virtual operator I*() const = 0;
    virtual IWritableHandle* clone() const = 0;
    virtual bool isNull() const = 0;
    virtual void reload() const = 0;
};

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

namespace kelvara::detail {

// The wrapper logic shared by the read-only and the writable wrapper.
template <class Held, class Pointer, class Reference>
class WrapperHandleBase {
public:
    WrapperHandleBase() noexcept = default;
    explicit WrapperHandleBase(Held* held) noexcept : m_held(held) {}
    WrapperHandleBase(const WrapperHandleBase& other) : m_held(cloneOf(other)) {}
    WrapperHandleBase(WrapperHandleBase&& other) noexcept : m_held(std::exchange(other.m_held, nullptr)) {}
    // Clones the source before letting go of the held handle, so self-assignment is harmless.
    WrapperHandleBase& operator=(const WrapperHandleBase& other) {
        Held* copy = cloneOf(other);
        delete m_held;
        m_held = copy;
        return *this;
    }
    WrapperHandleBase& operator=(WrapperHandleBase&& other) noexcept {
        if (this != &other) {
            delete m_held;
            m_held = std::exchange(other.m_held, nullptr);
        }
        return *this;
    }
    ~WrapperHandleBase() { delete m_held; }

    // Callers test isNull() first: an empty wrapper has nothing to forward to.
    Pointer operator->() const { return m_held->operator->(); }
    Reference operator*() const { return **m_held; }
    operator Pointer() const { return m_held ? static_cast<Pointer>(*m_held) : nullptr; }
    bool isNull() const { return !m_held || m_held->isNull(); }
    bool operator!() const { return isNull(); }
    bool isEmpty() const noexcept { return m_held == nullptr; }
    void reload() const {
        if (m_held) m_held->reload();
    }
    Held* held() const noexcept { return m_held; }
    Pointer get() const { return isNull() ? nullptr : static_cast<Pointer>(*m_held); }

    // Equal content, by the interface's equality; handles that refer to nothing equal each other.
    template <class Other>
    bool equals(const Other& other) const {
        if (isNull()) return other.isNull();
        if (other.isNull()) return false;
        return *get() == *other.get();
    }
    // As equals, but two handles on objects are the same only when they point at one object.
    template <class Other>
    bool same(const Other& other) const {
        if (isNull()) return other.isNull();
        if (other.isNull()) return false;
        return static_cast<const void*>(get()) == static_cast<const void*>(other.get());
    }

private:
    static Held* cloneOf(const WrapperHandleBase& other) {
        return (other.m_held && !other.m_held->isNull()) ? other.m_held->clone() : nullptr;
    }

    Held* m_held = nullptr;
};

}  // namespace kelvara::detail

template <class I>
class CWrapperHandle : public kelvara::detail::WrapperHandleBase<IHandle<I>, const I*, const I&> {
    using Base = kelvara::detail::WrapperHandleBase<IHandle<I>, const I*, const I&>;

public:
    using Base::Base;
    CWrapperHandle() noexcept = default;
    bool operator==(const CWrapperHandle& other) const { return this->equals(other); }
    bool operator!=(const CWrapperHandle& other) const { return !this->equals(other); }
    bool isSame(const CWrapperHandle& other) const { return this->same(other); }
};

template <class I>
class CWritableWrapperHandle : public kelvara::detail::WrapperHandleBase<IWritableHandle<I>, I*, I&> {
    using Base = kelvara::detail::WrapperHandleBase<IWritableHandle<I>, I*, I&>;

public:
    using Base::Base;
    CWritableWrapperHandle() noexcept = default;
    bool operator==(const CWritableWrapperHandle& other) const { return this->equals(other); }
    bool operator!=(const CWritableWrapperHandle& other) const { return !this->equals(other); }
    bool isSame(const CWritableWrapperHandle& other) const { return this->same(other); }
};
