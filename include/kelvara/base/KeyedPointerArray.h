// An owning array of plain values keyed by something other than an identifier (a rule's rates by
// effective date, a group assignment's parameters by resource): the elements are owned in insertion
// order, and a key index beside them (element positions in ascending key order) serves lookups and
// refuses a second element with a key already present. At most one element per key, whichever
// operation inserts it: Add, InsertAt, Attach (and so loading) all keep the key index current.
//
// Failures are results: a refused insert changes nothing, a read out of range answers a shared
// default element. An object handed to Attach is the array's once accepted; a refused one (null,
// position outside 0..count, key present) stays the caller's, who compares GetSize() before and
// after to know.
//
// Record "CUniquePointerArray": the element count (32-bit), then each element's own record in
// element order (no index entries: the index is rebuilt from the keys). Loading empties the array,
// reads every element aside and takes them over only once the whole record has been read; a
// negative count aborts the archive and a count the remaining bytes cannot hold is refused before
// anything is allocated. An element repeating a key already read (a damaged file) is dropped: the
// first one stays.
#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "kelvara/base/CKelvaraArchive.h"

// The interface of a keyed owning array of T (keys of type Key).
template <class T, class Key>
class IUniquePointerArray {
public:
    virtual ~IUniquePointerArray() = default;

    virtual int GetSize() const = 0;
    int GetUpperBound() const { return GetSize() - 1; }
    // A copy at the end; its position, or -1 (nothing stored) when the key is present.
    virtual int Add(const T& item) = 0;
    // A copy at position (0 .. count); nothing for another position or a key already present.
    virtual void InsertAt(int position, const T& item) = 0;
    // Copies of other's elements from position on, in order; refused ones are passed over.
    virtual void InsertAt(int position, const IUniquePointerArray& other) = 0;
    // Copies of other's elements at the end (refused ones passed over); answers the count before.
    virtual int Append(const IUniquePointerArray& other) = 0;
    // Takes over object at position (see the class comment for refusals).
    virtual void Attach(int position, T* object) = 0;
    // Takes the element out without destroying it; the caller owns it. Null out of range.
    [[nodiscard]] virtual T* Detach(int position) = 0;
    virtual void RemoveAt(int position) = 0;
    virtual void RemoveAll() = 0;
    // Shrinks to size elements (the last ones are destroyed). Growing would add default elements,
    // all with one key, which the array cannot hold: a larger size changes nothing.
    virtual void SetSize(int size) = 0;
    // Replaces the content by copies of other's elements (self-copy changes nothing).
    virtual void Copy(const IUniquePointerArray& other) = 0;
    void copyFrom(const IUniquePointerArray& other) { Copy(other); }
    // Copies item onto the element with the same key; false when there is none.
    virtual bool changeElement(const T& item) = 0;
    // Moves the element at source to position target (element order only); false unless both
    // lie in 0 .. count - 1.
    virtual bool changePosition(int target, int source) = 0;
    // The position of the element with key, or -1.
    virtual int findByID(const Key& key) const = 0;
    virtual const T& getConstReference(int position) const = 0;
    virtual T& getWritableReference(int position) = 0;

    // Equal counts and, position by position in element order, equal elements.
    bool operator==(const IUniquePointerArray& other) const {
        if (GetSize() != other.GetSize()) return false;
        for (int p = 0; p < GetSize(); ++p)
            if (getConstReference(p) != other.getConstReference(p)) return false;
        return true;
    }
    bool operator!=(const IUniquePointerArray& other) const { return !(*this == other); }

    virtual void Serialize(CKelvaraArchive& ar) = 0;
};

// KeyTraits: static const Key& keyOf(const T&); static bool less(const Key&, const Key&);
// T::kMinStoredBytes, the fewest bytes one element's record occupies.
template <class T, class Key, class KeyTraits>
class CKeyedPointerArray : public IUniquePointerArray<T, Key> {
    using Base = IUniquePointerArray<T, Key>;

public:
    CKeyedPointerArray() = default;
    CKeyedPointerArray(const CKeyedPointerArray& other) : Base() { Copy(other); }
    CKeyedPointerArray& operator=(const CKeyedPointerArray& other) {
        Copy(other);
        return *this;
    }
    CKeyedPointerArray& operator=(const Base& other) {
        Copy(other);
        return *this;
    }

    int GetSize() const override { return static_cast<int>(m_elements.size()); }

    int Add(const T& item) override {
        const int place = insertPlace(KeyTraits::keyOf(item));
        if (place < 0) return -1;
        m_elements.push_back(std::make_unique<T>(item));
        m_sorted.insert(m_sorted.begin() + place, GetSize() - 1);
        return GetSize() - 1;
    }

    void InsertAt(int position, const T& item) override {
        if (position < 0 || position > GetSize()) return;
        (void)insert(position, std::make_unique<T>(item));
    }

    void InsertAt(int position, const Base& other) override {
        if (position < 0 || position > GetSize()) return;
        // Copies first, so that inserting an array into itself uses the elements as they were.
        std::vector<std::unique_ptr<T>> copies;
        for (int p = 0; p < other.GetSize(); ++p) copies.push_back(std::make_unique<T>(other.getConstReference(p)));
        for (auto& copy : copies)
            if (insert(position, std::move(copy))) ++position;
    }

    int Append(const Base& other) override {
        const int before = GetSize();
        InsertAt(before, other);
        return before;
    }

    void Attach(int position, T* object) override {
        if (!object || position < 0 || position > GetSize()) return;
        std::unique_ptr<T> owned(object);
        if (!insert(position, std::move(owned))) (void)owned.release();  // refused: still the caller's
    }

