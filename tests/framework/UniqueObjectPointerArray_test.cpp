#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <random>

#include "ArchiveTesting.h"
#include "framework/TestWidget.h"

using namespace kelvara::ftest;
using kelvara::test::load;
using kelvara::test::store;
using Keys = std::vector<std::uint32_t>;

namespace {

CWidgetArray arrayOf(std::initializer_list<std::uint32_t> ns) {
    CWidgetArray a;
    for (auto n : ns) EXPECT_GE(a.Add(widget(n, static_cast<int>(n) * 10)), 0);
    return a;
}

// An array record written by hand: the given elements, then (when entries is not null) the given
// ordered-index entries after each element.
std::vector<std::uint8_t> handMadeRecord(const std::vector<CWidget>& elements, const std::vector<int>* entries) {
    CKelvaraArchive ar;
    ar.checkMarkerStart("CUniquePointerArray");
    ar << static_cast<int>(elements.size());
    for (std::size_t p = 0; p < elements.size(); ++p) {
        CWidget w(elements[p]);
        w.Serialize(ar);
        if (entries) ar << (*entries)[p];
    }
    ar.checkMarkerEnd("CUniquePointerArray");
    return ar.takeBuffer();
}

}  // namespace

TEST(UniqueArray, AddRefusesAPresentIdentifierAndAddNoSortDoesNot) {
    CWidgetArray a;
    EXPECT_EQ(a.Add(widget(7, 1)), 0);
    EXPECT_EQ(a.Add(widget(7, 2)), -1);
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a.getConstReference(0).getWeight().getValue(), 1) << "a refused Add must not touch the element";

    EXPECT_EQ(a.AddNoSort(widget(7, 3)), 1);
    EXPECT_EQ(a.GetSize(), 2);
    EXPECT_FALSE(a.isSorted());
    EXPECT_EQ(a.getOrderedIndexSize(), 0);
    EXPECT_EQ(a.findByID(idOf<CWidgetID>(7)), 0) << "an unsorted lookup answers the first equal element";

    a.sort();
    expectConsistentIndex(a);
    EXPECT_EQ(a.Add(widget(7, 4)), -1) << "the repeated identifier is still refused after sorting";
    EXPECT_EQ(a.Add(widget(8)), 2);
    expectConsistentIndex(a);
}

TEST(UniqueArray, ElementOrderIsTheCallersAndTheIndexIsByIdentifier) {
    CWidgetArray a = arrayOf({5, 4, 3, 2, 1});
    EXPECT_EQ(keys(a), (Keys{5, 4, 3, 2, 1}));
    EXPECT_EQ(a.getOrderedIndex(0), 4);
    EXPECT_EQ(a.getOrderedIndex(4), 0);
    EXPECT_EQ(a.getOrderedIndex(-1), -1);
    EXPECT_EQ(a.getOrderedIndex(5), -1);
    EXPECT_EQ(a.findOrderedIndex(idOf<CWidgetID>(3)), 2);
    EXPECT_EQ(a.findByID(idOf<CWidgetID>(3)), 2);
    EXPECT_EQ(a.findByID(idOf<CWidgetID>(6)), -1);
    EXPECT_EQ(a.findByID(idOf<CWidgetID>(0)), -1);
    EXPECT_EQ(CWidgetArray().findByID(idOf<CWidgetID>(1)), -1);
    EXPECT_EQ(a.GetUpperBound(), 4);
    expectConsistentIndex(a);

    // Identifiers that share the leading 64 bits still order and find correctly.
    CWidgetArray b;
    for (std::uint8_t tail : {9, 3, 200, 0, 77}) {
        CWidget w;
        w.setID(idOf<CWidgetID>(1, tail));
        ASSERT_GE(b.Add(w), 0);
    }
    expectConsistentIndex(b);
    CWidget again;
    again.setID(idOf<CWidgetID>(1, 77));
    EXPECT_EQ(b.Add(again), -1);
    EXPECT_EQ(b.findByID(idOf<CWidgetID>(1, 4)), -1);
}

