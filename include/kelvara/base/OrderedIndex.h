// The ordered index of an owning array: element positions in ascending identifier order, with a
// cache of each entry's leading 64 key bits so a search touches contiguous memory until the last
// step. Ties (repeated identifiers, reachable only through the unsorted variants) are ordered by
// position, so sorting is a strict weak ordering and deterministic.
//
// The sequence is held in runs of at most kRunLength entries. One run is the whole index for
// small arrays (nothing else is allocated); larger indexes add a directory with the place and the
// first key of every run. An insert therefore shifts one run and bumps the directory instead of
// shifting the whole index, so adding n elements in random identifier order no longer costs n^2
// moves. Every answer (places, positions, the order of ties) is that of the one sorted sequence
// the runs spell out when read one after another; how the entries are cut into runs is never
// observable. Const members never write anything, so a const index may be read from several
// threads at once.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "kelvara/base/CIDBase.h"

namespace kelvara::detail {

class OrderedIndex {
public:
    // Entries per run at most. Large enough that the directory stays small (a million entries
    // need about 1500 runs), small enough that shifting one run stays cheaper than a cache miss
    // chain in a node-based tree.
    static constexpr int kRunLength = 1024;

    OrderedIndex() = default;
    OrderedIndex(const OrderedIndex&) = delete;  // deep copies go through copyFrom
    OrderedIndex& operator=(const OrderedIndex&) = delete;
    OrderedIndex(OrderedIndex&&) noexcept = default;
    OrderedIndex& operator=(OrderedIndex&&) noexcept = default;

    bool sorted() const noexcept { return m_sorted; }
    int size() const noexcept { return m_size; }
    // The position at place; place must lie in 0..size()-1.
    int at(int place) const noexcept {
        const auto k = static_cast<std::size_t>(place);
        if (m_uniform) return m_runs[k / kRunLength].positions[k % kRunLength];
        const std::size_t r = runOfPlace(place);
        return m_runs[r].positions[static_cast<std::size_t>(place - m_dir->start[r])];
    }
    int entry(int place) const noexcept {  // -1 outside the index
        return (place < 0 || place >= size()) ? -1 : at(place);
    }

    void reset() noexcept { clearAll(); m_sorted = true; }      // empty array: trivially sorted
    void discard() noexcept { clearAll(); m_sorted = false; }   // unsorted: no index at all
    // A capacity hint for an index that will fit in one run; larger ones grow run by run.
    void reserve(int n) {
        if (n <= 0 || m_dir) return;
        const auto want = static_cast<std::size_t>(std::min(n, kRunLength));
        if (m_runs.empty()) m_runs.emplace_back();
        m_runs[0].keys.reserve(want);
        m_runs[0].positions.reserve(want);
    }
    void shrinkToFit() {
        for (Run& run : m_runs) {
            run.keys.shrink_to_fit();
            run.positions.shrink_to_fit();
        }
        m_runs.shrink_to_fit();
        if (m_dir) {
            m_dir->start.shrink_to_fit();
            m_dir->first.shrink_to_fit();
        }
    }
    void copyFrom(const OrderedIndex& other) {
        std::vector<Run> runs = other.m_runs;
        std::unique_ptr<Directory> dir = other.m_dir ? std::make_unique<Directory>(*other.m_dir) : nullptr;
        m_runs = std::move(runs);
        m_dir = std::move(dir);
        m_size = other.m_size;
        m_sorted = other.m_sorted;
        m_uniform = other.m_uniform;
    }

    // Makes room for one more entry at place (0..size()), so that the following insert(place, ..)
    // cannot fail half-way. May re-cut the runs, which no answer can observe.
    void prepareInsert(int place) {
        if (m_runs.empty()) {
            Run first;
            first.keys.reserve(4);
            first.positions.reserve(4);
            m_runs.push_back(std::move(first));
            return;
        }
        place = std::clamp(place, 0, m_size);
        const std::size_t r = runOfPlace(place);
        Run& run = m_runs[r];
        const std::size_t n = run.keys.size();
        if (n < static_cast<std::size_t>(kRunLength)) {
            if (n < run.keys.capacity() && n < run.positions.capacity()) return;
            const std::size_t grown = n < 64 ? std::max<std::size_t>(4, 2 * n) : roomFor(n + 1);
            run.keys.reserve(grown);
            run.positions.reserve(grown);
            return;
        }
        // Appending behind the last entry opens an empty run, so that an array filled in
        // ascending order keeps full runs; any other insert splits the full run in halves.
        const bool append = place == m_size && r + 1 == m_runs.size();
        split(r, append ? n : n / 2);
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
        fill(entries.size(), [&entries](std::size_t k) { return std::pair(entries[k].hi, entries[k].position); });
    }

