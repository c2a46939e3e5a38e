// Concrete array handles over an owning array, and the iterators that walk its ordered index.
// Every operation on a handle without an array answers the neutral value (0, -1, empty handles).
#pragma once

#include "kelvara/base/ArrayHandleInterfaces.h"
#include "kelvara/framework/Handles.h"
#include "kelvara/framework/UniqueObjectPointerArray.h"

// Walks the ordered index: place -1 is before the first element, place count after the last.
template <class I, class C, class ID, class Base, class Handle>
class CArrayIteratorBase : public Base {
public:
    using Array = CUniqueObjectPointerArray<I, C, ID>;

    CArrayIteratorBase(Array* array, int place, bool afterRemoval = false) noexcept
        : m_array(array), m_place(place), m_afterRemoval(afterRemoval) {}

    Handle current() override {
        if (!m_array || m_place < 0 || m_place >= m_array->GetSize()) return Handle();
        return at(m_place);
    }
    Handle next() override {
        if (!m_array || m_place < -1 || m_place >= m_array->GetSize()) return Handle();
        m_afterRemoval = false;
        return at(++m_place);
    }
    Handle previous() override {
        const int from = backwardPlace();
        if (!m_array || from < 0 || from > m_array->GetSize()) return Handle();
        m_afterRemoval = false;
        m_place = from - 1;
        return at(m_place);
    }
    bool hasNext() const override { return m_array && m_place >= -1 && m_place < m_array->GetSize() - 1; }
    bool hasPrevious() const override {
        return m_array && backwardPlace() >= 1 && backwardPlace() <= m_array->GetSize();
    }
    // Removes the element stood on and steps back, so the next next() yields its successor and
    // the next previous() its predecessor: a walk in either direction visits every element once.
    bool remove() override {
        if (!m_array || m_place < 0 || m_place >= m_array->GetSize()) return false;
        m_array->RemoveAt(m_array->getOrderedIndex(m_place));
        --m_place;
        m_afterRemoval = true;
        return true;
    }
    int place() const noexcept { return m_place; }

protected:
    // Outside the index this is a handle on the array's default object, as the reads answer.
    Handle at(int place) const {
        using Concrete = std::conditional_t<std::is_same_v<Handle, CWrapperHandle<I>>, CBasicHandle<I, C>,
                                            CWritableBasicHandle<I, C>>;
        return Handle(new Concrete(&m_array->getWritableReference(m_array->getOrderedIndex(place))));
    }

    // After a removal the iterator stands between place and place + 1 (where the removed element
    // was): a backward step starts from the removed element's place, not from its predecessor.
    int backwardPlace() const noexcept { return m_afterRemoval ? m_place + 1 : m_place; }

    Array* m_array;
    int m_place;
    bool m_afterRemoval;
};

template <class I, class C, class ID>
class CArrayIterator : public CArrayIteratorBase<I, C, ID, IIterator<I>, CWritableWrapperHandle<I>> {
public:
    using CArrayIteratorBase<I, C, ID, IIterator<I>, CWritableWrapperHandle<I>>::CArrayIteratorBase;
    IIterator<I>* clone() const override {
        return new CArrayIterator(this->m_array, this->m_place, this->m_afterRemoval);
    }
};

template <class I, class C, class ID>
class CArrayConstIterator : public CArrayIteratorBase<I, C, ID, IConstIterator<I>, CWrapperHandle<I>> {
public:
    using CArrayIteratorBase<I, C, ID, IConstIterator<I>, CWrapperHandle<I>>::CArrayIteratorBase;
    IConstIterator<I>* clone() const override {
        return new CArrayConstIterator(this->m_array, this->m_place, this->m_afterRemoval);
    }
};

namespace kelvara::detail {

template <class I, class C, class ID, bool iterable>
class CBasicArrayHandleCommon : public IArrayHandle<I, ID, iterable> {
public:
    using Array = CUniqueObjectPointerArray<I, C, ID>;
    using IArrayHandle<I, ID, iterable>::find;

    CBasicArrayHandleCommon() noexcept = default;
    CBasicArrayHandleCommon(const Array* array) noexcept : m_array(const_cast<Array*>(array)) {}