TEST(UniqueArray, AddAtAPositionAnswersTheNewElementOrNull) {
    CWidgetArray a = arrayOf({1, 2});
    int position = -1;
    IWidget* added = a.Add(position, widget(3));
    EXPECT_EQ(position, 2);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added, &a.getWritableReference(2));

    position = -1;
    EXPECT_EQ(a.Add(position, widget(1)), nullptr);
    EXPECT_EQ(position, -1);

    position = 1;
    added = a.Add(position, widget(9));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->getID(), idOf<CWidgetID>(9));
    EXPECT_EQ(keys(a), (Keys{1, 9, 2, 3}));

    position = 0;
    EXPECT_EQ(a.Add(position, widget(2)), nullptr) << "nothing was inserted: no element may be answered";
    position = 7;
    EXPECT_EQ(a.Add(position, widget(20)), nullptr);
    position = -5;
    EXPECT_EQ(a.Add(position, widget(21)), nullptr);
    EXPECT_EQ(keys(a), (Keys{1, 9, 2, 3}));
    expectConsistentIndex(a);

    a.AddNoSort(widget(4));
    position = -1;
    EXPECT_NE(a.Add(position, widget(4)), nullptr) << "an unsorted array appends without checking";
    EXPECT_EQ(position, 5);
}

TEST(UniqueArray, InsertAtChecksPositionAndIdentifier) {
    CWidgetArray a = arrayOf({5, 6});
    a.InsertAt(0, widget(9));
    a.InsertAt(3, widget(1));
    a.InsertAt(-1, widget(2));
    a.InsertAt(5, widget(3));
    a.InsertAt(1, widget(6));
    EXPECT_EQ(keys(a), (Keys{9, 5, 6, 1}));
    expectConsistentIndex(a);

    a.InsertAtNoSort(1, widget(6));
    a.InsertAtNoSort(9, widget(7));
    EXPECT_EQ(keys(a), (Keys{9, 6, 5, 6, 1}));
    EXPECT_FALSE(a.isSorted());
}

TEST(UniqueArray, InsertAtArrayPlacesAcceptedElementsTogether) {
    CWidgetArray a = arrayOf({1, 2, 3});
    const CWidgetArray other = arrayOf({9, 2, 8});
    a.InsertAt(1, other);
    EXPECT_EQ(keys(a), (Keys{1, 9, 8, 2, 3})) << "the refused 2 must not leave a gap";
    expectConsistentIndex(a);

    a.InsertAt(6, other);
    a.InsertAt(-1, other);
    EXPECT_EQ(a.GetSize(), 5);

    a.InsertAt(2, a);  // every identifier is present: nothing changes
    EXPECT_EQ(keys(a), (Keys{1, 9, 8, 2, 3}));

    CWidgetArray u;
    u.AddNoSort(widget(1));
    u.AddNoSort(widget(2));
    u.InsertAt(1, u);
    EXPECT_EQ(keys(u), (Keys{1, 1, 2, 2}));
    EXPECT_FALSE(u.isSorted());
}

TEST(UniqueArray, AppendAnswersTheCountBefore) {
    CWidgetArray a = arrayOf({3, 1});
    EXPECT_EQ(a.Append(arrayOf({4, 1, 2})), 2);
    EXPECT_EQ(keys(a), (Keys{3, 1, 4, 2}));
    EXPECT_EQ(a.Append(a), 4);
    EXPECT_EQ(a.GetSize(), 4);
    expectConsistentIndex(a);

    CWidgetArray::Set set;
    EXPECT_EQ(a.Append(set), 4);
    EXPECT_TRUE(set.insert(widget(9)));
    EXPECT_TRUE(set.insert(widget(0)));
    EXPECT_TRUE(set.insert(widget(2)));
    EXPECT_FALSE(set.insert(widget(9)));
    EXPECT_EQ(a.Append(set), 4);
    EXPECT_EQ(keys(a), (Keys{3, 1, 4, 2, 0, 9})) << "a set is appended in ascending order";

    CWidgetArray u;
    u.AddNoSort(widget(1));
    EXPECT_EQ(u.Append(u), 1);
    EXPECT_EQ(keys(u), (Keys{1, 1}));
}

