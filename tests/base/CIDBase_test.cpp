#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "kelvara/base/CIDBase.h"
#include "kelvara/base/CKelvaraArchive.h"

namespace {

_GUID guid(std::uint32_t d1, std::uint16_t d2, std::uint16_t d3, std::initializer_list<std::uint8_t> d4) {
    _GUID g;
    g.Data1 = d1;
    g.Data2 = d2;
    g.Data3 = d3;
    int i = 0;
    for (auto b : d4) g.Data4[i++] = b;
    return g;
}

}  // namespace

TEST(IDBase, NullAndUnsetAreDistinct) {
    const CIDBase null;
    EXPECT_TRUE(null.isNULL());
    EXPECT_TRUE(null.isValid());
    EXPECT_EQ(null.getGUID(), CIDBase::getNullGUID());

    CIDBase unset;
    unset.unset();
    EXPECT_FALSE(unset.isValid());
    EXPECT_FALSE(unset.isNULL());
    EXPECT_NE(unset, null);
    EXPECT_EQ(unset.toString(), L"ffffffff-ffff-ffff-ffff-ffffffffffff");
    unset.clear();
    EXPECT_TRUE(unset.isNULL());

    const CIDBase unreadable(CString(L"not an identifier"));
    EXPECT_FALSE(unreadable.isValid()) << "unreadable text gives the unset identifier";
}

TEST(IDBase, TextFormRoundTrips) {
    const CIDBase id(guid(0x0123ABCD, 0x4567, 0x89EF, {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10}));
    const CString text = id.toString();
    EXPECT_EQ(text, L"0123abcd-4567-89ef-fedc-ba9876543210");
    EXPECT_EQ(CIDBase(text), id);
    EXPECT_EQ(CIDBase(CString(L"{0123ABCD-4567-89EF-FEDC-BA9876543210}")), id);
    EXPECT_EQ(CIDBase().toString(), L"00000000-0000-0000-0000-000000000000");

    CIDBase target(id);
    for (const wchar_t* bad : {L"", L"0123abcd-4567-89ef-fedc-ba987654321", L"0123abcd-4567-89ef-fedc-ba98765432100",
                               L"0123abcd+4567-89ef-fedc-ba9876543210", L"0123abcg-4567-89ef-fedc-ba9876543210",
                               L"{0123abcd-4567-89ef-fedc-ba9876543210", L"(0123abcd-4567-89ef-fedc-ba9876543210)"}) {
        EXPECT_FALSE(target.setGUID(CString(bad))) << CString(bad).toUtf8();
        EXPECT_EQ(target, id) << "a refused text leaves the identifier unchanged";
    }
    EXPECT_TRUE(target.setGUID(CString(L"00000000-0000-0000-0000-000000000001")));
    EXPECT_EQ(target.getGUID().Data4[7], 1);

    for (int i = 0; i < 100; ++i) {
        CIDBase g;
        ASSERT_TRUE(g.generate());
        EXPECT_EQ(CIDBase(g.toString()), g);
        CString upper = g.toString();
        upper.MakeUpper();
        EXPECT_EQ(CIDBase(upper), g);
    }
}

TEST(IDBase, OrderingIsTotalAndMatchesCompare) {
    std::vector<CIDBase> ids = {
        CIDBase(),
        CIDBase(guid(0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1})),
        CIDBase(guid(0, 0, 1, {})),
        CIDBase(guid(0, 1, 0, {})),
        CIDBase(guid(1, 0, 0, {})),
        CIDBase(guid(0x80000000u, 0, 0, {})),
        CIDBase(guid(0xFFFFFFFFu, 0xFFFF, 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE})),
    };
    CIDBase unset;
    unset.unset();
    ids.push_back(unset);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        for (std::size_t j = 0; j < ids.size(); ++j) {
            const int c = ids[i].compare(&ids[j]);
            const int expected = i < j ? -1 : (i > j ? 1 : 0);
            EXPECT_EQ(c, expected) << i << " vs " << j << ": exactly -1, 0 or 1";
            EXPECT_EQ(ids[i] < ids[j], c < 0);
            EXPECT_EQ(ids[i] == ids[j], c == 0);
            EXPECT_EQ(ids[i] != ids[j], c != 0);
        }
    }
    EXPECT_EQ(ids[0].compare(nullptr), 1);

    std::mt19937 rng(7);
    std::vector<CIDBase> random(500);
    for (auto& id : random) {
        _GUID g;
        g.Data1 = rng() % 4;  // many ties in the leading fields
        g.Data2 = static_cast<std::uint16_t>(rng() % 2);
        for (auto& b : g.Data4) b = static_cast<std::uint8_t>(rng() % 3);
        id = CIDBase(g);
    }
    std::sort(random.begin(), random.end());
    for (std::size_t i = 1; i < random.size(); ++i) {
        EXPECT_LE(random[i - 1].compare(&random[i]), 0);
        EXPECT_LE(random[i - 1].toString().str(), random[i].toString().str()) << "order is the text order";
    }
}

TEST(IDBase, GenerateGivesDistinctValidNonNullIdentifiers) {
    std::set<CIDBase> seen;
    for (int i = 0; i < 2000; ++i) {
        CIDBase id;
        ASSERT_TRUE(id.generate());
        EXPECT_TRUE(id.isValid());
        EXPECT_FALSE(id.isNULL());
        EXPECT_TRUE(seen.insert(id).second) << "repeated identifier after " << i;
    }
}

TEST(IDBase, ArchiveFormIsSixteenBytes) {
    const CIDBase id(guid(0x01020304, 0x0506, 0x0708, {9, 10, 11, 12, 13, 14, 15, 16}));
    CKelvaraArchive out;
    CIDBase(id).Serialize(out);
    const auto bytes = out.takeBuffer();
    const std::vector<std::uint8_t> expected = {4, 3, 2, 1, 6, 5, 8, 7, 9, 10, 11, 12, 13, 14, 15, 16};
    EXPECT_EQ(bytes, expected);
    CIDBase back;
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    back.Serialize(in);
    EXPECT_EQ(back, id);
    CKelvaraArchive cut(bytes.data(), 15, CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(back.Serialize(cut), CArchiveException);
}
