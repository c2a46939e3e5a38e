#include <gtest/gtest.h>

#include <type_traits>

#include "ArchiveTesting.h"
#include "kelvara/base/Identifiers.h"

namespace {

template <class ID>
ID idOf(std::uint32_t n) {
    _GUID g;
    g.Data1 = n;
    g.Data3 = 0x4000;
    return ID(g);
}

std::vector<std::uint32_t> keys(const IIDPointerArray<CLinkID>& a) {
    std::vector<std::uint32_t> out;
    for (int i = 0; i < a.GetSize(); ++i) out.push_back(a.getConstReference(i).getGUID().Data1);
    return out;
}

CLinkIDArray idsOf(std::initializer_list<std::uint32_t> ns) {
    CLinkIDArray a;
    for (auto n : ns) a.Add(idOf<CLinkID>(n));
    return a;
}

// Another implementation of the interface, to reach the paths that cannot see the concrete array.
class VectorIDs : public IIDPointerArray<CLinkID> {
public:
    explicit VectorIDs(std::vector<CLinkID> ids) : m_ids(std::move(ids)) {}
    int Add(const CLinkID& id) override { m_ids.push_back(id); return GetSize() - 1; }
    void InsertAt(int, const IIDPointerArray&) override {}
    void InsertAt(int, const CLinkID&) override {}
    void RemoveAt(int) override {}
    int Append(const IDSet<CLinkID>&) override { return 0; }
    int Append(const IIDPointerArray&) override { return 0; }
    void Attach(int, CLinkID*) override {}
    CLinkID* Detach(int) override { return nullptr; }
    void Copy(const IDSet<CLinkID>&) override {}
    void Copy(const IIDPointerArray&) override {}
    bool operator==(const IIDPointerArray&) const override { return false; }
    void RemoveAll() override { m_ids.clear(); }
    int findByID(const CLinkID&) const override { return -1; }
    bool changePosition(int, int) override { return false; }
    void Serialize(CKelvaraArchive&) override {}
    int GetSize() const override { return static_cast<int>(m_ids.size()); }
    const CLinkID& getConstReference(int i) const override { return m_ids[static_cast<std::size_t>(i)]; }
    CLinkID& getWritableReference(int i) override { return m_ids[static_cast<std::size_t>(i)]; }
    bool isEqualContent(const IIDPointerArray&) const override { return false; }
    void SetSize(int) override {}

protected:
    int getOrderedIndex(int) const override { return -1; }
    int getOrderedIndexSize() const override { return 0; }

private:
    std::vector<CLinkID> m_ids;
};

using Keys = std::vector<std::uint32_t>;

}  // namespace

TEST(TypedIdentifier, KindsAreDistinctAndCompareAsTheirGUID) {
    static_assert(!std::is_convertible_v<CTaskID, CLinkID>);
    static_assert(!std::is_convertible_v<CIDBase, CTaskID>);
    static_assert(std::is_base_of_v<CKelvaraID<CTask>, CTaskID>);
    static_assert(std::is_same_v<CKeyFrameID, CKeyFrameID> && std::is_base_of_v<CKelvaraID<CKeyFrame>, CKeyFrameID>);

    EXPECT_FALSE(CTaskID().isValidNotNull());
    CTaskID unset;
    unset.unset();
    EXPECT_FALSE(unset.isValidNotNull());
    EXPECT_TRUE(idOf<CTaskID>(1).isValidNotNull());

    const CTaskID a = idOf<CTaskID>(5), b = idOf<CTaskID>(5);
    EXPECT_EQ(a.compare(&b), 0);
    EXPECT_TRUE(a == b);
    const CTaskID six = idOf<CTaskID>(6);
    EXPECT_EQ(a.compare(&six), -1);
    EXPECT_EQ(six.compare(&a), 1);
    const CKelvaraID<CTask>& base = a;
    const CTaskID fromBase(base);
    EXPECT_EQ(fromBase, a);
    const CTaskID fromText(a.toString());
    EXPECT_EQ(fromText, a);
    EXPECT_TRUE(CTaskID::getNullID().isNULL());
}