TEST(UniqueArray, AttachTakesOwnershipOnlyWhenAccepted) {
    CWidgetArray a = arrayOf({1, 2});
    const int before = CWidget::live();
    auto* mine = new CWidget(widget(5));
    a.Attach(1, mine);
    EXPECT_EQ(&a.getConstReference(1), mine) << "attached without copying";
    EXPECT_EQ(CWidget::live(), before + 1);

    auto* repeated = new CWidget(widget(2));
    a.Attach(0, repeated);
    auto* outside = new CWidget(widget(6));
    a.Attach(4, outside);
    EXPECT_EQ(keys(a), (Keys{1, 5, 2}));
    delete repeated;  // refused: still the caller's
    delete outside;

    a.Attach(0, nullptr);
    a.AttachNoSort(0, nullptr);
    EXPECT_EQ(a.GetSize(), 3);
    expectConsistentIndex(a);

    a.AttachNoSort(3, new CWidget(widget(2)));
    EXPECT_EQ(keys(a), (Keys{1, 5, 2, 2}));
    EXPECT_FALSE(a.isSorted());
    a.RemoveAll();
    EXPECT_EQ(CWidget::live(), before - 2);
}

TEST(UniqueArray, DetachHandsTheElementOut) {
    CWidgetArray a = arrayOf({4, 2, 8, 6});
    CWidget* d = a.Detach(1);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->getID(), idOf<CWidgetID>(2));
    delete d;
    EXPECT_EQ(a.Detach(3), nullptr);
    EXPECT_EQ(a.Detach(-1), nullptr);
    EXPECT_EQ(keys(a), (Keys{4, 8, 6}));
    expectConsistentIndex(a);

    IWidget* byId = a.Detach(idOf<CWidgetID>(8));
    ASSERT_NE(byId, nullptr);
    EXPECT_EQ(byId->getID(), idOf<CWidgetID>(8));
    delete byId;
    EXPECT_EQ(a.Detach(idOf<CWidgetID>(8)), nullptr);
    expectConsistentIndex(a);

    std::unique_ptr<CWidget> n(a.DetachNoSort(0));
    ASSERT_TRUE(n);
    EXPECT_FALSE(a.isSorted());
    EXPECT_EQ(keys(a), (Keys{6}));
    EXPECT_EQ(a.findByID(idOf<CWidgetID>(6)), 0);
}

TEST(UniqueArray, RemovalKeepsTheIndexConsistentAndDestroys) {
    CWidgetArray a = arrayOf({3, 1, 2});
    const int before = CWidget::live();
    a.RemoveAt(0);
    EXPECT_EQ(CWidget::live(), before - 1);
    EXPECT_EQ(keys(a), (Keys{1, 2}));
    expectConsistentIndex(a);
    a.RemoveAt(2);
    a.RemoveAt(-1);
    EXPECT_EQ(a.GetSize(), 2);

    EXPECT_TRUE(a.Remove(idOf<CWidgetID>(2)));
    EXPECT_FALSE(a.Remove(idOf<CWidgetID>(2)));
    EXPECT_EQ(keys(a), (Keys{1}));

    a.AddNoSort(widget(1));
    a.RemoveAtNoSort(0);
    EXPECT_FALSE(a.isSorted());
    EXPECT_TRUE(a.Remove(idOf<CWidgetID>(1)));
    EXPECT_EQ(a.GetSize(), 0);

    a.AddNoSort(widget(5));
    a.RemoveAll();
    EXPECT_TRUE(a.isSorted()) << "RemoveAll brings the array back to sorted";
    EXPECT_EQ(a.getOrderedIndexSize(), 0);
    EXPECT_EQ(CWidget::live(), before - 3);
}