    int GetSize() const override { return m_array ? m_array->GetSize() : 0; }
    CWrapperHandle<I> operator[](int position) const override {
        if (!m_array) return CWrapperHandle<I>();
        return CWrapperHandle<I>(new CBasicHandle<I, C>(&m_array->getWritableReference(position)));
    }
    int findByID(const ID& id) const override { return m_array ? m_array->findByID(id) : -1; }
    CWrapperHandle<I> find(const ID& id) const override {
        const int p = findByID(id);
        return p < 0 ? CWrapperHandle<I>() : (*this)[p];
    }
    CWritableWrapperHandle<I> getWritableReference(int position) const override {
        if (!m_array) return CWritableWrapperHandle<I>();
        return CWritableWrapperHandle<I>(new CWritableBasicHandle<I, C>(&m_array->getWritableReference(position)));
    }
    void resort() override {
        if (!m_array) return;
        m_array->discardSorting();
        m_array->sort();
    }
    // Replaces the list by copies of the source's elements (by position, or in identifier order
    // for the iterable form); repeated identifiers are dropped. A source on this very list leaves
    // it unchanged.
    void copyFrom(const CWrapperArrayHandle<I, ID, iterable>& source) override {
        if (!m_array || (source.held() && source.held()->identity() == m_array)) return;
        Array fresh;
        if constexpr (iterable) {
            CConstIteratorWrapper<I> it = source.getConstIterator();
            while (it.hasNext()) {
                CWrapperHandle<I> h = it.next();
                if (!h.isNull()) fresh.Add(*h);
            }
        } else {
            for (int i = 0; i < source.GetSize(); ++i) {
                CWrapperHandle<I> h = source[i];
                if (!h.isNull()) fresh.Add(*h);
            }
        }
        m_array->swap(fresh);
    }
    bool isNull() const override { return m_array == nullptr; }
    bool isMemoryHandle() const override { return true; }
    const void* identity() const override { return m_array; }
    Array* array() const noexcept { return m_array; }

    void Serialize(CKelvaraArchive& ar) override {
        if (!m_array) return;
        if constexpr (!iterable) {
            m_array->Serialize(ar);
        } else {
            serializeInIdentifierOrder(ar);
        }
    }

protected:
    // The iterable form's record: elements in identifier order, each followed by its rank; on
    // loading the ranks are skipped and the index is rebuilt.
    void serializeInIdentifierOrder(CKelvaraArchive& ar) {
        const bool indexed = ar.fileVersion() >= kIndexedArrayVersion;
        ar.checkMarkerStart(kArrayMarker);
        if (ar.IsStoring()) {
            m_array->sort();
            ar << m_array->GetSize();
            for (int n = 0; n < m_array->GetSize(); ++n) {
                m_array->getWritableReference(m_array->getOrderedIndex(n)).Serialize(ar);
                if (indexed) ar << n;
            }
        } else {
            m_array->RemoveAll();
            const int count = ar.readCount("array elements", CKelvaraArchive::kMinRecordBytes + (indexed ? 4 : 0));
            Array loaded;
            for (int i = 0; i < count; ++i) {
                auto object = std::make_unique<C>();
                object->Serialize(ar);
                if (indexed) {
                    int ignored = 0;
                    ar >> ignored;
                }
                loaded.AttachNoSort(i, object.release());
            }
            ar.checkMarkerEnd(kArrayMarker);
            loaded.sort();
            m_array->swap(loaded);
            return;
        }
        ar.checkMarkerEnd(kArrayMarker);
    }

    Array* m_array = nullptr;
};

}  // namespace kelvara::detail

template <class I, class C, class ID, bool iterable>
class CBasicArrayHandle;

template <class I, class C, class ID>
class CBasicArrayHandle<I, C, ID, false> : public kelvara::detail::CBasicArrayHandleCommon<I, C, ID, false> {
    using Common = kelvara::detail::CBasicArrayHandleCommon<I, C, ID, false>;

public:
    using Common::Common;
    using Common::find;
    CWrapperHandle<I> find(const ID& id, int& position) const override {
        position = this->findByID(id);
        return position < 0 ? CWrapperHandle<I>() : (*this)[position];
    }
    IArrayHandle<I, ID, false>* clone() const override { return new CBasicArrayHandle(this->m_array); }
};

