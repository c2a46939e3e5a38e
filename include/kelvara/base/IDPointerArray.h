// Lists of identifiers: owned identifiers in a caller-chosen order with an ordered index, the same
// container vocabulary as the owning object arrays. Add appends and refuses an identifier that is
// already listed; AddNoSort appends without the check. IDSet is the ordered set of identifiers.
#pragma once

#include <set>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/base/OwningCore.h"
#include "kelvara/platform/CObject.h"

template <class ID>
using IDSet = std::set<ID>;

template <class ID>
class IIDPointerArray {
public:
    using value_type = ID;
    virtual ~IIDPointerArray() = default;
    virtual int Add(const ID& id) = 0;                                  // position, or -1 when present
    virtual void InsertAt(int position, const IIDPointerArray& other) = 0;
    virtual void InsertAt(int position, const ID& id) = 0;
    virtual void RemoveAt(int position) = 0;
    virtual int Append(const IDSet<ID>& set) = 0;                       // the size before
    virtual int Append(const IIDPointerArray& other) = 0;               // the size before
    virtual void Attach(int position, ID* id) = 0;                      // takes ownership when accepted
    [[nodiscard]] virtual ID* Detach(int position) = 0;
    virtual void Copy(const IDSet<ID>& set) = 0;
    virtual void Copy(const IIDPointerArray& other) = 0;
    virtual bool operator==(const IIDPointerArray& other) const = 0;    // same identifiers in the same order
    bool operator!=(const IIDPointerArray& other) const { return !(*this == other); }
    virtual void RemoveAll() = 0;
    virtual int findByID(const ID& id) const = 0;                       // position, or negative
    // Removes the identifier where it is listed; false when it is not.
    bool Remove(const ID& id) {
        const int p = findByID(id);
        if (p < 0) return false;
        RemoveAt(p);
        return true;
    }
    bool changeElement(const ID& id) {
        const int p = findByID(id);
        if (p < 0) return false;
        getWritableReference(p) = id;
        return true;
    }
    virtual bool changePosition(int target, int source) = 0;
    virtual void Serialize(CKelvaraArchive& ar) = 0;
    virtual int GetSize() const = 0;
    int GetUpperBound() const { return GetSize() - 1; }
    virtual const ID& getConstReference(int position) const = 0;        // shared null identifier out of range
    virtual ID& getWritableReference(int position) = 0;
    virtual bool isEqualContent(const IIDPointerArray& other) const = 0; // same identifiers, any order
    virtual void SetSize(int size) = 0;
    virtual bool isSorted() const { return true; }

protected:
    virtual int getOrderedIndex(int place) const = 0;
    virtual int getOrderedIndexSize() const = 0;
};

namespace kelvara::detail {

template <class ID>
struct IDElementTraits {
    static const CIDBase& idOf(const ID& id) noexcept { return id; }
    [[nodiscard]] static ID* create(const ID& id) { return new ID(id); }
    [[nodiscard]] static ID* clone(const ID& id) { return new ID(id); }
    static void assign(ID& dst, const ID& src) { dst = src; }
    static bool differ(const ID& a, const ID& b) { return a != b; }
    static const ID& constDefault() {
        static const ID value;
        return value;
    }
    static ID& writableDefault() {
        static ID value;
        return value;
    }
    static const ID& idDefault() { return constDefault(); }
};

}  // namespace kelvara::detail

template <class ID>
class CIDPointerArray : public IIDPointerArray<ID>, public CObject {
    using Core = kelvara::detail::OwningCore<ID, ID, kelvara::detail::IDElementTraits<ID>>;

public:
    CIDPointerArray() = default;
    CIDPointerArray(const CIDPointerArray& other) : IIDPointerArray<ID>(), CObject() { Copy(other); }
    CIDPointerArray(const IIDPointerArray<ID>& other) { Copy(other); }
    CIDPointerArray& operator=(const CIDPointerArray& other) {
        Copy(other);
        return *this;
    }
    CIDPointerArray& operator=(const IIDPointerArray<ID>& other) {
        Copy(other);
        return *this;
    }