TEST(UniqueArray, ChangeElementCopiesOntoTheStoredElement) {
    CWidgetArray a = arrayOf({1, 2});
    const CWidget* stored = &a.getConstReference(1);
    EXPECT_TRUE(a.changeElement(widget(2, 99)));
    EXPECT_EQ(&a.getConstReference(1), stored);
    EXPECT_EQ(stored->getWeight().getValue(), 99);
    EXPECT_FALSE(a.changeElement(widget(3, 1)));
    EXPECT_EQ(a.GetSize(), 2);
    EXPECT_TRUE(a.changeElement(a.getConstReference(0)));  // onto itself
    EXPECT_EQ(a.getConstReference(0).getWeight().getValue(), 10);
}

TEST(UniqueArray, ChangePositionMovesTheSourceElementToTheTarget) {
    CWidgetArray a = arrayOf({1, 2, 3, 4});
    EXPECT_TRUE(a.changePosition(0, 2));
    EXPECT_EQ(keys(a), (Keys{3, 1, 2, 4}));
    EXPECT_TRUE(a.changePosition(3, 0));
    EXPECT_EQ(keys(a), (Keys{1, 2, 4, 3}));
    expectConsistentIndex(a);
    EXPECT_TRUE(a.changePosition(1, 1));
    EXPECT_FALSE(a.changePosition(0, 4));
    EXPECT_FALSE(a.changePosition(4, 0));
    EXPECT_FALSE(a.changePosition(-1, 0));
    EXPECT_EQ(keys(a), (Keys{1, 2, 4, 3}));

    a.AddNoSort(widget(0));
    EXPECT_TRUE(a.changePosition(0, 4));
    EXPECT_EQ(keys(a), (Keys{0, 1, 2, 4, 3}));
    EXPECT_FALSE(a.isSorted());
}

TEST(UniqueArray, ChangePositionNeverLosesARepeatedIdentifier) {
    CWidgetArray a;
    a.AddNoSort(widget(1, 10));
    a.AddNoSort(widget(2, 20));
    a.AddNoSort(widget(1, 30));
    a.sort();
    const CWidget* second = &a.getConstReference(2);
    const int before = CWidget::live();

    EXPECT_FALSE(a.changePosition(0, 2)) << "the sorted re-insertion of a repeated identifier is refused";
    ASSERT_EQ(a.GetSize(), 3);
    EXPECT_EQ(&a.getConstReference(2), second) << "the element goes back where it stood";
    EXPECT_EQ(CWidget::live(), before);
    expectConsistentIndex(a);

    EXPECT_TRUE(a.changePosition(0, 1));
    EXPECT_EQ(keys(a), (Keys{2, 1, 1}));
    expectConsistentIndex(a);
}

TEST(UniqueArray, OutOfRangeReadsAnswerTheThreeSharedDefaultObjects) {
    CWidgetArray a = arrayOf({1, 2});
    const CWidgetArray b;
    const CWidget& constDefault = a.getConstReference(-1);
    EXPECT_EQ(&a.getConstReference(2), &constDefault);
    EXPECT_EQ(&b.getConstReference(0), &constDefault) << "shared by every array of the kind";

    CWidget& writableDefault = a.getWritableReference(2);
    EXPECT_NE(static_cast<const CWidget*>(&writableDefault), &constDefault);
    EXPECT_EQ(&b.getWritableReference(-3), &writableDefault);

    const CIDBase& defaultId = a.getID(-1);
    EXPECT_EQ(&a.getID(2), &defaultId);
    EXPECT_NE(&defaultId, static_cast<const CIDBase*>(&constDefault.getID()));
    EXPECT_NE(&defaultId, static_cast<const CIDBase*>(&writableDefault.getID()));
    EXPECT_EQ(a.getID(1), idOf<CWidgetID>(2));

    const CProjectInt saved = writableDefault.getWeight();
    writableDefault.setWeight(CProjectInt(42));
    EXPECT_EQ(b.getWritableReference(100).getWeight().getValue(), 42) << "writes to it are seen later";
    EXPECT_FALSE(constDefault.getWeight().isValid());
    writableDefault.setWeight(saved);
}