template <class I, class C, class ID>
class CBasicArrayHandle<I, C, ID, true> : public kelvara::detail::CBasicArrayHandleCommon<I, C, ID, true> {
    using Common = kelvara::detail::CBasicArrayHandleCommon<I, C, ID, true>;

public:
    using Common::Common;
    CIteratorWrapper<I> getIterator(const ID& id) const override { return iteratorOn<CIteratorWrapper<I>, CArrayIterator<I, C, ID>>(id); }
    CIteratorWrapper<I> getIterator() const override { return startAt<CIteratorWrapper<I>, CArrayIterator<I, C, ID>>(-1); }
    CIteratorWrapper<I> getReverseIterator() const override {
        return startAt<CIteratorWrapper<I>, CArrayIterator<I, C, ID>>(this->GetSize());
    }
    CConstIteratorWrapper<I> getConstIterator(const ID& id) const override {
        return iteratorOn<CConstIteratorWrapper<I>, CArrayConstIterator<I, C, ID>>(id);
    }
    CConstIteratorWrapper<I> getConstIterator() const override {
        return startAt<CConstIteratorWrapper<I>, CArrayConstIterator<I, C, ID>>(-1);
    }
    CConstIteratorWrapper<I> getConstReverseIterator() const override {
        return startAt<CConstIteratorWrapper<I>, CArrayConstIterator<I, C, ID>>(this->GetSize());
    }
    IArrayHandle<I, ID, true>* clone() const override { return new CBasicArrayHandle(this->m_array); }

private:
    template <class Wrapper, class Iterator>
    Wrapper startAt(int place) const {
        if (!this->m_array) return Wrapper();
        this->m_array->sort();
        return Wrapper(new Iterator(this->m_array, place));
    }
    template <class Wrapper, class Iterator>
    Wrapper iteratorOn(const ID& id) const {
        if (!this->m_array) return Wrapper();
        this->m_array->sort();
        const int place = this->m_array->findOrderedIndex(id);
        return place < 0 ? Wrapper() : Wrapper(new Iterator(this->m_array, place));
    }
};

// A list held by pointer: a handle on the owner's std::unique_ptr<Owned> slot. Owned is the kind's
// C<Thing>Array; it may still be incomplete where the handle is named (a kind whose list is of its
// own kind), since only the members use it.
// - keep false (the LAZY entries of a field list): the list exists only while it holds
//   something. Reads of an absent list answer as an empty one; a copy into it or a load creates
//   the list, and a write that leaves it empty releases it, so absent and empty are one state.
// - keep true (child lists held by pointer, KELVARA_RECORD_MEMBERS_HELD): the list always exists
//   and writes replace its content.
// Either way a copy or load is built aside and taken over whole, so a failed load leaves the list
// as it was.
template <class I, class C, class ID, bool iterable, class Owned, bool keep = false>
class CLazyArrayHandle;

namespace kelvara::detail {

template <class I, class C, class ID, bool iterable, class Owned, bool keep>
class CLazyArrayHandleCommon : public IArrayHandle<I, ID, iterable> {
public:
    using Slot = std::unique_ptr<Owned>;
    using Basic = CBasicArrayHandle<I, C, ID, iterable>;
    using IArrayHandle<I, ID, iterable>::find;

    explicit CLazyArrayHandleCommon(const Slot* slot) noexcept : m_slot(const_cast<Slot*>(slot)) {}