TEST(IDArray, AddAppendsAndRefusesAPresentIdentifier) {
    CLinkIDArray a;
    EXPECT_TRUE(a.isSorted());
    EXPECT_EQ(a.Add(idOf<CLinkID>(3)), 0);
    EXPECT_EQ(a.Add(idOf<CLinkID>(1)), 1);
    EXPECT_EQ(a.Add(idOf<CLinkID>(3)), -1);
    EXPECT_EQ(keys(a), (Keys{3, 1}));
    EXPECT_EQ(a.findByID(idOf<CLinkID>(1)), 1);
    EXPECT_LT(a.findByID(idOf<CLinkID>(2)), 0);
    EXPECT_EQ(a.GetUpperBound(), 1);

    EXPECT_EQ(a.AddNoSort(idOf<CLinkID>(3)), 2);
    EXPECT_FALSE(a.isSorted());
    EXPECT_EQ(keys(a), (Keys{3, 1, 3}));
    EXPECT_EQ(a.findByID(idOf<CLinkID>(3)), 0);
    EXPECT_TRUE(a.changeElement(idOf<CLinkID>(1)));
    EXPECT_FALSE(a.changeElement(idOf<CLinkID>(8)));

    a.InsertAt(0, idOf<CLinkID>(9));
    a.InsertAt(0, idOf<CLinkID>(1));
    a.InsertAt(7, idOf<CLinkID>(4));
    EXPECT_EQ(keys(a), (Keys{9, 3, 1, 3}));
    EXPECT_TRUE(a.isSorted());

    a.RemoveAt(1);
    a.RemoveAt(5);
    EXPECT_EQ(keys(a), (Keys{9, 1, 3}));
    EXPECT_EQ(a.findByID(idOf<CLinkID>(3)), 2);
    EXPECT_TRUE(a.changePosition(0, 2));
    EXPECT_EQ(keys(a), (Keys{3, 9, 1}));
    EXPECT_FALSE(a.changePosition(3, 0));
    EXPECT_EQ(a.findByID(idOf<CLinkID>(1)), 2);
}

TEST(IDArray, AttachDetachAndCheckedReads) {
    CLinkIDArray a = idsOf({1, 2});
    auto* mine = new CLinkID(idOf<CLinkID>(5));
    a.Attach(1, mine);
    EXPECT_EQ(&a.getConstReference(1), mine);
    auto* repeated = new CLinkID(idOf<CLinkID>(2));
    a.Attach(0, repeated);
    delete repeated;
    a.Attach(0, nullptr);
    EXPECT_EQ(keys(a), (Keys{1, 5, 2}));
    std::unique_ptr<CLinkID> out(a.Detach(1));
    EXPECT_EQ(out.get(), mine);
    EXPECT_EQ(a.Detach(2), nullptr);

    EXPECT_TRUE(a.getConstReference(-1).isNULL()) << "reads out of range answer a shared null identifier";
    EXPECT_TRUE(a[2].isNULL());
    EXPECT_EQ(&a.getConstReference(2), &CLinkIDArray().getConstReference(0));
}