    // The place of id in the index, or -1 (also when the index does not cover every element).
    template <class IdAt>
    int find(const CIDBase& id, int count, IdAt idAt) const {
        if (size() != count || count == 0) return -1;
        const Cursor c = locate(id, idAt);
        return c.equal ? placeOf(c) : -1;
    }

    // The position of the element with id, or -1 (also when the index does not cover every element).
    template <class IdAt>
    int findPosition(const CIDBase& id, int count, IdAt idAt) const {
        if (size() != count || count == 0) return -1;
        const Cursor c = locate(id, idAt);
        return c.equal ? m_runs[c.run].positions[c.slot] : -1;
    }

    // Where an element with id belongs in the index, or -1 when id is already present.
    template <class IdAt>
    int insertPlace(const CIDBase& id, IdAt idAt) const {
        if (m_size == 0) return 0;
        const Cursor c = locate(id, idAt);
        return c.equal ? -1 : placeOf(c);
    }

    // Records that an element with id now stands at position (elements at and after it moved up).
    // Call prepareInsert(place) first.
    void insert(int place, int position, const CIDBase& id) noexcept {
        if (place < 0 || place > size() || m_runs.empty()) return;
        const std::size_t r = runOfPlace(place);
        Run& run = m_runs[r];
        if (run.keys.size() == run.keys.capacity() || run.positions.size() == run.positions.capacity())
            return;  // prepareInsert was skipped: refuse rather than allocate here
        if (position < size())  // not an append: renumber the elements that moved up
            for (Run& each : m_runs) shiftFrom(each.positions, position, 1);
        if (r + 1 != m_runs.size()) m_uniform = false;
        const std::size_t slot = static_cast<std::size_t>(place - runStart(r));
        const std::uint64_t hi = id.orderKeyHigh();
        run.keys.insert(run.keys.begin() + static_cast<std::ptrdiff_t>(slot), hi);
        run.positions.insert(run.positions.begin() + static_cast<std::ptrdiff_t>(slot), position);
        if (m_dir) {
            for (std::size_t k = r + 1; k < m_dir->start.size(); ++k) ++m_dir->start[k];
            if (slot == 0) m_dir->first[r] = hi;
        }
        ++m_size;
    }

    // Drops the entry of position (whose identifier is id) before the element leaves position.
    void remove(int position, const CIDBase& id) noexcept {
        if (position < 0 || position >= size()) return;
        Cursor c = lowerBound(id.orderKeyHigh());
        const std::uint64_t hi = id.orderKeyHigh();
        bool found = false;
        for (; c.run < m_runs.size() && m_runs[c.run].keys[c.slot] == hi; advance(c))
            if (m_runs[c.run].positions[c.slot] == position) { found = true; break; }
        if (!found) {  // identifier changed in place since the last sort: fall back to a scan
            for (c = Cursor{}; c.run < m_runs.size() && !found; ++c.run) {
                const auto& ps = m_runs[c.run].positions;
                const auto it = std::find(ps.begin(), ps.end(), position);
                if (it != ps.end()) {
                    c.slot = static_cast<std::size_t>(it - ps.begin());
                    found = true;
                    break;
                }
            }
            if (!found) return;
        }
        const bool last = position == size() - 1;
        eraseAt(c);
        if (!last)
            for (Run& run : m_runs) shiftFrom(run.positions, position + 1, -1);
    }

    // The element at position `from` now stands at `to`, the ones between shifted by one to close
    // the gap; its entry keeps its place (its identifier did not change).
    void move(int from, int to) noexcept {
        if (from == to) return;
        for (Run& run : m_runs) shiftBetween(run.positions, from, to);
    }

