// Array handles: non-owning references to a whole list, yielding object handles. The iterable
// form hands out iterators that walk the list in ascending identifier order; the other form has
// find(id, position). A wrapper array handle owns one concrete array handle.
#pragma once

#include <utility>

#include "kelvara/base/HandleInterfaces.h"

class CKelvaraArchive;

template <class I>
class IIterator {
public:
    virtual ~IIterator() = default;
    virtual CWritableWrapperHandle<I> current() = 0;
    virtual CWritableWrapperHandle<I> next() = 0;
    virtual CWritableWrapperHandle<I> previous() = 0;
    virtual bool hasNext() const = 0;
    virtual bool hasPrevious() const = 0;
    virtual bool remove() = 0;
    virtual IIterator* clone() const = 0;
};

template <class I>
class IConstIterator {
public:
    virtual ~IConstIterator() = default;
    virtual CWrapperHandle<I> current() = 0;
    virtual CWrapperHandle<I> next() = 0;
    virtual CWrapperHandle<I> previous() = 0;
    virtual bool hasNext() const = 0;
    virtual bool hasPrevious() const = 0;
    virtual bool remove() = 0;
    virtual IConstIterator* clone() const = 0;
};

namespace kelvara::detail {

// Owns one iterator; without one, the queries answer false and the moves an empty handle.
template <class Iter, class Handle>
class IteratorWrapperBase {
public:
    IteratorWrapperBase() noexcept = default;
    explicit IteratorWrapperBase(Iter* iterator) noexcept : m_iterator(iterator) {}
    IteratorWrapperBase(const IteratorWrapperBase& other) : m_iterator(other.m_iterator ? other.m_iterator->clone() : nullptr) {}
    IteratorWrapperBase(IteratorWrapperBase&& other) noexcept : m_iterator(std::exchange(other.m_iterator, nullptr)) {}
    IteratorWrapperBase& operator=(const IteratorWrapperBase& other) {
        Iter* copy = other.m_iterator ? other.m_iterator->clone() : nullptr;
        delete m_iterator;
        m_iterator = copy;
        return *this;
    }
    IteratorWrapperBase& operator=(IteratorWrapperBase&& other) noexcept {
        if (this != &other) {
            delete m_iterator;
            m_iterator = std::exchange(other.m_iterator, nullptr);
        }
        return *this;
    }
    virtual ~IteratorWrapperBase() { delete m_iterator; }

    Handle current() { return m_iterator ? m_iterator->current() : Handle(); }
    Handle next() { return m_iterator ? m_iterator->next() : Handle(); }
    Handle previous() { return m_iterator ? m_iterator->previous() : Handle(); }
    bool hasNext() const { return m_iterator && m_iterator->hasNext(); }
    bool hasPrevious() const { return m_iterator && m_iterator->hasPrevious(); }
    bool remove() { return m_iterator && m_iterator->remove(); }
    explicit operator bool() const noexcept { return m_iterator != nullptr; }

private:
    Iter* m_iterator = nullptr;
};

}  // namespace kelvara::detail

template <class I>
class CIteratorWrapper : public kelvara::detail::IteratorWrapperBase<IIterator<I>, CWritableWrapperHandle<I>> {
public:
    using kelvara::detail::IteratorWrapperBase<IIterator<I>, CWritableWrapperHandle<I>>::IteratorWrapperBase;
};

template <class I>
class CConstIteratorWrapper : public kelvara::detail::IteratorWrapperBase<IConstIterator<I>, CWrapperHandle<I>> {
public:
    using kelvara::detail::IteratorWrapperBase<IConstIterator<I>, CWrapperHandle<I>>::IteratorWrapperBase;
};

template <class I, class ID, bool iterable>
class CWrapperArrayHandle;

template <class I, class ID, bool iterable>
class IArrayHandle;

namespace kelvara::detail {

template <class I, class ID, bool iterable>
class IArrayHandleCommon {
public:
    virtual ~IArrayHandleCommon() = default;
    virtual int GetSize() const = 0;
    virtual CWrapperHandle<I> operator[](int position) const = 0;
    CWrapperHandle<I> getConstReference(int position) const { return (*this)[position]; }
    virtual int findByID(const ID& id) const = 0;
    virtual CWrapperHandle<I> find(const ID& id) const = 0;
    virtual CWritableWrapperHandle<I> getWritableReference(int position) const = 0;
    virtual void Serialize(CKelvaraArchive& ar) = 0;
    virtual void resort() = 0;
    virtual void copyFrom(const CWrapperArrayHandle<I, ID, iterable>& source) = 0;
    virtual IArrayHandle<I, ID, iterable>* clone() const = 0;
    virtual bool isNull() const = 0;
    virtual bool isMemoryHandle() const { return false; }
    // The list referred to, so that a copy from a handle on the same list is recognised.
    virtual const void* identity() const { return nullptr; }
};

}  // namespace kelvara::detail

template <class I, class ID>
class IArrayHandle<I, ID, false> : public kelvara::detail::IArrayHandleCommon<I, ID, false> {
public:
    using kelvara::detail::IArrayHandleCommon<I, ID, false>::find;
    virtual CWrapperHandle<I> find(const ID& id, int& position) const = 0;
};

