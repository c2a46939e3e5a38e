// The project's working calendars by identifier: day types borrowed from the nearest calendar
// above, the first of a repeated identifier, the fallback for the null and unknown identifiers,
// and a tree far deeper than a recursive walk could go.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "kelvara/schedule/CCalendar.h"
#include "scheduling/CalendarTesting.h"
#include "kelvara/scheduling/CalendarSet.h"

namespace {

constexpr std::int64_t kHour = 3'600'000, kDay = 24 * kHour;
constexpr std::int64_t kMonday = 20822;   // 2027-01-04

CCalendar fresh() {
    CCalendar calendar;
    (void)calendar.generateIDs();
    return calendar;
}

// A day type of one block added to holder, or replacing the blocks of its day type `id`.
CCalendarDayTypeID addDayType(CCalendar& holder, int fromHour, int toHour, const CCalendarDayTypeID& id = {}) {
    CCalendarDayType type;
    if (!id.isNULL()) type.setID(id);
    (void)type.setTimeBlock(0, CProjectTimeOfDaySpan(CProjectTimeOfDay(fromHour, 0), CProjectTimeOfDay(toHour, 0)));
    EXPECT_GE(holder.addCalendarDayType(type), 0);
    return type.getID();
}

using kelvara::test::setWeekDay;

// The work of day `day` of the week of 2027-01-04 (2 Monday).
std::int64_t dayWork(const CWorkingCalendar& work, int day) {
    const std::int64_t d = kMonday + day - 2;
    return work.between(d * kDay, (d + 1) * kDay);
}

}  // namespace

TEST(CalendarSet, ReadsEveryCalendarOfTheTreesAndFallsBackForUnknownOnes) {
    // top holds early and shared; child shadows shared and holds its own; grandChild borrows
    // early across two levels and shared from the nearest, child; sibling cannot see child's.
    CCalendar top = fresh(), child = fresh(), grandChild = fresh(), sibling = fresh(), twin = fresh();
    const CCalendarDayTypeID early = addDayType(top, 6, 10), shared = addDayType(top, 12, 14);
    (void)addDayType(child, 12, 18, shared);
    setWeekDay(grandChild, 2, early);
    setWeekDay(grandChild, 3, shared);
    setWeekDay(sibling, 2, addDayType(child, 5, 6));
    twin.setID(child.getID());   // a later calendar repeating the child's identifier
    setWeekDay(twin, 2, addDayType(twin, 8, 20));
    (void)child.addSubCalendar(grandChild);
    (void)top.addSubCalendar(child);
    (void)top.addSubCalendar(sibling);
    CCalendarRoot root;
    ASSERT_GE(root.getArray().Add(top), 0);
    ASSERT_GE(root.getArray().Add(twin), 0);

    const CCalendarSet set(root);
    EXPECT_EQ(set.size(), 4);
    EXPECT_EQ(dayWork(set.get(grandChild.getID()), 2), 4 * kHour);
    EXPECT_EQ(dayWork(set.get(grandChild.getID()), 3), 6 * kHour);
    EXPECT_EQ(dayWork(set.get(sibling.getID()), 2), 0);
    EXPECT_EQ(dayWork(set.get(child.getID()), 2), 8 * kHour);   // the first met, not the twin

    for (const CCalendarID& id : {CCalendarID(), CCalendarID::generated()}) {
        EXPECT_FALSE(set.contains(id));
        EXPECT_EQ(set.get(id).weeklyWorkingTime(), 40 * kHour);   // a new default calendar
        EXPECT_EQ(set.get(id).add(kMonday * kDay + 16 * kHour, 2 * kHour), (kMonday + 1) * kDay + 10 * kHour);
    }
    // From the list handle alike; afterwards it no longer depends on the tree.
    const CCalendarSet fromList(root.get());
    root.getArray().RemoveAll();
    EXPECT_EQ(fromList.size(), 4);
    EXPECT_TRUE(fromList.contains(grandChild.getID()));
}

TEST(CalendarSet, WalksATreeTenThousandDeepWithoutRecursion) {
    constexpr std::size_t kDepth = 10'000;
    auto top = std::make_unique<CCalendar>(fresh());
    const CCalendarDayTypeID early = addDayType(*top, 6, 10);
    // Built downwards by attaching (copying a deep tree would itself recurse); every level works
    // Monday on the top's day type.
    std::vector<ICalendar*> chain{top.get()};
    while (chain.size() <= kDepth) {
        auto next = std::make_unique<CCalendar>(fresh());
        setWeekDay(*next, 2, early);
        ASSERT_TRUE(chain.back()->attachSubCalendar(next->getWritableHandle(), 0));
        chain.push_back(next.release());
    }
    CCalendarRoot root;
    root.getArray().Attach(0, top.release());
    const CCalendarSet set(root);
    EXPECT_EQ(set.size(), static_cast<int>(kDepth) + 1);
    EXPECT_EQ(dayWork(set.get(chain.back()->getID()), 2), 4 * kHour);

    // Taken apart from the bottom, so that no destructor recurses ten thousand levels deep.
    for (std::size_t level = kDepth; level >= 1; --level)
        std::unique_ptr<ICalendar>(chain[level - 1]->detachSubCalendar(chain[level]->getID()).get()).reset();
}