TEST(IDArray, AppendAndCopyOfSetsAndArrays) {
    CLinkIDArray a = idsOf({5, 2});
    EXPECT_EQ(a.Append(IDSet<CLinkID>{}), 2);
    EXPECT_EQ(keys(a), (Keys{5, 2}));
    EXPECT_EQ(a.Append(IDSet<CLinkID>{idOf<CLinkID>(9), idOf<CLinkID>(2), idOf<CLinkID>(1)}), 2);
    EXPECT_EQ(keys(a), (Keys{5, 2, 1, 9})) << "a set is appended in ascending order, present members skipped";

    EXPECT_EQ(a.Append(idsOf({7, 5})), 4);
    EXPECT_EQ(keys(a), (Keys{5, 2, 1, 9, 7}));
    EXPECT_EQ(a.Append(a), 5);
    EXPECT_EQ(a.GetSize(), 5);
    EXPECT_EQ(a.Append(VectorIDs({idOf<CLinkID>(8), idOf<CLinkID>(8)})), 5);
    EXPECT_EQ(keys(a), (Keys{5, 2, 1, 9, 7, 8}));

    CLinkIDArray c;
    c.Copy(IDSet<CLinkID>{idOf<CLinkID>(4), idOf<CLinkID>(3)});
    EXPECT_EQ(keys(c), (Keys{3, 4}));
    EXPECT_TRUE(c.isSorted());
    c.Copy(a);
    EXPECT_TRUE(c == a);
    c.Copy(c);
    EXPECT_TRUE(c == a);
    c.Copy(VectorIDs({idOf<CLinkID>(6), idOf<CLinkID>(6)}));
    EXPECT_EQ(keys(c), (Keys{6, 6}));
    EXPECT_EQ(c.findByID(idOf<CLinkID>(6)), 0);

    c.AddNoSort(idOf<CLinkID>(6));
    c.InsertAt(1, idsOf({1, 6, 2}));
    EXPECT_EQ(keys(c), (Keys{6, 1, 6, 2, 6, 6})) << "an unsorted array inserts every element";
    CLinkIDArray d = idsOf({1, 2});
    d.InsertAt(1, idsOf({3, 1, 4}));
    EXPECT_EQ(keys(d), (Keys{1, 3, 4, 2}));
    d.InsertAt(0, VectorIDs({idOf<CLinkID>(0x10)}));
    EXPECT_EQ(keys(d), (Keys{0x10, 1, 3, 4, 2}));

    const CLinkIDArray copy(d);
    EXPECT_TRUE(copy == d);
    CLinkIDArray assigned;
    assigned = d;
    EXPECT_TRUE(assigned == d);
}

TEST(IDArray, EqualityIsOrderedAndContentIsNot) {
    const CLinkIDArray a = idsOf({1, 2, 3}), b = idsOf({3, 1, 2});
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a.isEqualContent(b));
    EXPECT_FALSE(a.isEqualContent(idsOf({1, 2})));
    CLinkIDArray dup = idsOf({1, 2});
    dup.AddNoSort(idOf<CLinkID>(2));
    EXPECT_FALSE(a.isEqualContent(dup)) << "a repeated identifier is not a missing one";
    EXPECT_FALSE(dup.isEqualContent(a));
    EXPECT_TRUE(a == idsOf({1, 2, 3}));
}

TEST(IDArray, SetSizeTruncatesAndPadsWithNullIdentifiers) {
    CLinkIDArray a = idsOf({1, 2, 3});
    a.SetSize(2);
    EXPECT_EQ(keys(a), (Keys{1, 2}));
    a.SetSize(4);
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_TRUE(a[3].isNULL());
    EXPECT_EQ(a.findByID(idOf<CLinkID>(2)), 1);
    a.getWritableReference(2) = idOf<CLinkID>(7);
    a.getWritableReference(3) = idOf<CLinkID>(8);
    a.sort();
    EXPECT_EQ(a.findByID(idOf<CLinkID>(8)), 3);
    EXPECT_EQ(a.Add(idOf<CLinkID>(7)), -1);
    a.SetSize(-1);
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(IDArray, RecordRoundTripKeepsOrderAndRepeats) {
    CLinkIDArray a = idsOf({3, 1});
    a.AddNoSort(idOf<CLinkID>(3));
    const auto bytes = kelvara::test::store(a);
    CLinkIDArray b = idsOf({9});
    kelvara::test::load(b, bytes);
    EXPECT_TRUE(b == a);
    EXPECT_EQ(b.findByID(idOf<CLinkID>(1)), 1);

    for (std::size_t n = 0; n < bytes.size(); ++n) {
        CLinkIDArray c = idsOf({4});
        CKelvaraArchive cut(bytes.data(), n, CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(c.Serialize(cut), CArchiveException) << n;
        EXPECT_TRUE(c.GetSize() == 0 || keys(c) == Keys{4}) << "never half-loaded";
    }
}