TEST(UniqueArray, CopyIsDeepAndKeepsOrderAndIndex) {
    CWidgetArray a = arrayOf({3, 1, 2});
    CWidgetArray c;
    c.Copy(a);
    EXPECT_TRUE(c == a);
    EXPECT_EQ(keys(c), (Keys{3, 1, 2}));
    for (int k = 0; k < 3; ++k) EXPECT_EQ(c.getOrderedIndex(k), a.getOrderedIndex(k));
    EXPECT_NE(&c.getConstReference(0), &a.getConstReference(0));
    c.getWritableReference(0).setWeight(CProjectInt(-1));
    EXPECT_EQ(a.getConstReference(0).getWeight().getValue(), 30);
    EXPECT_FALSE(c == a);

    const CWidget* first = &a.getConstReference(0);
    a.Copy(a);
    EXPECT_EQ(&a.getConstReference(0), first) << "copying onto itself changes nothing";
    EXPECT_EQ(a.GetSize(), 3);

    CWidgetArray u;
    u.AddNoSort(widget(2));
    u.AddNoSort(widget(1));
    u.AddNoSort(widget(2));
    c.Copy(u);
    EXPECT_FALSE(c.isSorted());
    EXPECT_EQ(keys(c), (Keys{2, 1, 2}));
    EXPECT_EQ(c.findByID(idOf<CWidgetID>(1)), 1);

    CWidgetArray assigned;
    assigned = a;
    EXPECT_TRUE(assigned == a);
    CWidgetArray moved(std::move(assigned));
    EXPECT_TRUE(moved == a);
    EXPECT_EQ(assigned.GetSize(), 3) << "moving copies and leaves the source as it was";
    CWidgetArray moveAssigned;
    moveAssigned = std::move(moved);
    EXPECT_EQ(moved.GetSize(), 3);
    expectConsistentIndex(moveAssigned);
}

TEST(UniqueArray, CopyOfARangeTakesOnlyPositionsThatExist) {
    const CWidgetArray a = arrayOf({3, 1, 2});
    CWidgetArray c = arrayOf({7});
    c.Copy(a, 0, a.GetSize());
    EXPECT_EQ(keys(c), (Keys{3, 1, 2}));
    expectConsistentIndex(c);

    c.Copy(a, 1, 10);
    EXPECT_EQ(keys(c), (Keys{1, 2})) << "no copies of the default object for missing positions";
    c.Copy(a, -2, 3);
    EXPECT_EQ(keys(c), (Keys{3}));
    c.Copy(a, 5, 2);
    EXPECT_EQ(c.GetSize(), 0);
    c.Copy(a, 0, -1);
    EXPECT_EQ(c.GetSize(), 0);

    CWidgetArray self = arrayOf({4, 5, 6});
    self.Copy(self, 1, 1);
    EXPECT_EQ(keys(self), (Keys{5}));

    CWidgetArray dup;
    dup.AddNoSort(widget(1));
    dup.AddNoSort(widget(1));
    dup.AddNoSort(widget(2));
    c.Copy(dup, 0, 3);
    EXPECT_EQ(keys(c), (Keys{1, 2})) << "repeated identifiers are dropped";

    const auto start = std::chrono::steady_clock::now();
    c.Copy(a, 0, INT_MAX);
    c.Copy(a, INT_MIN, INT_MAX);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << "the range is clamped";
    EXPECT_EQ(c.GetSize(), 0);
    c.Copy(a, 1, INT_MAX);
    EXPECT_EQ(keys(c), (Keys{1, 2}));
}

TEST(UniqueArray, CopyFromASetIsInIdentifierOrder) {
    CWidgetArray::Set set;
    for (std::uint32_t n : {5u, 2u, 9u}) set.insert(widget(n));
    CWidgetArray c = arrayOf({1});
    c.Copy(set);
    EXPECT_EQ(keys(c), (Keys{2, 5, 9}));
    for (int k = 0; k < 3; ++k) EXPECT_EQ(c.getOrderedIndex(k), k);
    expectConsistentIndex(c);
}