    [[nodiscard]] T* Detach(int position) override {
        if (position < 0 || position >= GetSize()) return nullptr;
        T* object = m_elements[static_cast<std::size_t>(position)].release();
        m_elements.erase(m_elements.begin() + position);
        m_sorted.erase(std::find(m_sorted.begin(), m_sorted.end(), position));
        for (int& entry : m_sorted)
            if (entry > position) --entry;
        return object;
    }

    void RemoveAt(int position) override { delete Detach(position); }

    void RemoveAll() override {
        m_elements.clear();
        m_sorted.clear();
    }

    void SetSize(int size) override {
        while (size >= 0 && GetSize() > size) RemoveAt(GetSize() - 1);
    }

    void Copy(const Base& other) override {
        if (&other == this) return;
        CKeyedPointerArray copy;
        for (int p = 0; p < other.GetSize(); ++p) copy.Add(other.getConstReference(p));
        swap(copy);
    }

    bool changeElement(const T& item) override {
        const int position = findByID(KeyTraits::keyOf(item));
        if (position < 0) return false;
        *m_elements[static_cast<std::size_t>(position)] = item;
        return true;
    }

    bool changePosition(int target, int source) override {
        if (target < 0 || target >= GetSize() || source < 0 || source >= GetSize()) return false;
        if (target == source) return true;
        auto moved = std::move(m_elements[static_cast<std::size_t>(source)]);
        m_elements.erase(m_elements.begin() + source);
        m_elements.insert(m_elements.begin() + target, std::move(moved));
        rebuildIndex();
        return true;
    }

    int findByID(const Key& key) const override {
        if (m_sorted.size() != m_elements.size()) return -1;
        const auto it = std::lower_bound(m_sorted.begin(), m_sorted.end(), key,
                                         [this](int p, const Key& k) { return KeyTraits::less(keyAt(p), k); });
        if (it == m_sorted.end() || KeyTraits::less(key, keyAt(*it))) return -1;
        return *it;
    }

    const T& getConstReference(int position) const override {
        if (position < 0 || position >= GetSize()) return constDefault();
        return *m_elements[static_cast<std::size_t>(position)];
    }
    T& getWritableReference(int position) override {
        if (position < 0 || position >= GetSize()) return writableDefault();
        return *m_elements[static_cast<std::size_t>(position)];
    }
    // The element position at place place of the key order; -1 out of range.
    int getOrderedIndex(int place) const {
        return place < 0 || place >= static_cast<int>(m_sorted.size()) ? -1 : m_sorted[static_cast<std::size_t>(place)];
    }

    void Serialize(CKelvaraArchive& ar) override {
        ar.checkMarkerStart("CUniquePointerArray");
        if (ar.IsStoring()) {
            ar << GetSize();
            for (auto& element : m_elements) element->Serialize(ar);
            ar.checkMarkerEnd("CUniquePointerArray");
            return;
        }
        RemoveAll();
        const int count = ar.readCount("keyed array elements", T::kMinStoredBytes);
        CKeyedPointerArray loaded;
        for (int p = 0; p < count; ++p) {
            auto element = std::make_unique<T>();
            element->Serialize(ar);
            // A repeated key is refused by Attach and stays with this loader, which drops it.
            const int before = loaded.GetSize();
            loaded.Attach(before, element.get());
            if (loaded.GetSize() > before) (void)element.release();
        }
        ar.checkMarkerEnd("CUniquePointerArray");
        swap(loaded);
    }

    void swap(CKeyedPointerArray& other) noexcept {
        m_elements.swap(other.m_elements);
        m_sorted.swap(other.m_sorted);
    }

private:
    const Key& keyAt(int position) const { return KeyTraits::keyOf(*m_elements[static_cast<std::size_t>(position)]); }

    // Where key belongs in the key order; -1 when it is present.
    int insertPlace(const Key& key) const {
        const auto it = std::lower_bound(m_sorted.begin(), m_sorted.end(), key,
                                         [this](int p, const Key& k) { return KeyTraits::less(keyAt(p), k); });
        if (it != m_sorted.end() && !KeyTraits::less(key, keyAt(*it))) return -1;
        return static_cast<int>(it - m_sorted.begin());
    }

    // Places object at position (already checked to lie in 0 .. count); false, leaving object with
    // the caller, when its key is present.
    bool insert(int position, std::unique_ptr<T>&& object) {
        const int place = insertPlace(KeyTraits::keyOf(*object));
        if (place < 0) return false;
        for (int& entry : m_sorted)
            if (entry >= position) ++entry;
        m_elements.insert(m_elements.begin() + position, std::move(object));
        m_sorted.insert(m_sorted.begin() + place, position);
        return true;
    }

    void rebuildIndex() {
        m_sorted.resize(m_elements.size());
        for (std::size_t p = 0; p < m_sorted.size(); ++p) m_sorted[p] = static_cast<int>(p);
        std::stable_sort(m_sorted.begin(), m_sorted.end(), [this](int a, int b) { return KeyTraits::less(keyAt(a), keyAt(b)); });
    }

    static const T& constDefault() {
        static const T object;
        return object;
    }
    // One writable default per instantiation, shared by the whole program (see the threads notes).
    static T& writableDefault() {
        static T object;
        return object;
    }

    std::vector<std::unique_ptr<T>> m_elements;  // element (insertion) order
    std::vector<int> m_sorted;                   // element positions in ascending key order
};
