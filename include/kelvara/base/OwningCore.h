// The algorithms shared by every owning array of identified elements (objects, plain values with
// an identifier, identifiers themselves): element order chosen by the caller, an ordered index
// for lookup, sorted and unsorted ("NoSort") variants, deep copies. Failures are results: an
// insert that is refused does nothing, a read out of range answers a shared default element.
//
// Traits supplies, for element type Elem built from argument type Arg:
//   static const CIDBase& idOf(const Arg&);     static Elem* create(const Arg&);
//   static Elem* clone(const Elem&);            static void assign(Elem&, const Arg&);
//   static bool differ(const Elem&, const Arg&);
//   static const Elem& constDefault();          static Elem& writableDefault();
//   static const Elem& idDefault();             (the element whose identifier answers out-of-range getID)
#pragma once

#include <algorithm>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "kelvara/base/OrderedIndex.h"

namespace kelvara::detail {

template <class Elem, class Arg, class Traits>
class OwningCore {
public:
    OwningCore() = default;
    OwningCore(const OwningCore& other) { Copy(other); }
    OwningCore& operator=(const OwningCore& other) {
        Copy(other);
        return *this;
    }
    ~OwningCore() { destroyAll(); }

    int GetSize() const noexcept { return static_cast<int>(m_elements.size()); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    bool isSorted() const noexcept { return m_index.sorted(); }

    // Builds the ordered index when the array is unsorted. Not const: no const operation writes
    // the index, so a const array can be read from several threads at once.
    void sort() {
        if (!m_index.sorted()) m_index.rebuild(GetSize(), idAt());
    }
    void discardSorting() noexcept { m_index.discard(); }

    int findOrderedIndex(const CIDBase& id) const {
        if (!m_index.sorted()) return -1;
        return m_index.find(id, GetSize(), idAt());
    }
    int getOrderedIndex(int place) const noexcept { return m_index.entry(place); }
    int getOrderedIndexSize() const noexcept { return m_index.size(); }
    // On an unsorted array the lookup scans the elements and answers the first equal one.
    int findByID(const CIDBase& id) const {
        if (!m_index.sorted()) {
            for (int p = 0; p < GetSize(); ++p)
                if (Traits::idOf(*m_elements[static_cast<std::size_t>(p)]) == id) return p;
            return -1;
        }
        return m_index.findPosition(id, GetSize(), idAt());
    }

    int Add(const Arg& item) {
        sort();
        const int place = m_index.insertPlace(Traits::idOf(item), idAt());
        if (place < 0) return -1;
        std::unique_ptr<Elem> e(make(item));
        if (!e) return -1;
        prepareInsert(place);
        const int p = GetSize();
        m_elements.push_back(e.release());
        m_index.insert(place, p, Traits::idOf(*m_elements.back()));
        return p;
    }

    int AddNoSort(const Arg& item) {
        std::unique_ptr<Elem> e(make(item));
        if (!e) return -1;
        OrderedIndex::growForOne(m_elements);
        m_elements.push_back(e.release());
        m_index.discard();
        return GetUpperBound();
    }

    // Inserts (position -1: appends) and answers the new element, or null when nothing was
    // inserted, so a refused insert is never mistaken for success.
    Elem* Add(int& position, const Arg& item) {
        if (position == -1) {
            position = m_index.sorted() ? Add(item) : AddNoSort(item);
            return position < 0 ? nullptr : m_elements[static_cast<std::size_t>(position)];
        }
        const int before = GetSize();
        if (m_index.sorted()) InsertAt(position, item);
        else InsertAtNoSort(position, item);
        return GetSize() > before ? m_elements[static_cast<std::size_t>(position)] : nullptr;
    }

    void InsertAt(int p, const Arg& item) {
        sort();
        if (p < 0 || p > GetSize()) return;
        const int place = m_index.insertPlace(Traits::idOf(item), idAt());
        if (place < 0) return;
        std::unique_ptr<Elem> e(make(item));
        if (!e) return;
        prepareInsert(place);
        m_elements.insert(m_elements.begin() + p, e.release());
        m_index.insert(place, p, Traits::idOf(*m_elements[static_cast<std::size_t>(p)]));
    }

    void InsertAtNoSort(int p, const Arg& item) {
        if (p < 0 || p > GetSize()) return;
        std::unique_ptr<Elem> e(make(item));
        if (!e) return;
        OrderedIndex::growForOne(m_elements);
        m_elements.insert(m_elements.begin() + p, e.release());
        m_index.discard();
    }

    // Inserts copies of other's elements from p on; accepted elements stand one after another.
    void InsertAt(int p, const OwningCore& other) {
        if (p < 0 || p > GetSize()) return;
        const std::vector<Elem*> source = other.m_elements;  // stable even when other is this
        const bool sortedPath = m_index.sorted();
        int at = p;
        for (Elem* e : source) {
            const int before = GetSize();
            if (sortedPath) InsertAt(at, *e);
            else InsertAtNoSort(at, *e);
            if (GetSize() > before) ++at;
        }
    }

    int Append(const OwningCore& other) {
        const int before = GetSize();
        const std::vector<Elem*> source = other.m_elements;
        const bool sortedPath = m_index.sorted();
        for (Elem* e : source) {
            if (sortedPath) Add(*e);
            else AddNoSort(*e);
        }
        return before;
    }

    template <class Range>  // a range of const Arg& in ascending identifier order
    int AppendRange(const Range& range) {
        const int before = GetSize();
        const bool sortedPath = m_index.sorted();
        for (const Arg& item : range) {
            if (sortedPath) Add(item);
            else AddNoSort(item);
        }
        return before;
    }

    // Takes ownership of obj without copying, unless the position is out of range, obj is null or
    // (sorted) its identifier is present; then obj stays the caller's.
    void Attach(int p, Elem* obj) {
        if (!obj) return;
        sort();
        if (p < 0 || p > GetSize()) return;
        const int place = m_index.insertPlace(Traits::idOf(*obj), idAt());
        if (place < 0) return;
        prepareInsert(place);
        m_elements.insert(m_elements.begin() + p, obj);
        m_index.insert(place, p, Traits::idOf(*obj));
    }

    void AttachNoSort(int p, Elem* obj) {
        if (!obj || p < 0 || p > GetSize()) return;
        OrderedIndex::growForOne(m_elements);
        m_elements.insert(m_elements.begin() + p, obj);
        m_index.discard();
    }

    [[nodiscard]] Elem* Detach(int p) {
        sort();
        if (p < 0 || p >= GetSize()) return nullptr;
        Elem* e = m_elements[static_cast<std::size_t>(p)];
        m_index.remove(p, Traits::idOf(*e));
        m_elements.erase(m_elements.begin() + p);
        shrink();
        return e;
    }

    [[nodiscard]] Elem* DetachNoSort(int p) {
        if (p < 0 || p >= GetSize()) return nullptr;
        Elem* e = m_elements[static_cast<std::size_t>(p)];
        m_elements.erase(m_elements.begin() + p);
        m_index.discard();
        shrink();
        return e;
    }

    [[nodiscard]] Elem* DetachByID(const CIDBase& id) {
        const int p = findByID(id);
        if (p < 0) return nullptr;
        return m_index.sorted() ? Detach(p) : DetachNoSort(p);
    }

    bool Remove(const CIDBase& id) {
        const int p = findByID(id);
        if (p < 0) return false;
        if (m_index.sorted()) RemoveAt(p);
        else RemoveAtNoSort(p);
        return true;
    }

    void RemoveAt(int p) { delete Detach(p); }
    void RemoveAtNoSort(int p) { delete DetachNoSort(p); }

    void RemoveAll() noexcept {
        destroyAll();
        m_elements.clear();
        m_index.reset();
    }

    bool changeElement(const Arg& item) {
        const int p = findByID(Traits::idOf(item));
        if (p < 0) return false;
        Traits::assign(*m_elements[static_cast<std::size_t>(p)], item);
        return true;
    }

    // Moves the element at source to target. Never loses it: when the sorted re-insertion is
    // refused (a repeated identifier), the element goes back where it was and the answer is false.
    bool changePosition(int target, int source) {
        if (target < 0 || target >= GetSize() || source < 0 || source >= GetSize()) return false;
        if (target == source) return true;
        if (!m_index.sorted()) {
            AttachNoSort(target, DetachNoSort(source));
            return true;
        }
        // The usual case: the element's identifier is listed once, so it cannot be refused and
        // its index entry keeps its place; only the positions between source and target shift.
        if (m_index.holdsOnce(Traits::idOf(*m_elements[static_cast<std::size_t>(source)]), source, idAt())) {
            const auto at = m_elements.begin();
            if (source < target) std::rotate(at + source, at + source + 1, at + target + 1);
            else std::rotate(at + target, at + source, at + source + 1);
            m_index.move(source, target);
            return true;
        }
        Elem* e = Detach(source);
        const int before = GetSize();
        Attach(target, e);
        if (GetSize() > before) return true;
        AttachNoSort(source, e);
        sort();
        return false;
    }

    const Elem& getConstReference(int p) const noexcept {
        return (p < 0 || p >= GetSize()) ? Traits::constDefault() : *m_elements[static_cast<std::size_t>(p)];
    }
    Elem& getWritableReference(int p) const noexcept {
        return (p < 0 || p >= GetSize()) ? Traits::writableDefault() : *m_elements[static_cast<std::size_t>(p)];
    }
    const CIDBase& idOfPosition(int p) const noexcept {
        return (p < 0 || p >= GetSize()) ? Traits::idOf(Traits::idDefault())
                                         : Traits::idOf(*m_elements[static_cast<std::size_t>(p)]);
    }

    void Copy(const OwningCore& other) {
        if (&other == this) return;
        OwningCore fresh;
        fresh.m_elements.reserve(other.m_elements.size());
        for (const Elem* e : other.m_elements) {
            std::unique_ptr<Elem> c(Traits::clone(*e));
            fresh.m_elements.push_back(c.release());
        }
        fresh.m_index.copyFrom(other.m_index);
        swap(fresh);
    }

    // Copies of the elements of other at first .. first+count-1 that exist, added one by one.
    // The range is clipped to other's positions first, so a huge count costs nothing extra.
    void Copy(const OwningCore& other, int first, int count) {
        OwningCore fresh;
        const long long from = std::max<long long>(first, 0);
        const long long to = std::min<long long>(static_cast<long long>(first) + count, other.GetSize());
        for (long long q = from; q < to; ++q) fresh.Add(*other.m_elements[static_cast<std::size_t>(q)]);
        swap(fresh);
    }

    template <class Range>  // entries in ascending identifier order
    void CopyRange(const Range& range) {
        OwningCore fresh;
        for (const Arg& item : range) {
            std::unique_ptr<Elem> c(make(item));
            if (!c) continue;
            fresh.m_elements.push_back(c.release());
        }
        fresh.m_index.rebuild(fresh.GetSize(), fresh.idAt());
        swap(fresh);
    }

    void Reserve(int n) {
        if (n <= 0) return;
        m_elements.reserve(static_cast<std::size_t>(n));
        m_index.reserve(n);
    }

    bool equalElements(const OwningCore& other) const {
        if (GetSize() != other.GetSize()) return false;
        for (std::size_t i = 0; i < m_elements.size(); ++i)
            if (Traits::differ(*m_elements[i], *other.m_elements[i])) return false;
        return true;
    }

    // Compared in ascending identifier order beside the ordered index; an unsorted array is
    // compared through an index built aside and stays as it is.
    template <class Range>
    bool equalRange(const Range& range, int rangeSize) const {
        if (GetSize() != rangeSize) return false;
        OrderedIndex aside;
        if (!m_index.sorted()) aside.rebuild(GetSize(), idAt());
        const OrderedIndex& index = m_index.sorted() ? m_index : aside;
        int k = 0;
        for (const Arg& item : range)
            if (Traits::differ(getConstReference(index.entry(k++)), item)) return false;
        return true;
    }

    // Appends elements in file order; when a later one repeats an identifier it is destroyed and
    // the first is kept. Ends sorted with a freshly built index.
    void takeLoadedKeepFirst(std::vector<std::unique_ptr<Elem>>& loaded) {
        RemoveAll();
        m_elements.reserve(loaded.size());
        for (auto& e : loaded) m_elements.push_back(e.release());
        m_index.rebuild(GetSize(), idAt());
        std::vector<bool> drop(m_elements.size(), false);
        bool any = false;
        for (int k = 1; k < m_index.size(); ++k) {
            const int prev = m_index.at(k - 1), cur = m_index.at(k);
            if (Traits::idOf(*m_elements[static_cast<std::size_t>(prev)]) ==
                Traits::idOf(*m_elements[static_cast<std::size_t>(cur)])) {
                drop[static_cast<std::size_t>(cur)] = true;  // ties are ordered by position: cur is later
                any = true;
            }
        }
        if (!any) return;
        std::size_t out = 0;
        for (std::size_t i = 0; i < m_elements.size(); ++i) {
            if (drop[i]) delete m_elements[i];
            else m_elements[out++] = m_elements[i];
        }
        m_elements.resize(out);
        m_index.rebuild(GetSize(), idAt());
    }

    // Appends loaded elements and takes over a loaded index after checking it (rebuilt when bad).
    bool takeLoadedWithIndex(std::vector<std::unique_ptr<Elem>>& loaded, std::vector<int> index) {
        RemoveAll();
        m_elements.reserve(loaded.size());
        for (auto& e : loaded) m_elements.push_back(e.release());
        return m_index.adopt(std::move(index), GetSize(), idAt());
    }

    void swap(OwningCore& other) noexcept {
        std::swap(m_index, other.m_index);
        m_elements.swap(other.m_elements);
    }

    // Raw element access for the iterators and handles of this framework.
    Elem* elementAt(int p) const noexcept { return m_elements[static_cast<std::size_t>(p)]; }

private:
    auto idAt() const {
        return [this](int p) -> const CIDBase& { return Traits::idOf(*m_elements[static_cast<std::size_t>(p)]); };
    }
    [[nodiscard]] static Elem* make(const Arg& item) {
        try {
            return Traits::create(item);
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
    }
    void prepareInsert(int place) {
        OrderedIndex::growForOne(m_elements);
        m_index.prepareInsert(place);
    }
    // Large arrays give memory back once they use less than a quarter of their capacity.
    void shrink() {
        const std::size_t n = m_elements.size();
        if (n > 1000 && 4 * n < m_elements.capacity()) {
            m_elements.shrink_to_fit();
            m_index.shrinkToFit();
        }
    }
    void destroyAll() noexcept {
        for (Elem* e : m_elements) delete e;
    }

    OrderedIndex m_index;
    std::vector<Elem*> m_elements;
};

}  // namespace kelvara::detail