    int Add(const ID& id) override { return m_core.Add(id); }
    int AddNoSort(const ID& id) { return m_core.AddNoSort(id); }
    void InsertAt(int position, const IIDPointerArray<ID>& other) override {
        if (auto* same = dynamic_cast<const CIDPointerArray*>(&other)) {
            m_core.InsertAt(position, same->m_core);
            return;
        }
        m_core.InsertAt(position, Core(snapshot(other)));
    }
    void InsertAt(int position, const ID& id) override { m_core.InsertAt(position, id); }
    void RemoveAt(int position) override { m_core.RemoveAt(position); }
    int Append(const IDSet<ID>& set) override { return m_core.AppendRange(set); }
    int Append(const IIDPointerArray<ID>& other) override {
        if (auto* same = dynamic_cast<const CIDPointerArray*>(&other)) return m_core.Append(same->m_core);
        return m_core.Append(snapshot(other));
    }
    void Attach(int position, ID* id) override { m_core.Attach(position, id); }
    [[nodiscard]] ID* Detach(int position) override { return m_core.Detach(position); }
    void Copy(const IDSet<ID>& set) override { m_core.CopyRange(set); }
    void Copy(const IIDPointerArray<ID>& other) override {
        if (auto* same = dynamic_cast<const CIDPointerArray*>(&other)) {
            m_core.Copy(same->m_core);
            return;
        }
        m_core.Copy(snapshot(other));
    }
    bool operator==(const IIDPointerArray<ID>& other) const override { return sameIdentifiers(other); }
    // Two concrete arrays (of any identifier-array kind derived from this one) compare through
    // these: with only the interface's overload, C++20's reversed candidates make `a == b`
    // ambiguous between two arrays of a derived kind.
    bool operator==(const CIDPointerArray& other) const { return sameIdentifiers(other); }
    bool operator!=(const CIDPointerArray& other) const { return !sameIdentifiers(other); }
    void RemoveAll() override { m_core.RemoveAll(); }
    int findByID(const ID& id) const override { return m_core.findByID(id); }
    bool changePosition(int target, int source) override { return m_core.changePosition(target, source); }
    int GetSize() const override { return m_core.GetSize(); }
    const ID& getConstReference(int position) const override { return m_core.getConstReference(position); }
    ID& getWritableReference(int position) override { return m_core.getWritableReference(position); }
    const ID& operator[](int position) const { return getConstReference(position); }
    bool isEqualContent(const IIDPointerArray<ID>& other) const override {
        if (GetSize() != other.GetSize()) return false;
        std::multiset<ID> mine, theirs;
        for (int i = 0; i < GetSize(); ++i) {
            mine.insert(getConstReference(i));
            theirs.insert(other.getConstReference(i));
        }
        return mine == theirs;
    }
    // Shrinking drops trailing identifiers; growing appends null identifiers (unchecked, unsorted).
    void SetSize(int size) override {
        if (size < 0) size = 0;
        while (GetSize() > size) m_core.RemoveAt(GetSize() - 1);
        while (GetSize() < size) m_core.AddNoSort(ID());
    }
    bool isSorted() const override { return m_core.isSorted(); }
    void sort() { m_core.sort(); }
    void Reserve(int n) { m_core.Reserve(n); }

    // Record "CIDPointerArray": count, then each identifier in element order. Loading keeps the
    // identifiers as stored, repeated ones included, and rebuilds the index.
    void Serialize(CKelvaraArchive& ar) override {
        ar.checkMarkerStart("CIDPointerArray");
        if (ar.IsStoring()) {
            ar << GetSize();
            for (int i = 0; i < GetSize(); ++i) m_core.getWritableReference(i).Serialize(ar);
        } else {
            m_core.RemoveAll();
            const int n = ar.readCount("identifiers", 16);
            Core loaded;
            loaded.Reserve(n);
            for (int i = 0; i < n; ++i) {
                ID id;
                id.Serialize(ar);
                loaded.AddNoSort(id);
            }
            ar.checkMarkerEnd("CIDPointerArray");
            loaded.sort();
            m_core.swap(loaded);  // taken over only once the whole record has been read
            return;
        }
        ar.checkMarkerEnd("CIDPointerArray");
    }

protected:
    int getOrderedIndex(int place) const override { return m_core.getOrderedIndex(place); }
    int getOrderedIndexSize() const override { return m_core.getOrderedIndexSize(); }

private:
    bool sameIdentifiers(const IIDPointerArray<ID>& other) const {
        if (GetSize() != other.GetSize()) return false;
        for (int i = 0; i < GetSize(); ++i)
            if (getConstReference(i) != other.getConstReference(i)) return false;
        return true;
    }
    static Core snapshot(const IIDPointerArray<ID>& other) {
        Core c;
        for (int i = 0; i < other.GetSize(); ++i) c.AddNoSort(other.getConstReference(i));
        if (other.isSorted()) c.sort();
        return c;
    }

    Core m_core;
};
