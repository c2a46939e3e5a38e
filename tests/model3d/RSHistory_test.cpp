// The resource-state history: items stay in time order however they arrive (added, copied in,
// loaded), lookups find the item in force at a time, and the iterators stand on an index.
#include <gtest/gtest.h>

#include <vector>

#include "ArchiveTesting.h"
#include "kelvara/model3d/CRSHistory.h"
#include "kelvara/platform/Exceptions.h"

namespace kelvara::test {
namespace {

constexpr std::int64_t kDay = 24LL * 3600 * 1000;

CProjectTime day(int n) { return CProjectTime(n * kDay); }

CRSHistoryItem itemOn(int n, const wchar_t* note) {
    CRSHistoryItem item;
    item.setTime(day(n));
    item.setNote(CProjectString(note));
    return item;
}

CString notesOf(const IRSHistory& history) {
    CString notes;
    for (auto it = history.getLastState(); it; --it) notes = it->getNote().getValue() + L";" + notes;
    return notes;
}

// Items on days 1, 5 and 9.
struct History {
    CRSHistory history;
    CRSHistoryItem first = itemOn(1, L"1"), middle = itemOn(5, L"5"), last = itemOn(9, L"9");
    History() {
        for (const CRSHistoryItem* item : {&last, &first, &middle}) EXPECT_TRUE(history.Add(*item));
    }
};

struct Probe : CRSHistory {
    using CRSHistory::lower_bound;
};

TEST(RSHistory, LookupsFindTheItemInForce) {
    History h;
    const IRSHistory& history = h.history;
    EXPECT_EQ(notesOf(history), CString(L"1;5;9;")) << "added out of order, kept in time order";

    EXPECT_FALSE(history.getActiveState(day(0))) << "before the first item";
    EXPECT_EQ(history.getActiveState(day(5))->getNote().getValue(), CString(L"5"));
    EXPECT_EQ(history.getActiveState(day(7))->getNote().getValue(), CString(L"5"));
    EXPECT_EQ(history.getActiveState(day(20))->getNote().getValue(), CString(L"9"));
    EXPECT_FALSE(history.get(day(7)));
    EXPECT_EQ(history.get(day(9)).getIndex(), 2);
    EXPECT_EQ(history.get(h.first.getID())->getNote().getValue(), CString(L"1"));
    EXPECT_FALSE(history.get(CRSHistoryItem().getID())) << "a new item has an identifier of its own";

    EXPECT_FALSE(h.history.Remove(day(7)));
    EXPECT_TRUE(h.history.Remove(day(5)));
    EXPECT_FALSE(h.history.Remove(h.middle.getID())) << "already gone";
    EXPECT_TRUE(h.history.Remove(h.last.getID()));
    EXPECT_EQ(notesOf(history), CString(L"1;"));
}

TEST(RSHistory, LowerBoundFollowsItsSteps) {
    Probe probe;
    EXPECT_EQ(probe.lower_bound(day(3)), -1) << "empty";
    for (int d : {2, 4, 6, 8, 10, 12}) ASSERT_TRUE(probe.Add(itemOn(d, L"")));
    EXPECT_EQ(probe.lower_bound(day(1)), -1);
    EXPECT_EQ(probe.lower_bound(day(2)), 0);
    EXPECT_EQ(probe.lower_bound(day(7)), 2);
    EXPECT_EQ(probe.lower_bound(day(8)), 3);
    EXPECT_EQ(probe.lower_bound(day(11)), 4);
    EXPECT_EQ(probe.lower_bound(day(12)), 5);
    EXPECT_EQ(probe.lower_bound(day(99)), 5);
    EXPECT_EQ(probe.lower_bound(CProjectTime()), -1) << "an unset time orders before every set one";
}

TEST(RSHistory, ItemsAtOneTimeGoRightAfterTheOneTheLookupFinds) {
    History h;
    ASSERT_TRUE(h.history.Add(itemOn(5, L"5b")));
    EXPECT_EQ(notesOf(h.history), CString(L"1;5;5b;9;")) << "after the existing day-5 item";
    ASSERT_TRUE(h.history.Add(itemOn(5, L"5c")));
    EXPECT_EQ(notesOf(h.history), CString(L"1;5;5c;5b;9;")) << "the search stops at the first day-5 item it meets";
    EXPECT_EQ(h.history.getActiveState(day(5))->getNote().getValue(), CString(L"5c")) << "the middle one of three";

    EXPECT_FALSE(h.history.Add(h.middle)) << "an identifier already present is refused";
    EXPECT_EQ(h.history.GetSize(), 5);
}

TEST(RSHistory, IteratorsStandOnAnIndex) {
    History h;
    CResourceStateID installed = CResourceStateID::generated();
    h.middle.setStatusID(installed);
    ASSERT_TRUE(h.history.Remove(h.middle.getID()));
    ASSERT_TRUE(h.history.Add(h.middle));
    CRSHistoryItem again = itemOn(9, L"9b");
    again.setStatusID(installed);
    ASSERT_TRUE(h.history.Add(again));

    IRSHistory::CRSHistoryIterator it = h.history.getFirstStatus(installed);
    ASSERT_TRUE(it);
    EXPECT_EQ(it.getIndex(), 1);
    it->setCritical(true);
    EXPECT_TRUE(h.history.get(day(5))->getCritical() == true) << "the writable iterator reaches the item";
    const IRSHistory::CRSHistoryConstIterator view = it;
    EXPECT_EQ(view.get(), it.get());
    EXPECT_FALSE(h.history.getFirstStatus(CResourceStateID::generated()));

    ++it;
    ++it;
    EXPECT_EQ(it->getNote().getValue(), CString(L"9b"));
    ++it;
    EXPECT_FALSE(it) << "past the last item";
    EXPECT_EQ(it.get(), nullptr);
    EXPECT_THROW(*it, CInvalidArgException);
    EXPECT_THROW((void)IRSHistory::CRSHistoryConstIterator()->getNote(), CInvalidArgException);

    EXPECT_EQ(h.history.getLastState()->getNote().getValue(), CString(L"9b"));
    h.history.RemoveAll();
    EXPECT_FALSE(h.history.getLastState());
    EXPECT_FALSE(static_cast<const CRSHistory&>(h.history).getLastState());
}

TEST(RSHistory, CopiesAndLoadsKeepTimeOrder) {
    History h;
    CRSHistory copy;
    copy.Copy(h.history);
    EXPECT_TRUE(copy == h.history);

    // A list copied in through the item handle is added item by item.
    CRSHistoryItemArray unordered;
    for (int d : {7, 3, 11}) unordered.Add(itemOn(d, L"x"));
    copy.setItems(IRSHistoryItemArrayHandle(new CRSHistoryItemArrayHandle(&unordered)));
    std::vector<std::int64_t> days;
    for (int i = 0; i < copy.GetSize(); ++i) days.push_back(copy.getItems()[i]->getTime().getValue() / kDay);
    EXPECT_EQ(days, (std::vector<std::int64_t>{3, 7, 11}));
    copy.setItems(copy.getItems());
    EXPECT_EQ(copy.GetSize(), 3) << "a list assigned to itself is unchanged";

    // A record whose items are stored out of order, one of them twice, loads sorted and once.
    const CRSHistoryItem a = itemOn(9, L"9"), b = itemOn(1, L"1"), c = itemOn(5, L"5");
    const Bytes bytes = craft([&](CKelvaraArchive& ar) {
        ar.checkMarkerStart("ResourceStateHistory");
        ar << 4;
        for (const CRSHistoryItem* item : {&a, &b, &c, &a}) CRSHistoryItem(*item).Serialize(ar);
        ar.checkMarkerEnd("ResourceStateHistory");
    });
    CRSHistory loaded;
    load(loaded, bytes);
    EXPECT_EQ(notesOf(loaded), CString(L"1;5;9;"));

    CRSHistory reloaded;
    load(reloaded, store(loaded));
    EXPECT_TRUE(reloaded == loaded);
}

TEST(RSHistory, BadRecordsLeaveTheHistoryEmpty) {
    for (const int count : {-1, 1000000}) {
        const Bytes bytes = craft([&](CKelvaraArchive& ar) {
            ar.checkMarkerStart("ResourceStateHistory");
            ar << count;
            ar.checkMarkerEnd("ResourceStateHistory");
        });
        History h;
        CKelvaraArchive ar(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
        EXPECT_THROW(h.history.Serialize(ar), CArchiveException) << count;
        EXPECT_EQ(h.history.GetSize(), 0);
    }

    // The count promises three items, the record holds two: the load fails on the third.
    const CRSHistoryItem a = itemOn(1, L"1"), b = itemOn(5, L"5");
    const Bytes shortRecord = craft([&](CKelvaraArchive& ar) {
        ar.checkMarkerStart("ResourceStateHistory");
        ar << 3;
        for (const CRSHistoryItem* item : {&a, &b}) CRSHistoryItem(*item).Serialize(ar);
        ar.checkMarkerEnd("ResourceStateHistory");
    });
    CRSHistory target;
    ASSERT_TRUE(target.Add(itemOn(3, L"old")));
    CKelvaraArchive ar(shortRecord.data(), shortRecord.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(target.Serialize(ar), CArchiveException);
    EXPECT_EQ(target.GetSize(), 0) << "never half-filled";
}

}  // namespace
}  // namespace kelvara::test
