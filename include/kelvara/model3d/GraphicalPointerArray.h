// The stored form behind the transform and material arrays: owned C objects held by pointer, seen
// through IArray (an IOwnedPointerArray<I>). Objects handed over as I are kept when they are Cs and
// copied into a new C otherwise. The archive form is CNonUniquePointerArray's.
#pragma once

#include <memory>
#include <utility>

#include "kelvara/base/IGraphicalTransform.h"
#include "kelvara/framework/PlainArrays.h"

namespace kelvara::detail {

template <class IArray, class I, class C>
class CGraphicalPointerArray : public IArray {
    using Seen = IOwnedPointerArray<I>;  // the operations' argument: any array of Is

public:
    CGraphicalPointerArray() = default;
    CGraphicalPointerArray(const CGraphicalPointerArray& other) : IArray(), m_items(other.m_items) {}
    CGraphicalPointerArray& operator=(const CGraphicalPointerArray& other) {
        m_items = other.m_items;  // deep, and harmless on itself
        return *this;
    }
    ~CGraphicalPointerArray() override = default;

    int GetSize() const override { return m_items.GetSize(); }
    int GetUpperBound() const { return m_items.GetUpperBound(); }
    void SetSize(int size) override { m_items.SetSize(size); }
    const C& getConstReference(int position) const override { return m_items.getConstReference(position); }
    C& getWritableReference(int position) override { return m_items.getWritableReference(position); }
    const C& operator[](int position) const { return getConstReference(position); }
    C& operator[](int position) { return getWritableReference(position); }

    int Add(const I& value) override {
        m_items.Attach(copyOf(value).release(), GetSize());
        return GetUpperBound();
    }
    void InsertAt(int position, const I& value) override {
        if (position < 0 || position > GetSize()) return;
        m_items.Attach(copyOf(value).release(), position);
    }
    void InsertAt(int position, const Seen& other) override {
        if (position < 0 || position > GetSize()) return;
        CNonUniquePointerArray<C> copies;  // taken first: other may be this array
        for (int i = 0; i < other.GetSize(); ++i) copies.Attach(copyOf(other.getConstReference(i)).release(), i);
        while (copies.GetSize() > 0) m_items.Attach(copies.Detach(copies.GetUpperBound()), position);
    }
    int Append(const Seen& other) override {
        const int before = GetSize();
        InsertAt(before, other);
        return before;
    }
    // An object the array already holds is refused: owning it twice would destroy it twice.
    void Attach(I* object, int position) override {
        if (!object || holds(object)) return;
        C* concrete = dynamic_cast<C*>(object);
        if (!concrete) {
            std::unique_ptr<I> foreign(object);
            concrete = copyOf(*foreign).release();
        }
        m_items.Attach(concrete, position);
    }
    void Attach(C* object, int position) { Attach(static_cast<I*>(object), position); }
    [[nodiscard]] C* Detach(int position) override { return m_items.Detach(position); }
    void RemoveAt(int position) override { m_items.RemoveAt(position); }
    void RemoveAll() override { m_items.RemoveAll(); }
    void Copy(const Seen& other) override {
        if (&other == this) return;
        if (auto* same = dynamic_cast<const CGraphicalPointerArray*>(&other)) {
            m_items.Copy(same->m_items);
            return;
        }
        CGraphicalPointerArray fresh;
        fresh.InsertAt(0, other);
        m_items.RemoveAll();
        while (fresh.GetSize() > 0) m_items.Attach(fresh.Detach(fresh.GetUpperBound()), 0);
    }
    bool changePosition(int target, int source) override { return m_items.changePosition(target, source); }

    bool operator==(const CGraphicalPointerArray& other) const { return m_items == other.m_items; }
    bool operator!=(const CGraphicalPointerArray& other) const { return !(m_items == other.m_items); }

    // The plain pointer array's record: loads aside and takes over only once it has been read.
    void Serialize(CKelvaraArchive& ar, const char* marker) override { m_items.Serialize(ar, marker); }
    void Serialize(CKelvaraArchive& ar) override { Serialize(ar, IArray::kMarker); }

protected:
    // Exchanges the elements at two valid positions without copying them.
    void swapElements(int a, int b) {
        if (a == b) return;
        if (a > b) std::swap(a, b);
        C* later = m_items.Detach(b);
        C* earlier = m_items.Detach(a);
        m_items.Attach(later, a);
        m_items.Attach(earlier, b);
    }

private:
    static std::unique_ptr<C> copyOf(const I& value) {
        auto item = std::make_unique<C>();
        item->copyFrom(value);
        return item;
    }
    bool holds(const I* object) const {
        for (int i = 0; i < GetSize(); ++i)
            if (static_cast<const I*>(&m_items.getConstReference(i)) == object) return true;
        return false;
    }

    CNonUniquePointerArray<C> m_items;
};

}  // namespace kelvara::detail
