// The ordered index against a plain model: after any mix of inserts, removals, rebuilds, adoption
// and copies, the index must read exactly as the positions sorted by (identifier, position) --
// whatever runs it is cut into. Sizes cross several runs, and many identifiers share their leading
// 64 bits so that ties on the cached key straddle run boundaries.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "kelvara/base/OrderedIndex.h"

namespace {

using kelvara::detail::OrderedIndex;

constexpr int kRun = OrderedIndex::kRunLength;

// Identifiers from a small pool of leading halves, so equal cached keys are common.
CIDBase makeID(std::mt19937_64& rng, std::uint32_t highPool) {
    _GUID g;
    g.Data1 = static_cast<std::uint32_t>(rng() % highPool);
    const std::uint64_t low = rng();
    for (int i = 0; i < 8; ++i) g.Data4[i] = static_cast<std::uint8_t>(low >> (8 * i));
    return CIDBase(g);
}

struct Model {
    std::vector<CIDBase> ids;  // by position
    OrderedIndex index;

    auto idAt() const {
        return [this](int p) -> const CIDBase& { return ids[static_cast<std::size_t>(p)]; };
    }
    int count() const { return static_cast<int>(ids.size()); }

    // The sorted insert of an owning array: refused when present.
    bool insertAt(int position, const CIDBase& id) {
        const int place = index.insertPlace(id, idAt());
        if (place < 0) return false;
        index.prepareInsert(place);
        ids.insert(ids.begin() + position, id);
        index.insert(place, position, id);
        return true;
    }
    bool add(const CIDBase& id) { return insertAt(count(), id); }
    void removeAt(int position) {
        index.remove(position, ids[static_cast<std::size_t>(position)]);
        ids.erase(ids.begin() + position);
    }
    // The element at source goes to target; an identifier listed once keeps its entry's place.
    void move(int source, int target) {
        const CIDBase id = ids[static_cast<std::size_t>(source)];
        ASSERT_TRUE(index.holdsOnce(id, source, idAt()));
        ids.erase(ids.begin() + source);
        ids.insert(ids.begin() + target, id);
        index.move(source, target);
    }

    std::vector<int> expected() const {
        std::vector<int> order(ids.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
            return ids[static_cast<std::size_t>(a)].compare(&ids[static_cast<std::size_t>(b)]) < 0;
        });
        return order;
    }

    // Every place, every lookup and the insert place of absent identifiers.
    void check(std::mt19937_64& rng, std::uint32_t highPool) const {
        const std::vector<int> order = expected();
        ASSERT_EQ(index.size(), count());
        for (int k = 0; k < count(); ++k) ASSERT_EQ(index.at(k), order[static_cast<std::size_t>(k)]) << "place " << k;
        EXPECT_EQ(index.entry(-1), -1);
        EXPECT_EQ(index.entry(count()), -1);
        for (int k = 0; k < count(); k += 1 + count() / 300) {
            const int p = order[static_cast<std::size_t>(k)];
            const CIDBase& id = ids[static_cast<std::size_t>(p)];
            // With repeated identifiers the first of the equal entries may not be the one found:
            // the model's contract is only that an equal one is.
            const int place = index.find(id, count(), idAt());
            ASSERT_GE(place, 0);
            EXPECT_TRUE(ids[static_cast<std::size_t>(index.at(place))] == id);
            EXPECT_EQ(index.findPosition(id, count(), idAt()), index.at(place));
            EXPECT_EQ(index.insertPlace(id, idAt()), -1);
        }
        for (int probe = 0; probe < 50; ++probe) {
            const CIDBase absent = makeID(rng, highPool);
            const auto it = std::lower_bound(order.begin(), order.end(), absent, [this](int p, const CIDBase& id) {
                return ids[static_cast<std::size_t>(p)].compare(&id) < 0;
            });
            if (it != order.end() && ids[static_cast<std::size_t>(*it)] == absent) continue;
            EXPECT_EQ(index.find(absent, count(), idAt()), -1);
            EXPECT_EQ(index.findPosition(absent, count(), idAt()), -1);
            EXPECT_EQ(index.insertPlace(absent, idAt()), static_cast<int>(it - order.begin()));
        }
        EXPECT_EQ(index.find(CIDBase(), count() + 1, idAt()), -1) << "an index not covering every element finds nothing";
    }
};

TEST(OrderedIndex, RandomAppendsInsertsAndRemovalsReadAsOneSortedSequence) {
    for (const std::uint32_t highPool : {3u, 1000u, 0xFFFFFFFFu}) {
        std::mt19937_64 rng(highPool);
        Model m;
        for (int i = 0; i < 5 * kRun; ++i) m.add(makeID(rng, highPool));
        m.check(rng, highPool);
        for (int step = 0; step < 3000; ++step) {
            const auto roll = rng() % 10;
            if (roll < 3 && m.count() > 0) {
                m.removeAt(static_cast<int>(rng() % static_cast<std::uint64_t>(m.count())));
            } else if (roll < 4 && m.count() > 0) {
                const auto n = static_cast<std::uint64_t>(m.count());
                m.move(static_cast<int>(rng() % n), static_cast<int>(rng() % n));
            } else if (roll < 7) {
                m.insertAt(static_cast<int>(rng() % static_cast<std::uint64_t>(m.count() + 1)), makeID(rng, highPool));
            } else {
                m.add(makeID(rng, highPool));
            }
            if (step % 500 == 0) m.check(rng, highPool);
        }
        m.check(rng, highPool);
        // A present identifier is refused wherever it would go.
        const CIDBase present = m.ids[static_cast<std::size_t>(m.count() / 2)];
        EXPECT_FALSE(m.add(present));
        EXPECT_FALSE(m.insertAt(0, present));
        m.check(rng, highPool);
    }
}

