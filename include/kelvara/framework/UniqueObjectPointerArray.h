// The owning array every list of the model lives in: objects in a caller-chosen element order,
// with an ordered index by identifier beside them (see OwningCore for the shared algorithms).
// Its archive record is "CUniquePointerArray": the count, then per element its record and one
// ordered-index entry. Loading grows as records are read; a failed load leaves the array empty.
#pragma once

#include <map>
#include <memory>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/base/OwningCore.h"
#include "kelvara/platform/CObject.h"

class CUniqueObjectPointerInterface {
public:
    virtual ~CUniqueObjectPointerInterface() = default;
    virtual const CIDBase& getID(int elementPosition) const = 0;
};

class CUniquePointerInterface {
public:
    virtual ~CUniquePointerInterface() = default;
    virtual const CIDBase& getID(int elementPosition) const = 0;
};

namespace kelvara::detail {

// Objects reached through their interface I and stored as concrete C.
template <class I, class C>
struct ObjectElementTraits {
    static const CIDBase& idOf(const I& item) { return item.getID(); }
    [[nodiscard]] static C* create(const I& item) {
        auto object = std::make_unique<C>();
        object->copyFrom(item);
        return object.release();
    }
    [[nodiscard]] static C* clone(const C& object) { return new C(object); }
    static void assign(C& object, const I& item) { object.copyFrom(item); }
    static bool differ(const C& object, const I& item) { return static_cast<const I&>(object) != item; }
    static const C& constDefault() {
        static const C object;
        return object;
    }
    static C& writableDefault() {
        static C object;
        return object;
    }
    static const C& idDefault() {
        static const C object;
        return object;
    }
};

// Plain classes without an interface: new elements are assigned with T::operator=.
template <class T>
struct ValueElementTraits {
    static const CIDBase& idOf(const T& item) { return item.getID(); }
    [[nodiscard]] static T* create(const T& item) {
        auto object = std::make_unique<T>();
        *object = item;
        return object.release();
    }
    [[nodiscard]] static T* clone(const T& object) { return new T(object); }
    static void assign(T& object, const T& item) { object = item; }
    static bool differ(const T& a, const T& b) { return a != b; }
    static const T& constDefault() {
        static const T object;
        return object;
    }
    static T& writableDefault() {
        static T object;
        return object;
    }
    static const T& idDefault() {
        static const T object;
        return object;
    }
};

// The objects of an identifier-keyed map of owned pointers, in key order, as references to R.
template <class Map, class R>
class OwnedValues {
public:
    class iterator {
    public:
        explicit iterator(typename Map::const_iterator it) : m_it(it) {}
        const R& operator*() const { return *m_it->second; }
        iterator& operator++() {
            ++m_it;
            return *this;
        }
        bool operator!=(const iterator& other) const { return m_it != other.m_it; }

    private:
        typename Map::const_iterator m_it;
    };
    explicit OwnedValues(const Map& map) : m_map(map) {}
    iterator begin() const { return iterator(m_map.begin()); }
    iterator end() const { return iterator(m_map.end()); }

private:
    const Map& m_map;
};

inline constexpr const char* kArrayMarker = "CUniquePointerArray";
inline constexpr int kIndexedArrayVersion = 193;

template <class Elem, class Arg, class Traits>
void serializeOwningArray(OwningCore<Elem, Arg, Traits>& array, CKelvaraArchive& ar) {
    // Files before kIndexedArrayVersion hold no ordered-index entries; storing at such a version
    // leaves them out too.
    const bool indexed = ar.fileVersion() >= kIndexedArrayVersion;
    ar.checkMarkerStart(kArrayMarker);
    if (ar.IsStoring()) {
        array.sort();
        ar << array.GetSize();
        for (int p = 0; p < array.GetSize(); ++p) {
            array.elementAt(p)->Serialize(ar);
            if (indexed) ar << array.getOrderedIndex(p);
        }
        ar.checkMarkerEnd(kArrayMarker);
        return;
    }
    // Loads aside and takes over only once the whole record has been read: a failed load leaves
    // the array empty, never half-filled.
    array.RemoveAll();
    const int count = ar.readCount("array elements", CKelvaraArchive::kMinRecordBytes + (indexed ? 4 : 0));
    std::vector<std::unique_ptr<Elem>> loaded;
    std::vector<int> index;
    loaded.reserve(static_cast<std::size_t>(count));
    if (indexed) index.reserve(static_cast<std::size_t>(count));
    for (int p = 0; p < count; ++p) {
        auto object = std::make_unique<Elem>();
        object->Serialize(ar);
        loaded.push_back(std::move(object));
        if (indexed) {
            int entry = 0;
            ar >> entry;
            index.push_back(entry);
        }
    }
    ar.checkMarkerEnd(kArrayMarker);
    if (indexed) array.takeLoadedWithIndex(loaded, std::move(index));
    else array.takeLoadedKeepFirst(loaded);
}

}  // namespace kelvara::detail