TEST(UniqueArray, EqualityAgainstArraysAndSets) {
    const CWidgetArray a = arrayOf({3, 1, 2});
    EXPECT_TRUE(a == arrayOf({3, 1, 2}));
    EXPECT_FALSE(a == arrayOf({1, 2, 3})) << "element order matters";
    EXPECT_TRUE(a != arrayOf({3, 1}));
    EXPECT_TRUE(CWidgetArray() == CWidgetArray());

    CWidgetArray::Set set;
    for (std::uint32_t n : {1u, 2u, 3u}) set.insert(widget(n, static_cast<int>(n) * 10));
    EXPECT_TRUE(a == set) << "a set is compared beside the ordered index";
    EXPECT_FALSE(a != set);
    set.erase(idOf<CWidgetID>(2));
    set.insert(widget(2, 0));
    EXPECT_FALSE(a == set);
    set.erase(idOf<CWidgetID>(2));
    EXPECT_TRUE(a != set);
    EXPECT_TRUE(CWidgetArray() == CWidgetArray::Set());
}

TEST(UniqueArray, StoringWritesEachElementWithItsOrderedIndexEntry) {
    CWidgetArray a = arrayOf({3, 1, 2});
    a.AddNoSort(widget(0));  // storing sorts first
    const auto bytes = store(a);

    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    in.checkMarkerStart("CUniquePointerArray");
    int count = 0;
    in >> count;
    ASSERT_EQ(count, 4);
    std::vector<int> entries;
    for (int p = 0; p < count; ++p) {
        CWidget w;
        w.Serialize(in);
        EXPECT_EQ(w.getID(), a.getConstReference(p).getID());
        int entry = -1;
        in >> entry;
        entries.push_back(entry);
    }
    in.checkMarkerEnd("CUniquePointerArray");
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(entries, (std::vector<int>{3, 1, 2, 0}));
}

