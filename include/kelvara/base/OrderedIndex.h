// The ordered index of an owning array: element positions in ascending identifier order, with a
// cache of each entry's leading 64 key bits so a search touches one contiguous vector until the
// last step. Ties (repeated identifiers, reachable only through the unsorted variants) are ordered
// by position, so sorting is a strict weak ordering and deterministic.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "kelvara/base/CIDBase.h"

namespace kelvara::detail {

class OrderedIndex {
public:
    bool sorted() const noexcept { return m_sorted; }
    int size() const noexcept { return static_cast<int>(m_positions.size()); }
    int at(int place) const noexcept { return m_positions[static_cast<std::size_t>(place)]; }
    int entry(int place) const noexcept {  // -1 outside the index
        return (place < 0 || place >= size()) ? -1 : at(place);
    }

    void reset() noexcept { clearVectors(); m_sorted = true; }      // empty array: trivially sorted
    void discard() noexcept { clearVectors(); m_sorted = false; }   // unsorted: no index at all
    void reserve(int n) {
        m_positions.reserve(static_cast<std::size_t>(n));
        m_keys.reserve(static_cast<std::size_t>(n));
    }
    void shrinkToFit() {
        m_positions.shrink_to_fit();
        m_keys.shrink_to_fit();
    }
    void copyFrom(const OrderedIndex& other) {
        m_positions = other.m_positions;
        m_keys = other.m_keys;
        m_sorted = other.m_sorted;
    }
    // Makes room for one more entry so that a following insert cannot fail half-way.
    void prepareInsert() {
        growForOne(m_positions);
        growForOne(m_keys);
    }