    // Whether the entry of the element at position is the only one with its identifier, and
    // in its place (so that moving the element leaves the index's order as it is).
    template <class IdAt>
    bool holdsOnce(const CIDBase& id, int position, IdAt idAt) const {
        Cursor c = locate(id, idAt);
        if (!c.equal || m_runs[c.run].positions[c.slot] != position) return false;
        advance(c);
        return c.run >= m_runs.size() || m_runs[c.run].keys[c.slot] != id.orderKeyHigh() ||
               idAt(m_runs[c.run].positions[c.slot]).compare(&id) != 0;
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
        fill(loaded.size(), [&](std::size_t k) {
            const int p = loaded[k];
            return std::pair(high[static_cast<std::size_t>(p)], p);
        });
        return true;
    }

    template <class V>
    static void growForOne(V& v) {
        if (v.size() == v.capacity()) v.reserve(v.empty() ? 4 : v.size() * 2);
    }

private:
    struct Run {
        std::vector<std::uint64_t> keys;  // leading key bits of each entry
        std::vector<int> positions;
    };
    struct Directory {           // one entry per run, present only with more than one run
        std::vector<int> start;  // place of the run's first entry
        std::vector<std::uint64_t> first;  // the run's first key (for an empty run: the one before)
    };
    struct Cursor {
        std::size_t run = 0, slot = 0;
        bool equal = false;
    };

    void clearAll() noexcept {
        m_runs.clear();
        m_dir.reset();
        m_size = 0;
        m_uniform = true;
    }

    // Adds delta to every position at or above from. Written in blocks of eight so that the
    // compiler turns each block into vector instructions: renumbering is the cost of every
    // positional insert and removal.
    static void shiftFrom(std::vector<int>& positions, int from, int delta) noexcept {
        int* p = positions.data();
        const std::size_t n = positions.size();
        std::size_t k = 0;
        for (; k + 8 <= n; k += 8)
            for (std::size_t j = 0; j < 8; ++j) p[k + j] += p[k + j] >= from ? delta : 0;
        for (; k < n; ++k) p[k] += p[k] >= from ? delta : 0;
    }

    // Renumbers for one element moving from `from` to `to`: it takes `to`, and the positions
    // between close the gap by one. Blocked like shiftFrom, and for the same reason.
    static void shiftBetween(std::vector<int>& positions, int from, int to) noexcept {
        const int low = std::min(from, to), delta = from < to ? -1 : 1;
        const auto span = static_cast<unsigned>(std::max(from, to) - low);
        int* p = positions.data();
        const std::size_t n = positions.size();
        const auto renumber = [=](int v) noexcept {
            const int shifted = static_cast<unsigned>(v - low) <= span ? v + delta : v;
            return v == from ? to : shifted;
        };
        std::size_t k = 0;
        for (; k + 8 <= n; k += 8)
            for (std::size_t j = 0; j < 8; ++j) p[k + j] = renumber(p[k + j]);
        for (; k < n; ++k) p[k] = renumber(p[k]);
    }

    int runStart(std::size_t r) const noexcept { return m_dir ? m_dir->start[r] : 0; }
    int placeOf(const Cursor& c) const noexcept {
        return c.run >= m_runs.size() ? m_size : runStart(c.run) + static_cast<int>(c.slot);
    }

    // The run holding place; place == size() answers the last run. A freshly built index has
    // full runs, so the guess place / kRunLength is tried before searching the directory.
    std::size_t runOfPlace(int place) const noexcept {
        if (!m_dir) return 0;
        const std::vector<int>& start = m_dir->start;
        const std::size_t guess = static_cast<std::size_t>(place / kRunLength);
        if (guess < start.size() && start[guess] <= place &&
            (guess + 1 == start.size() || start[guess + 1] > place))
            return guess;
        const auto it = std::upper_bound(start.begin(), start.end(), place);
        return static_cast<std::size_t>(it - start.begin()) - 1;
    }