TEST(UniqueArray, RoundTripRestoresOrderAndIndex) {
    CWidgetArray a = arrayOf({30, 10, 20, 40});
    a.RemoveAt(3);
    CWidgetArray b = arrayOf({99});
    load(b, store(a), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_TRUE(b == a);
    ASSERT_EQ(b.getOrderedIndexSize(), 3);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(b.getOrderedIndex(k), a.getOrderedIndex(k));
    expectConsistentIndex(b);

    CWidgetArray empty;
    load(b, store(empty), 193);
    EXPECT_EQ(b.GetSize(), 0);
    EXPECT_TRUE(b.isSorted());
}

TEST(UniqueArray, OldLayoutKeepsTheFirstOfARepeatedIdentifierAndDestroysTheRest) {
    const std::vector<CWidget> elements = {widget(2, 1), widget(1, 2), widget(2, 3), widget(3, 4), widget(2, 5)};
    const auto bytes = handMadeRecord(elements, nullptr);
    CWidgetArray a;
    const int before = CWidget::live();
    load(a, bytes, 192);
    EXPECT_EQ(keys(a), (Keys{2, 1, 3})) << "later elements are still attached after a discarded one";
    EXPECT_EQ(a.getConstReference(0).getWeight().getValue(), 1);
    EXPECT_EQ(CWidget::live(), before + 3) << "discarded records are destroyed";
    expectConsistentIndex(a);

    // The old layout has no index entries: reading it as a new file fails instead of misreading.
    CWidgetArray b;
    EXPECT_THROW(load(b, bytes, 193), CArchiveException);
    EXPECT_EQ(b.GetSize(), 0);
}

TEST(UniqueArray, ACorruptedStoredIndexIsDetectedAndRebuilt) {
    const std::vector<CWidget> elements = {widget(30), widget(10), widget(20), widget(40)};
    const std::vector<std::vector<int>> corrupt = {
        {1, 2, 0, 3},    // the right one
        {1, 1, 0, 3},    // not a permutation
        {1, 2, 0, 4},    // out of range
        {1, 2, -1, 3},   // negative
        {0, 1, 2, 3},    // a permutation, not ascending
        {3, 0, 2, 1},    // descending
    };
    for (const auto& entries : corrupt) {
        SCOPED_TRACE(::testing::Message() << entries[0] << entries[1] << entries[2] << entries[3]);
        CWidgetArray a;
        load(a, handMadeRecord(elements, &entries), CKelvaraArchive::kCurrentFileVersion);
        EXPECT_EQ(keys(a), (Keys{30, 10, 20, 40}));
        expectConsistentIndex(a);
        EXPECT_EQ(a.getOrderedIndex(0), 1);
        EXPECT_EQ(a.Add(widget(20)), -1);
        EXPECT_EQ(a.Add(widget(25)), 4);
        expectConsistentIndex(a);
    }
}

TEST(UniqueArray, AFailedLoadLeavesAnEmptyArrayAndNoLeak) {
    CWidgetArray source = arrayOf({3, 1, 2});
    const auto bytes = store(source);
    for (int version : {192, CKelvaraArchive::kCurrentFileVersion}) {
        const auto old = version < 193 ? handMadeRecord({widget(3), widget(1), widget(2)}, nullptr) : bytes;
        for (std::size_t n = 0; n < old.size(); ++n) {
            SCOPED_TRACE(::testing::Message() << "version " << version << ", first " << n << " bytes");
            CWidgetArray a = arrayOf({7, 8});
            const int before = CWidget::live();
            CKelvaraArchive in(old.data(), n, version);
            EXPECT_THROW(a.Serialize(in), CArchiveException);
            // Failing on the start tag leaves the array as it was; any later failure empties it.
            if (a.GetSize() != 0) {
                EXPECT_EQ(keys(a), (Keys{7, 8}));
            }
            expectConsistentIndex(a);
            EXPECT_EQ(CWidget::live(), before - 2 + a.GetSize());
            EXPECT_GE(a.Add(widget(1)), 0) << "the array is usable after the failure";
        }
        // Damage inside the last element (its weight's valid flag): the elements read before it
        // are neither kept nor leaked.
        auto damaged = old;
        damaged[damaged.size() - (version >= 193 ? 11 : 7)] = 9;
        CWidgetArray a = arrayOf({7, 8});
        const int before = CWidget::live();
        CKelvaraArchive in(damaged.data(), damaged.size(), version);
        EXPECT_THROW(a.Serialize(in), CArchiveException);
        EXPECT_EQ(a.GetSize(), 0);
        EXPECT_TRUE(a.isSorted());
        EXPECT_EQ(CWidget::live(), before - 2);
    }
}

TEST(UniqueArray, AnImpossibleCountIsRefusedBeforeAllocating) {
    CKelvaraArchive out;
    out.checkMarkerStart("CUniquePointerArray");
    out << 0x7FFFFFFF;
    out.checkMarkerEnd("CUniquePointerArray");
    const auto bytes = out.takeBuffer();
    CWidgetArray a;
    try {
        load(a, bytes, CKelvaraArchive::kCurrentFileVersion);
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.cause(), CArchiveException::badIndex);
    }

    CKelvaraArchive neg;
    neg.checkMarkerStart("CUniquePointerArray");
    neg << -1;
    neg.checkMarkerEnd("CUniquePointerArray");
    const auto negative = neg.takeBuffer();
    EXPECT_THROW(load(a, negative, CKelvaraArchive::kCurrentFileVersion), CArchiveException);
}

TEST(UniqueArray, LargeArraysStayConsistentAcrossTheShrinkThreshold) {
    CWidgetArray a;
    a.Reserve(8000);
    for (std::uint32_t n = 1; n <= 1200; ++n) ASSERT_EQ(a.Add(widget(n * 7919 % 100003)), static_cast<int>(n - 1));
    while (a.GetSize() > 1001) a.RemoveAt(a.GetSize() / 2);
    expectConsistentIndex(a);
    for (std::uint32_t n = 0; n < 300; ++n) a.AddNoSort(widget(200000 + n));
    while (a.GetSize() > 1001) delete a.DetachNoSort(0);
    a.sort();
    expectConsistentIndex(a);
    EXPECT_EQ(a.GetSize(), 1001);
}