    // Rebuilds the index from the identifiers of positions 0..count-1 and marks it sorted.
    template <class IdAt>
    void rebuild(int count, IdAt idAt) {
        struct Entry {
            std::uint64_t hi, lo;
            int position;
        };
        std::vector<Entry> entries;
        entries.reserve(static_cast<std::size_t>(count));
        for (int p = 0; p < count; ++p) {
            const CIDBase& id = idAt(p);
            entries.push_back({id.orderKeyHigh(), id.orderKeyLow(), p});
        }
        std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            if (a.hi != b.hi) return a.hi < b.hi;
            if (a.lo != b.lo) return a.lo < b.lo;
            return a.position < b.position;
        });
        m_positions.resize(entries.size());
        m_keys.resize(entries.size());
        for (std::size_t k = 0; k < entries.size(); ++k) {
            m_positions[k] = entries[k].position;
            m_keys[k] = entries[k].hi;
        }
        m_sorted = true;
    }

    // The place of id in the index, or -1 (also when the index does not cover every element).
    template <class IdAt>
    int find(const CIDBase& id, int count, IdAt idAt) const {
        if (size() != count || count == 0) return -1;
        const std::uint64_t hi = id.orderKeyHigh();
        auto k = static_cast<std::size_t>(std::lower_bound(m_keys.begin(), m_keys.end(), hi) - m_keys.begin());
        for (; k < m_keys.size() && m_keys[k] == hi; ++k) {
            const int c = idAt(m_positions[k]).compare(&id);
            if (c == 0) return static_cast<int>(k);
            if (c > 0) break;
        }
        return -1;
    }

    // Where an element with id belongs in the index, or -1 when id is already present.
    template <class IdAt>
    int insertPlace(const CIDBase& id, IdAt idAt) const {
        const std::uint64_t hi = id.orderKeyHigh();
        auto k = static_cast<std::size_t>(std::lower_bound(m_keys.begin(), m_keys.end(), hi) - m_keys.begin());
        for (; k < m_keys.size() && m_keys[k] == hi; ++k) {
            const int c = idAt(m_positions[k]).compare(&id);
            if (c == 0) return -1;
            if (c > 0) break;
        }
        return static_cast<int>(k);
    }

    // Records that an element with id now stands at position (elements at and after it moved up).
    // Call prepareInsert() first.
    void insert(int place, int position, const CIDBase& id) {
        if (place < 0 || place > size()) return;
        if (position < size())  // not an append: renumber the elements that moved up
            for (int& p : m_positions)
                if (p >= position) ++p;
        m_positions.insert(m_positions.begin() + place, position);
        m_keys.insert(m_keys.begin() + place, id.orderKeyHigh());
    }

    // Drops the entry of position (whose identifier is id) before the element leaves position.
    void remove(int position, const CIDBase& id) {
        if (position < 0 || position >= size()) return;
        int place = -1;
        const std::uint64_t hi = id.orderKeyHigh();
        auto k = static_cast<std::size_t>(std::lower_bound(m_keys.begin(), m_keys.end(), hi) - m_keys.begin());
        for (; k < m_keys.size() && m_keys[k] == hi; ++k)
            if (m_positions[k] == position) { place = static_cast<int>(k); break; }
        if (place < 0) {  // identifier changed in place since the last sort: fall back to a scan
            auto it = std::find(m_positions.begin(), m_positions.end(), position);
            if (it == m_positions.end()) return;
            place = static_cast<int>(it - m_positions.begin());
        }
        const bool last = position == size() - 1;
        m_positions.erase(m_positions.begin() + place);
        m_keys.erase(m_keys.begin() + place);
        if (!last)
            for (int& p : m_positions)
                if (p > position) --p;
    }

    // Moves the element at position `from` to position `to` (the others shift to close the gap).
    void move(int from, int to) {
        for (int& p : m_positions) {
            if (p == from) p = to;
            else if (from < to && p > from && p <= to) --p;
            else if (to < from && p >= to && p < from) ++p;
        }
    }

    // Takes over an index read from a file when it is a permutation of 0..count-1 in ascending
    // identifier order (checked in O(n)); otherwise rebuilds it. Answers whether it was taken.
    template <class IdAt>
    bool adopt(std::vector<int> loaded, int count, IdAt idAt) {
        bool ok = static_cast<int>(loaded.size()) == count;
        if (ok) {
            std::vector<bool> seen(static_cast<std::size_t>(count), false);
            for (int p : loaded) {
                if (p < 0 || p >= count || seen[static_cast<std::size_t>(p)]) { ok = false; break; }
                seen[static_cast<std::size_t>(p)] = true;
            }
        }
        // The elements are read once, in position order; the order check then runs on their
        // leading key bits and reads both identifiers only when those tie.
        std::vector<std::uint64_t> high;
        if (ok) {
            high.resize(static_cast<std::size_t>(count));
            for (int p = 0; p < count; ++p) high[static_cast<std::size_t>(p)] = idAt(p).orderKeyHigh();
        }
        for (int k = 1; ok && k < count; ++k) {
            const int a = loaded[static_cast<std::size_t>(k - 1)], b = loaded[static_cast<std::size_t>(k)];
            const std::uint64_t ha = high[static_cast<std::size_t>(a)], hb = high[static_cast<std::size_t>(b)];
            if (ha > hb || (ha == hb && idAt(a).compare(&idAt(b)) > 0)) ok = false;
        }
        if (!ok) {
            rebuild(count, idAt);
            return false;
        }
        m_keys.resize(loaded.size());
        for (std::size_t k = 0; k < loaded.size(); ++k) m_keys[k] = high[static_cast<std::size_t>(loaded[k])];
        m_positions = std::move(loaded);
        m_sorted = true;
        return true;
    }

    template <class V>
    static void growForOne(V& v) {
        if (v.size() == v.capacity()) v.reserve(v.empty() ? 4 : v.size() * 2);
    }

private:
    void clearVectors() noexcept {
        m_positions.clear();
        m_keys.clear();
    }

    std::vector<int> m_positions;
    std::vector<std::uint64_t> m_keys;
    bool m_sorted = true;
};

}  // namespace kelvara::detail