    void advance(Cursor& c) const noexcept {
        if (++c.slot >= m_runs[c.run].keys.size()) {
            c.slot = 0;
            do ++c.run;
            while (c.run < m_runs.size() && m_runs[c.run].keys.empty());
        }
    }

    // The first entry whose key is not below hi, across the runs (run == runs: past the end).
    Cursor lowerBound(std::uint64_t hi) const noexcept {
        Cursor c;
        if (m_size == 0) {
            c.run = m_runs.size();
            return c;
        }
        if (m_dir) {
            const std::vector<std::uint64_t>& first = m_dir->first;
            const auto r = static_cast<std::size_t>(std::lower_bound(first.begin(), first.end(), hi) - first.begin());
            c.run = r == 0 ? 0 : r - 1;
        }
        const std::vector<std::uint64_t>& keys = m_runs[c.run].keys;
        c.slot = static_cast<std::size_t>(std::lower_bound(keys.begin(), keys.end(), hi) - keys.begin());
        if (c.slot >= keys.size()) {  // the run ends below hi: the next non-empty run starts at or above it
            c.slot = 0;
            do ++c.run;
            while (c.run < m_runs.size() && m_runs[c.run].keys.empty());
        }
        return c;
    }

    // The entry equal to id (equal set), else the first entry after it.
    template <class IdAt>
    Cursor locate(const CIDBase& id, IdAt idAt) const {
        const std::uint64_t hi = id.orderKeyHigh();
        Cursor c = lowerBound(hi);
        for (; c.run < m_runs.size() && m_runs[c.run].keys[c.slot] == hi; advance(c)) {
            const int cmp = idAt(m_runs[c.run].positions[c.slot]).compare(&id);
            if (cmp == 0) {
                c.equal = true;
                break;
            }
            if (cmp > 0) break;
        }
        return c;
    }

    // Moves the entries of run r from `keep` on into a new run after it. Throws only before
    // anything changed.
    void split(std::size_t r, std::size_t keep) {
        const std::size_t n = m_runs[r].keys.size();
        Run fresh, kept;
        fresh.keys.reserve(roomFor(n - keep));
        fresh.positions.reserve(roomFor(n - keep));
        if (keep < n) {  // the kept half moves to a smaller allocation too
            kept.keys.reserve(roomFor(keep));
            kept.positions.reserve(roomFor(keep));
        }
        std::unique_ptr<Directory> dir;
        if (!m_dir) {
            dir = std::make_unique<Directory>();
            dir->start.reserve(4);
            dir->first.reserve(4);
            dir->start.push_back(0);
            dir->first.push_back(m_runs[0].keys.front());
        }
        Directory& d = m_dir ? *m_dir : *dir;
        growForOne(m_runs);
        growForOne(d.start);
        growForOne(d.first);
        // Nothing below allocates.
        if (dir) m_dir = std::move(dir);
        Run& old = m_runs[r];
        fresh.keys.assign(old.keys.begin() + static_cast<std::ptrdiff_t>(keep), old.keys.end());
        fresh.positions.assign(old.positions.begin() + static_cast<std::ptrdiff_t>(keep), old.positions.end());
        if (keep < n) {
            m_uniform = false;  // an append behind a full run keeps the runs full
            kept.keys.assign(old.keys.begin(), old.keys.begin() + static_cast<std::ptrdiff_t>(keep));
            kept.positions.assign(old.positions.begin(), old.positions.begin() + static_cast<std::ptrdiff_t>(keep));
            old = std::move(kept);
        }
        const int start = m_dir->start[r] + static_cast<int>(keep);
        const std::uint64_t first = fresh.keys.empty() ? old.keys.back() : fresh.keys.front();
        m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(r + 1), std::move(fresh));
        m_dir->start.insert(m_dir->start.begin() + static_cast<std::ptrdiff_t>(r + 1), start);
        m_dir->first.insert(m_dir->first.begin() + static_cast<std::ptrdiff_t>(r + 1), first);
    }