// Random operations against a plain model of the element order: the index must follow every step.
TEST(UniqueArray, RandomOperationsMatchAModel) {
    std::mt19937 rng(12345);
    CWidgetArray a;
    Keys model;
    auto present = [&](std::uint32_t n) { return std::find(model.begin(), model.end(), n) != model.end(); };
    for (int step = 0; step < 4000; ++step) {
        const auto n = static_cast<std::uint32_t>(rng() % 300);
        const int size = static_cast<int>(model.size());
        const int p = size ? static_cast<int>(rng() % static_cast<unsigned>(size)) : 0;
        switch (rng() % 7) {
            case 0:
                if (a.Add(widget(n)) >= 0) {
                    ASSERT_FALSE(present(n));
                    model.push_back(n);
                } else {
                    ASSERT_TRUE(present(n));
                }
                break;
            case 1:
                a.InsertAt(p, widget(n));
                if (!present(n)) model.insert(model.begin() + p, n);
                break;
            case 2:
                if (size) {
                    a.RemoveAt(p);
                    model.erase(model.begin() + p);
                }
                break;
            case 3:
                if (size) {
                    const int q = static_cast<int>(rng() % static_cast<unsigned>(size));
                    ASSERT_TRUE(a.changePosition(q, p));
                    const auto moved = model[static_cast<std::size_t>(p)];
                    model.erase(model.begin() + p);
                    model.insert(model.begin() + q, moved);
                }
                break;
            case 4:
                if (size) {
                    std::unique_ptr<CWidget> d(a.Detach(p));
                    const int q = static_cast<int>(rng() % static_cast<unsigned>(size));
                    a.Attach(q, d.release());
                    const auto moved = model[static_cast<std::size_t>(p)];
                    model.erase(model.begin() + p);
                    model.insert(model.begin() + q, moved);
                }
                break;
            case 5:
                EXPECT_EQ(a.Remove(idOf<CWidgetID>(n)), present(n));
                if (present(n)) model.erase(std::find(model.begin(), model.end(), n));
                break;
            default:
                ASSERT_EQ(a.findByID(idOf<CWidgetID>(n)) >= 0, present(n));
                break;
        }
        ASSERT_EQ(keys(a), model) << "step " << step;
        if (step % 97 == 0) expectConsistentIndex(a);
    }
    expectConsistentIndex(a);
}

// The same container for a class without a separate interface.
namespace {

KELVARA_DECLARE_ID(CEntryID, CEntry)

struct Entry {
    CEntryID id;
    int value = 0;
    const CEntryID& getID() const { return id; }
    bool operator!=(const Entry& o) const { return id != o.id || value != o.value; }
    void Serialize(CKelvaraArchive& ar) {
        ar.checkMarkerStart("Entry");
        id.Serialize(ar);
        if (ar.IsStoring()) ar << value;
        else ar >> value;
        ar.checkMarkerEnd("Entry");
    }
};

Entry entry(std::uint32_t n, int value) { return Entry{idOf<CEntryID>(n), value}; }

}  // namespace

TEST(UniquePointerArray, SharesTheAlgorithmsAndTheRecord) {
    CUniquePointerArray<Entry, CEntryID> a;
    EXPECT_EQ(a.Add(entry(2, 20)), 0);
    EXPECT_EQ(a.Add(entry(1, 10)), 1);
    EXPECT_EQ(a.Add(entry(2, 99)), -1);
    EXPECT_EQ(a.getOrderedIndex(0), 1);
    EXPECT_EQ(a.getConstReference(5).value, 0);

    CKelvaraArchive out;
    a.Serialize(out);
    const auto bytes = out.takeBuffer();
    CUniquePointerArray<Entry, CEntryID> b;
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    b.Serialize(in);
    EXPECT_TRUE(b == a);
    EXPECT_EQ(b.findByID(idOf<CEntryID>(1)), 1);

    CUniquePointerArray<Entry, CEntryID>::Set set;
    set.insert(entry(3, 3));
    set.insert(entry(1, 1));
    b.Copy(set);
    EXPECT_EQ(b.getConstReference(0).value, 1);
    EXPECT_TRUE(b == set);
    const CUniquePointerArray<Entry, CEntryID> c(b);
    EXPECT_TRUE(c == b);
}