template <class I, class ID>
class IArrayHandle<I, ID, true> : public kelvara::detail::IArrayHandleCommon<I, ID, true> {
public:
    virtual CIteratorWrapper<I> getIterator(const ID& id) const = 0;
    virtual CIteratorWrapper<I> getIterator() const = 0;
    virtual CIteratorWrapper<I> getReverseIterator() const = 0;
    virtual CConstIteratorWrapper<I> getConstIterator(const ID& id) const = 0;
    virtual CConstIteratorWrapper<I> getConstIterator() const = 0;
    virtual CConstIteratorWrapper<I> getConstReverseIterator() const = 0;
};

template <class I, class ID, bool iterable>
class CWrapperArrayHandle {
public:
    using Held = IArrayHandle<I, ID, iterable>;

    CWrapperArrayHandle() noexcept = default;
    explicit CWrapperArrayHandle(Held* held) noexcept : m_held(held) {}
    CWrapperArrayHandle(const CWrapperArrayHandle& other) : m_held(other.m_held ? other.m_held->clone() : nullptr) {}
    CWrapperArrayHandle(CWrapperArrayHandle&& other) noexcept : m_held(std::exchange(other.m_held, nullptr)) {}
    CWrapperArrayHandle& operator=(const CWrapperArrayHandle& other) {
        Held* copy = other.m_held ? other.m_held->clone() : nullptr;
        delete m_held;
        m_held = copy;
        return *this;
    }
    CWrapperArrayHandle& operator=(CWrapperArrayHandle&& other) noexcept {
        if (this != &other) {
            delete m_held;
            m_held = std::exchange(other.m_held, nullptr);
        }
        return *this;
    }
    ~CWrapperArrayHandle() { delete m_held; }

    int GetSize() const { return m_held ? m_held->GetSize() : 0; }
    CWrapperHandle<I> operator[](int position) const { return m_held ? (*m_held)[position] : CWrapperHandle<I>(); }
    CWrapperHandle<I> getConstReference(int position) const { return (*this)[position]; }
    CWritableWrapperHandle<I> getWritableReference(int position) const {
        return m_held ? m_held->getWritableReference(position) : CWritableWrapperHandle<I>();
    }
    CWrapperHandle<I> find(const ID& id) const { return m_held ? m_held->find(id) : CWrapperHandle<I>(); }
    CWrapperHandle<I> find(const ID& id, int& position) const
        requires(!iterable)
    {
        if (m_held) return m_held->find(id, position);
        position = -1;
        return CWrapperHandle<I>();
    }
    int findByID(const ID& id) const { return m_held ? m_held->findByID(id) : -1; }
    void Serialize(CKelvaraArchive& ar) const {
        if (m_held) m_held->Serialize(ar);
    }
    void resort() const {
        if (m_held) m_held->resort();
    }
    void copyFrom(const CWrapperArrayHandle& source) const {
        if (m_held) m_held->copyFrom(source);
    }

    CIteratorWrapper<I> getIterator() const requires iterable { return m_held ? m_held->getIterator() : CIteratorWrapper<I>(); }
    CIteratorWrapper<I> getIterator(const ID& id) const requires iterable {
        return m_held ? m_held->getIterator(id) : CIteratorWrapper<I>();
    }
    CIteratorWrapper<I> getReverseIterator() const requires iterable {
        return m_held ? m_held->getReverseIterator() : CIteratorWrapper<I>();
    }
    CConstIteratorWrapper<I> getConstIterator() const requires iterable {
        return m_held ? m_held->getConstIterator() : CConstIteratorWrapper<I>();
    }
    CConstIteratorWrapper<I> getConstIterator(const ID& id) const requires iterable {
        return m_held ? m_held->getConstIterator(id) : CConstIteratorWrapper<I>();
    }
    CConstIteratorWrapper<I> getConstReverseIterator() const requires iterable {
        return m_held ? m_held->getConstReverseIterator() : CConstIteratorWrapper<I>();
    }

    bool operator!() const { return !m_held || m_held->isNull(); }
    bool isNull() const { return !(*this); }
    bool isEmpty() const noexcept { return m_held == nullptr; }
    Held* held() const noexcept { return m_held; }

    // Element by element by content. A handle that refers to no list equals one that refers to no
    // list, and equals a non-memory handle without elements, but never a memory handle. The
    // iterable form is copied and stored in identifier order, so its element order is not content:
    // two iterable lists are equal when each element has an equal one under its identifier.
    bool operator==(const CWrapperArrayHandle& other) const {
        const bool mine = !(!*this), theirs = !(!other);
        if (mine && theirs) {
            if (GetSize() != other.GetSize()) return false;
            if constexpr (iterable) {
                for (int i = 0; i < GetSize(); ++i) {
                    const CWrapperHandle<I> element = (*this)[i];
                    const CWrapperHandle<I> match = other.find(element->getID());
                    if (match.isNull() || element != match) return false;
                }
                return true;
            }
            for (int i = 0; i < GetSize(); ++i)
                if ((*this)[i] != other[i]) return false;
            return true;
        }
        if (mine) return m_held->isMemoryHandle() ? false : GetSize() == 0;
        if (other.isEmpty() || other.m_held->isNull()) return true;
        return other.m_held->isMemoryHandle() ? false : other.GetSize() == 0;
    }
    bool operator!=(const CWrapperArrayHandle& other) const { return !(*this == other); }

private:
    Held* m_held = nullptr;
};