    // Erases the entry at c, drops its run when it empties and folds a run that has shrunk to a
    // quarter into a neighbour with room for it (never allocating).
    void eraseAt(Cursor c) noexcept {
        Run& run = m_runs[c.run];
        run.keys.erase(run.keys.begin() + static_cast<std::ptrdiff_t>(c.slot));
        run.positions.erase(run.positions.begin() + static_cast<std::ptrdiff_t>(c.slot));
        --m_size;
        if (!m_dir) return;
        if (c.run + 1 != m_runs.size()) m_uniform = false;
        for (std::size_t k = c.run + 1; k < m_dir->start.size(); ++k) --m_dir->start[k];
        if (run.keys.empty()) {
            dropRun(c.run);
            return;
        }
        if (c.slot == 0) m_dir->first[c.run] = run.keys.front();
        if (run.keys.size() >= static_cast<std::size_t>(kRunLength / 4)) return;
        if (c.run > 0 && fits(m_runs[c.run - 1], run)) {
            absorb(c.run - 1);
        } else if (c.run + 1 < m_runs.size() && fits(run, m_runs[c.run + 1])) {
            absorb(c.run);
        }
    }
    // The capacity a run of m entries gets: a quarter to spare, so that runs filled in random
    // order waste little memory while a run still reallocates only every m/4 inserts.
    static std::size_t roomFor(std::size_t m) noexcept {
        return std::min<std::size_t>(kRunLength, std::max<std::size_t>(64, m + m / 4));
    }
    static bool fits(const Run& into, const Run& from) noexcept {
        const std::size_t n = into.keys.size() + from.keys.size();
        return n <= into.keys.capacity() && n <= into.positions.capacity();
    }
    // Appends run r+1 to run r (fits() said it has the room) and drops run r+1.
    void absorb(std::size_t r) noexcept {
        Run& into = m_runs[r];
        const Run& from = m_runs[r + 1];
        into.keys.insert(into.keys.end(), from.keys.begin(), from.keys.end());
        into.positions.insert(into.positions.end(), from.positions.begin(), from.positions.end());
        if (into.keys.size() == from.keys.size()) m_dir->first[r] = into.keys.front();
        m_uniform = false;
        dropRun(r + 1);
    }
    void dropRun(std::size_t r) noexcept {
        if (m_runs.size() == 1) return;
        m_runs.erase(m_runs.begin() + static_cast<std::ptrdiff_t>(r));
        m_dir->start.erase(m_dir->start.begin() + static_cast<std::ptrdiff_t>(r));
        m_dir->first.erase(m_dir->first.begin() + static_cast<std::ptrdiff_t>(r));
        if (m_runs.size() == 1) {
            m_dir.reset();
            m_uniform = true;
        }
    }

    // Replaces the index by count entries, entryAt(k) giving (leading key bits, position) in
    // order; full runs, so a rebuilt index costs no more memory than one flat sequence.
    template <class EntryAt>
    void fill(std::size_t count, EntryAt entryAt) {
        const std::size_t runLength = kRunLength;
        const std::size_t runs = count == 0 ? 0 : (count + runLength - 1) / runLength;
        std::vector<Run> built(runs);
        std::unique_ptr<Directory> dir;
        if (runs > 1) {
            dir = std::make_unique<Directory>();
            dir->start.reserve(runs);
            dir->first.reserve(runs);
        }
        for (std::size_t r = 0; r < runs; ++r) {
            const std::size_t from = r * runLength, to = std::min(count, from + runLength);
            Run& run = built[r];
            run.keys.reserve(to - from);
            run.positions.reserve(to - from);
            for (std::size_t k = from; k < to; ++k) {
                const auto [key, position] = entryAt(k);
                run.keys.push_back(key);
                run.positions.push_back(position);
            }
            if (dir) {
                dir->start.push_back(static_cast<int>(from));
                dir->first.push_back(run.keys.front());
            }
        }
        m_runs = std::move(built);
        m_dir = std::move(dir);
        m_size = static_cast<int>(count);
        m_sorted = true;
        m_uniform = true;
    }

    std::vector<Run> m_runs;         // empty or holding at least one entry in each run
    std::unique_ptr<Directory> m_dir;
    int m_size = 0;
    bool m_sorted = true;
    // Every run but the last holds exactly kRunLength entries (always so with a single run): a
    // place then maps to its run by arithmetic.
    bool m_uniform = true;
};

}  // namespace kelvara::detail