// An ordered set of owned objects keyed by identifier.
template <class I, class C, class ID>
class CUniqueObjectPointerSet {
public:
    CUniqueObjectPointerSet() = default;
    CUniqueObjectPointerSet(const CUniqueObjectPointerSet& other) { *this = other; }
    CUniqueObjectPointerSet& operator=(const CUniqueObjectPointerSet& other) {
        if (this == &other) return *this;
        m_entries.clear();
        for (const auto& [id, object] : other.m_entries) m_entries.emplace(id, std::make_unique<C>(*object));
        return *this;
    }

    // Stores a copy; false when an object with the identifier is present.
    bool insert(const I& item) {
        ID id(item.getID());
        if (m_entries.count(id)) return false;
        auto object = std::make_unique<C>();
        object->copyFrom(item);
        m_entries.emplace(id, std::move(object));
        return true;
    }
    bool erase(const ID& id) { return m_entries.erase(id) > 0; }
    int size() const noexcept { return static_cast<int>(m_entries.size()); }
    bool empty() const noexcept { return m_entries.empty(); }
    // The objects in ascending identifier order, as const I&.
    auto values() const { return kelvara::detail::OwnedValues<decltype(m_entries), I>(m_entries); }

private:
    std::map<ID, std::unique_ptr<C>> m_entries;
};

template <class I, class C, class ID>
class CUniqueObjectPointerArray : public CUniqueObjectPointerInterface,
                                  public kelvara::detail::OwningCore<C, I, kelvara::detail::ObjectElementTraits<I, C>> {
    using Core = kelvara::detail::OwningCore<C, I, kelvara::detail::ObjectElementTraits<I, C>>;

public:
    using Interface = I;
    using Concrete = C;
    using Identifier = ID;
    using Set = CUniqueObjectPointerSet<I, C, ID>;

    CUniqueObjectPointerArray() = default;
    CUniqueObjectPointerArray(const CUniqueObjectPointerArray& other) : CUniqueObjectPointerInterface(), Core(other) {}
    CUniqueObjectPointerArray& operator=(const CUniqueObjectPointerArray& other) {
        Core::Copy(other);
        return *this;
    }

    using Core::Append;
    using Core::Copy;
    using Core::Detach;
    int Append(const Set& set) { return Core::AppendRange(set.values()); }
    void Copy(const Set& set) { Core::CopyRange(set.values()); }
    [[nodiscard]] I* Detach(const ID& id) { return Core::DetachByID(id); }
    int findByID(const ID& id) const { return Core::findByID(id); }
    int findOrderedIndex(const ID& id) const { return Core::findOrderedIndex(id); }
    bool Remove(const ID& id) { return Core::Remove(id); }

    const CIDBase& getID(int position) const override { return Core::idOfPosition(position); }

    bool operator==(const CUniqueObjectPointerArray& other) const { return Core::equalElements(other); }
    bool operator!=(const CUniqueObjectPointerArray& other) const { return !Core::equalElements(other); }
    bool operator==(const Set& set) const { return Core::equalRange(set.values(), set.size()); }
    bool operator!=(const Set& set) const { return !(*this == set); }

    void Serialize(CKelvaraArchive& ar) { kelvara::detail::serializeOwningArray(*this, ar); }
};

template <class T, class ID>
class CUniquePointerSet {
public:
    bool insert(const T& item) {
        ID id(item.getID());
        if (m_entries.count(id)) return false;
        m_entries.emplace(id, std::make_unique<T>(item));
        return true;
    }
    int size() const noexcept { return static_cast<int>(m_entries.size()); }
    auto values() const { return kelvara::detail::OwnedValues<decltype(m_entries), T>(m_entries); }

private:
    std::map<ID, std::unique_ptr<T>> m_entries;
};

template <class T, class ID>
class CUniquePointerArray : public CObject,
                            public CUniquePointerInterface,
                            public kelvara::detail::OwningCore<T, T, kelvara::detail::ValueElementTraits<T>> {
    using Core = kelvara::detail::OwningCore<T, T, kelvara::detail::ValueElementTraits<T>>;

public:
    using Set = CUniquePointerSet<T, ID>;

    CUniquePointerArray() = default;
    CUniquePointerArray(const CUniquePointerArray& other) : CObject(), CUniquePointerInterface(), Core(other) {}
    CUniquePointerArray& operator=(const CUniquePointerArray& other) {
        Core::Copy(other);
        return *this;
    }

    using Core::Append;
    using Core::Copy;
    using Core::Detach;
    int Append(const Set& set) { return Core::AppendRange(set.values()); }
    void Copy(const Set& set) { Core::CopyRange(set.values()); }
    [[nodiscard]] T* Detach(const ID& id) { return Core::DetachByID(id); }
    int findByID(const ID& id) const { return Core::findByID(id); }
    bool Remove(const ID& id) { return Core::Remove(id); }

    const CIDBase& getID(int position) const override { return Core::idOfPosition(position); }

    bool operator==(const CUniquePointerArray& other) const { return Core::equalElements(other); }
    bool operator!=(const CUniquePointerArray& other) const { return !Core::equalElements(other); }
    bool operator==(const Set& set) const { return Core::equalRange(set.values(), set.size()); }

    void Serialize(CKelvaraArchive& ar) { kelvara::detail::serializeOwningArray(*this, ar); }
};
