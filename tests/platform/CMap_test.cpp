#include <gtest/gtest.h>

#include <map>
#include <random>

#include "kelvara/platform/CMap.h"

namespace {

template <class Map, class K, class V>
std::map<K, V> walk(const Map& m) {
    std::map<K, V> seen;
    POSITION pos = m.GetStartPosition();
    int steps = 0;
    while (pos) {
        K key{};
        V value{};
        m.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace(key, value).second) << "an entry was visited twice";
        ++steps;
    }
    EXPECT_EQ(steps, m.GetCount());
    return seen;
}

}  // namespace

TEST(Map, SetLookupRemoveAndWalk) {
    for (UINT buckets : {0u, 1u, 17u}) {
        SCOPED_TRACE(buckets);
        CMap<int, int, int, int> m(buckets);
        EXPECT_TRUE(m.IsEmpty());
        EXPECT_EQ(m.GetStartPosition(), nullptr);
        std::map<int, int> model;
        std::mt19937 rng(buckets);
        for (int step = 0; step < 2000; ++step) {
            const int key = static_cast<int>(rng() % 200) - 100;
            if (rng() % 3 == 0) {
                EXPECT_EQ(m.RemoveKey(key), model.erase(key) == 1);
            } else {
                m.SetAt(key, step);
                model[key] = step;
            }
            ASSERT_EQ(m.GetCount(), static_cast<int>(model.size()));
        }
        for (int key = -100; key < 100; ++key) {
            int value = -1;
            const bool found = m.Lookup(key, value);
            ASSERT_EQ(found, model.count(key) == 1);
            if (found) {
                EXPECT_EQ(value, model[key]);
                EXPECT_EQ(*m.PLookup(key), model[key]);
            } else {
                EXPECT_EQ(value, -1) << "a failed lookup leaves the value alone";
                EXPECT_EQ(m.PLookup(key), nullptr);
            }
        }
        EXPECT_EQ((walk<decltype(m), int, int>(m)), model);
        m.RemoveAll();
        EXPECT_TRUE(m.IsEmpty());
        EXPECT_EQ(m.GetStartPosition(), nullptr);
        EXPECT_FALSE(m.RemoveKey(3));
    }
}

TEST(Map, TextKeysAndDefaultEntries) {
    CMap<CString, const wchar_t*, int, int> m;
    m[L"alpha"] = 1;
    m.SetAt(L"beta", 2);
    m[L"alpha"] += 10;
    EXPECT_EQ(m[L"gamma"], 0) << "operator[] creates a default entry";
    EXPECT_EQ(m.GetCount(), 3);
    int v = 0;
    EXPECT_TRUE(m.Lookup(L"alpha", v));
    EXPECT_EQ(v, 11);
    EXPECT_FALSE(m.Lookup(L"Alpha", v));
    EXPECT_TRUE(m.RemoveKey(L"gamma"));
    EXPECT_EQ((walk<decltype(m), CString, int>(m)), (std::map<CString, int>{{L"alpha", 11}, {L"beta", 2}}));

    CMap<CString, const CString&, CString, const CString&> byRef(3);
    byRef.SetAt(CString(L"k"), CString(L"v"));
    CString out;
    EXPECT_TRUE(byRef.Lookup(CString(L"k"), out));
    EXPECT_EQ(out, L"v");
    EXPECT_EQ(byRef.GetHashTableSize(), 3u);
}
