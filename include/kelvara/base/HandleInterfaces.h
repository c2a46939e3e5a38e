// The interface side of object handles: what an interface names when it hands out an object.
// IHandle / IWritableHandle are the abstract concrete-handle interfaces; a wrapper handle owns one
// of them and copying a wrapper clones that handle, never the object. The concrete handles that
// point at stored objects live with the storage (framework/Handles.h).
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