TEST(OrderedIndex, EmptiesThroughRemovalAndFillsAgain) {
    std::mt19937_64 rng(7);
    Model m;
    for (int i = 0; i < 3 * kRun + 17; ++i) m.add(makeID(rng, 50));
    // From the front, the back and the middle, so runs empty, fold into neighbours and vanish.
    while (m.count() > 0) {
        const int n = m.count();
        m.removeAt(n % 3 == 0 ? 0 : n % 3 == 1 ? n - 1 : n / 2);
        if (m.count() % 700 == 0) m.check(rng, 50);
    }
    m.check(rng, 50);
    for (int i = 0; i < 2 * kRun; ++i) m.insertAt(i % 2 == 0 ? 0 : m.count(), makeID(rng, 50));
    m.check(rng, 50);
}

TEST(OrderedIndex, AscendingAppendsStayCorrect) {
    Model m;
    std::mt19937_64 rng(11);
    for (int i = 0; i < 4 * kRun + 3; ++i) {
        _GUID g;
        g.Data1 = static_cast<std::uint32_t>(i);
        m.add(CIDBase(g));
    }
    m.check(rng, 0xFFFFFFFFu);
    for (int k = 0; k < m.count(); ++k) EXPECT_EQ(m.index.at(k), k);
}

TEST(OrderedIndex, RebuildAdoptAndCopyKeepTheOrderOfRepeatedIdentifiers) {
    std::mt19937_64 rng(5);
    Model m;
    // Repeated identifiers only arise from the unsorted variants, which rebuild the index.
    for (int i = 0; i < 3 * kRun; ++i) m.ids.push_back(makeID(rng, 20));
    for (int i = 0; i < kRun / 3; ++i) {
        const CIDBase again = m.ids[static_cast<std::size_t>(rng() % m.ids.size())];
        m.ids.push_back(again);
    }
    m.index.discard();
    EXPECT_FALSE(m.index.sorted());
    m.index.rebuild(m.count(), m.idAt());
    EXPECT_TRUE(m.index.sorted());
    m.check(rng, 20);

    // A repeated identifier is not held once, whichever of its elements is asked about.
    const int repeated = m.count() - 1;
    const CIDBase& again = m.ids[static_cast<std::size_t>(repeated)];
    const auto first = std::find(m.ids.begin(), m.ids.end(), again) - m.ids.begin();
    EXPECT_FALSE(m.index.holdsOnce(again, repeated, m.idAt()));
    EXPECT_FALSE(m.index.holdsOnce(again, static_cast<int>(first), m.idAt()));
    EXPECT_TRUE(m.index.holdsOnce(m.ids[0], 0, m.idAt()) ||
                std::count(m.ids.begin(), m.ids.end(), m.ids[0]) > 1);

    OrderedIndex copy;
    copy.copyFrom(m.index);
    for (int k = 0; k < m.count(); ++k) ASSERT_EQ(copy.at(k), m.index.at(k));

    // An index read from a file is taken when it is right and rebuilt when it is not.
    Model loaded;
    loaded.ids = m.ids;
    EXPECT_TRUE(loaded.index.adopt(m.expected(), loaded.count(), loaded.idAt()));
    loaded.check(rng, 20);
    std::vector<int> wrong = m.expected();
    std::swap(wrong[10], wrong[static_cast<std::size_t>(2 * kRun)]);
    EXPECT_FALSE(loaded.index.adopt(wrong, loaded.count(), loaded.idAt()));
    loaded.check(rng, 20);
    wrong = m.expected();
    wrong[5] = wrong[6];  // not a permutation
    EXPECT_FALSE(loaded.index.adopt(wrong, loaded.count(), loaded.idAt()));
    loaded.check(rng, 20);

    // Removing a repeated identifier's entry takes exactly that position's.
    while (loaded.count() > 2 * kRun)
        loaded.removeAt(loaded.count() - 1 - static_cast<int>(rng() % static_cast<std::uint64_t>(kRun)));
    loaded.check(rng, 20);
}

TEST(OrderedIndex, AnIdentifierChangedInPlaceCanStillBeRemoved) {
    std::mt19937_64 rng(9);
    Model m;
    for (int i = 0; i < 2 * kRun + 5; ++i) m.add(makeID(rng, 0xFFFFFFFFu));
    // The element's identifier is rewritten behind the index's back; removing it by position
    // must still drop its entry and keep the others.
    const int victim = kRun + 3;
    const CIDBase stale = m.ids[victim];
    m.ids[victim] = makeID(rng, 0xFFFFFFFFu);
    m.index.remove(victim, m.ids[victim]);
    m.ids.erase(m.ids.begin() + victim);
    EXPECT_EQ(m.index.size(), m.count());
    m.check(rng, 0xFFFFFFFFu);
    EXPECT_EQ(m.index.find(stale, m.count(), m.idAt()), -1);
}

}  // namespace