    int GetSize() const override { return basic().GetSize(); }
    CWrapperHandle<I> operator[](int position) const override { return basic()[position]; }
    int findByID(const ID& id) const override { return basic().findByID(id); }
    CWrapperHandle<I> find(const ID& id) const override { return basic().find(id); }
    CWritableWrapperHandle<I> getWritableReference(int position) const override {
        return basic().getWritableReference(position);
    }
    void resort() override { basic().resort(); }
    void copyFrom(const CWrapperArrayHandle<I, ID, iterable>& source) override {
        if (source.held() && *m_slot && source.held()->identity() == identity()) return;
        if (source.GetSize() == 0) {
            if constexpr (keep) (*m_slot)->RemoveAll();
            else m_slot->reset();
            return;
        }
        auto fresh = std::make_unique<Owned>();
        Basic(fresh.get()).copyFrom(source);
        settle(std::move(fresh));
    }
    // An absent list stores as an empty one; a list loaded empty stays absent. A failed load
    // leaves the list as it was.
    void Serialize(CKelvaraArchive& ar) override {
        if (ar.IsStoring()) {
            if (*m_slot) {
                basic().Serialize(ar);
            } else {
                Owned none;
                Basic(&none).Serialize(ar);
            }
            return;
        }
        auto fresh = std::make_unique<Owned>();
        Basic(fresh.get()).Serialize(ar);
        settle(std::move(fresh));
    }
    IArrayHandle<I, ID, iterable>* clone() const override {
        return new CLazyArrayHandle<I, C, ID, iterable, Owned, keep>(m_slot);
    }
    bool isNull() const override { return false; }
    bool isMemoryHandle() const override { return true; }
    const void* identity() const override { return static_cast<const void*>(array()); }

protected:
    using Array = CUniqueObjectPointerArray<I, C, ID>;
    Array* array() const { return m_slot->get(); }
    Basic basic() const { return Basic(array()); }

private:
    void settle(std::unique_ptr<Owned> fresh) {
        if constexpr (keep) (*m_slot)->swap(*fresh);
        else if (fresh->GetSize() == 0) m_slot->reset();
        else *m_slot = std::move(fresh);
    }

    Slot* m_slot;
};

}  // namespace kelvara::detail

template <class I, class C, class ID, class Owned, bool keep>
class CLazyArrayHandle<I, C, ID, false, Owned, keep> final
    : public kelvara::detail::CLazyArrayHandleCommon<I, C, ID, false, Owned, keep> {
    using Common = kelvara::detail::CLazyArrayHandleCommon<I, C, ID, false, Owned, keep>;

public:
    using Common::Common;
    using Common::find;
    CWrapperHandle<I> find(const ID& id, int& position) const override { return this->basic().find(id, position); }
};

template <class I, class C, class ID, class Owned, bool keep>
class CLazyArrayHandle<I, C, ID, true, Owned, keep> final
    : public kelvara::detail::CLazyArrayHandleCommon<I, C, ID, true, Owned, keep> {
    using Common = kelvara::detail::CLazyArrayHandleCommon<I, C, ID, true, Owned, keep>;

public:
    using Common::Common;
    CIteratorWrapper<I> getIterator(const ID& id) const override { return this->basic().getIterator(id); }
    CIteratorWrapper<I> getIterator() const override { return this->basic().getIterator(); }
    CIteratorWrapper<I> getReverseIterator() const override { return this->basic().getReverseIterator(); }
    CConstIteratorWrapper<I> getConstIterator(const ID& id) const override {
        return this->basic().getConstIterator(id);
    }
    CConstIteratorWrapper<I> getConstIterator() const override { return this->basic().getConstIterator(); }
    CConstIteratorWrapper<I> getConstReverseIterator() const override {
        return this->basic().getConstReverseIterator();
    }
};

namespace kelvara::detail {

// A child list held by pointer that always exists (KELVARA_RECORD_MEMBERS_HELD): the member of a
// kind that holds a list of its own kind, whose array cannot be complete inside the class. Each
// object has its own list: a copy starts empty (the record's copy fills it) and assignment leaves
// it to the record too.
template <class Owned>
class HeldList {
public:
    HeldList() : m_list(std::make_unique<Owned>()) {}
    HeldList(const HeldList&) : HeldList() {}
    HeldList& operator=(const HeldList&) noexcept { return *this; }
    ~HeldList() = default;

    Owned& operator*() const noexcept { return *m_list; }
    Owned* operator->() const noexcept { return m_list.get(); }
    const std::unique_ptr<Owned>& slot() const noexcept { return m_list; }

private:
    std::unique_ptr<Owned> m_list;
};

// The owner's side of a lazy list: the list, created when absent.
template <class Owned>
Owned& allocateList(std::unique_ptr<Owned>& slot) {
    if (!slot) slot = std::make_unique<Owned>();
    return *slot;
}

// Releases a list that no longer holds anything; answers whether it did.
template <class Owned>
bool releaseListIfEmpty(std::unique_ptr<Owned>& slot) {
    if (!slot || slot->GetSize() != 0) return false;
    slot.reset();
    return true;
}

}  // namespace kelvara::detail
