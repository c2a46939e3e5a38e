// The project's working calendars by identifier: every calendar of the trees, sub-calendars
// borrowing their parents' day types, the first of a repeated identifier, the fallback for the
// null and unknown identifiers, and a tree far deeper than any recursion could walk.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "kelvara/schedule/CCalendar.h"
#include "kelvara/scheduling/CalendarSet.h"

namespace {

constexpr std::int64_t kHour = 3'600'000;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kMonday = 20822;   // 2027-01-04

CCalendar fresh() {
    CCalendar calendar;
    (void)calendar.generateIDs();
    return calendar;
}

// A working day type of one block, added to holder.
CCalendarDayTypeID addDayType(CCalendar& holder, int fromHour, int toHour) {
    CCalendarDayType type;
    (void)type.setTimeBlock(0, CProjectTimeOfDaySpan(CProjectTimeOfDay(fromHour, 0), CProjectTimeOfDay(toHour, 0)));
    EXPECT_GE(holder.addCalendarDayType(type), 0);
    return type.getID();
}

// Works Monday on the given day type (which it may not hold itself).
void workMondayOn(CCalendar& calendar, const CCalendarDayTypeID& type) {
    CCalendarWeek week = calendar.getCalendarWeek();
    week.setDay(2, type);
    calendar.setCalendarWeek(week);
}

std::int64_t mondayWork(const CWorkingCalendar& work) { return work.between(kMonday * kDay, (kMonday + 1) * kDay); }

}  // namespace

TEST(CalendarSet, ReadsEveryCalendarOfTheTreesAndFallsBackForUnknownOnes) {
    CCalendarRoot root;
    CCalendar top = fresh();
    const CCalendarDayTypeID early = addDayType(top, 6, 10);
    CCalendar child = fresh();
    workMondayOn(child, early);   // held only by its parent
    CCalendar grandChild = fresh();
    workMondayOn(grandChild, early);   // held only two levels up
    // A day type that both the top and the child hold: the nearest, the child's, counts.
    const CCalendarDayTypeID shadowed = addDayType(top, 12, 14);
    CCalendarDayType longer(static_cast<const CCalendarDayType&>(*top.findCalendarDayType(shadowed)));
    (void)longer.setTimeBlock(0, CProjectTimeOfDaySpan(CProjectTimeOfDay(12, 0), CProjectTimeOfDay(18, 0)));
    ASSERT_GE(child.addCalendarDayType(longer), 0);
    CCalendarWeek week = grandChild.getCalendarWeek();
    week.setDay(3, shadowed);   // Tuesday
    grandChild.setCalendarWeek(week);
    // A sibling of the child does not see the child's day types.
    CCalendar sibling = fresh();
    const CCalendarDayTypeID childOnly = addDayType(child, 5, 6);
    workMondayOn(sibling, childOnly);
    const CCalendarID childID = child.getID(), grandChildID = grandChild.getID(), siblingID = sibling.getID();
    (void)child.addSubCalendar(grandChild);
    (void)top.addSubCalendar(child);
    (void)top.addSubCalendar(sibling);
    // A second top-level calendar repeating the child's identifier comes later: the child wins.
    CCalendar twin = fresh();
    twin.setID(childID);
    workMondayOn(twin, addDayType(twin, 8, 20));
    ASSERT_GE(root.getArray().Add(top), 0);
    ASSERT_GE(root.getArray().Add(twin), 0);

    const CCalendarSet set(root);
    EXPECT_EQ(set.size(), 4);
    EXPECT_TRUE(set.contains(top.getID()));
    EXPECT_TRUE(set.contains(grandChildID));
    EXPECT_EQ(mondayWork(set.get(top.getID())), 8 * kHour);
    EXPECT_EQ(mondayWork(set.get(childID)), 4 * kHour);
    EXPECT_EQ(mondayWork(set.get(grandChildID)), 4 * kHour);
    EXPECT_EQ(set.get(grandChildID).between((kMonday + 1) * kDay, (kMonday + 2) * kDay), 6 * kHour);
    EXPECT_EQ(mondayWork(set.get(siblingID)), 0);

    // The null and unknown identifiers answer a new default calendar's working time.
    for (const CCalendarID& id : {CCalendarID(), CCalendarID::generated()}) {
        EXPECT_FALSE(set.contains(id));
        const CWorkingCalendar& fallback = set.get(id);
        EXPECT_FALSE(fallback.isContinuous());
        EXPECT_EQ(fallback.weeklyWorkingTime(), 40 * kHour);
        EXPECT_EQ(fallback.add(kMonday * kDay + 16 * kHour, 2 * kHour), (kMonday + 1) * kDay + 10 * kHour);
    }
    EXPECT_EQ(CCalendarSet().size(), 0);
    EXPECT_EQ(CCalendarSet().get(top.getID()).weeklyWorkingTime(), 40 * kHour);

    // Built from the list handle it reads the same; afterwards it no longer depends on the tree.
    CCalendarSet fromList(root.get());
    root.getArray().RemoveAll();
    EXPECT_EQ(fromList.size(), 4);
    EXPECT_EQ(mondayWork(fromList.get(grandChildID)), 4 * kHour);
}

TEST(CalendarSet, WalksATreeTenThousandDeepWithoutRecursion) {
    constexpr int kDepth = 10'000;
    auto top = std::make_unique<CCalendar>(fresh());
    const CCalendarDayTypeID early = addDayType(*top, 6, 10);
    // Built downwards by attaching (a copy of a deep tree would itself recurse); every level
    // works Monday on the top's day type, so the deepest borrows it across all levels.
    std::vector<ICalendar*> chain{top.get()};
    for (int level = 1; level <= kDepth; ++level) {
        auto next = std::make_unique<CCalendar>(fresh());
        workMondayOn(*next, early);
        ASSERT_TRUE(chain.back()->attachSubCalendar(next->getWritableHandle(), 0));
        chain.push_back(next.release());
    }
    const CCalendarID topID = top->getID(), deepestID = chain.back()->getID();
    CCalendarRoot root;
    root.getArray().Attach(0, top.release());
    const CCalendarSet deepSet(root);
    EXPECT_EQ(deepSet.size(), kDepth + 1);
    EXPECT_EQ(mondayWork(deepSet.get(topID)), 8 * kHour);
    EXPECT_EQ(mondayWork(deepSet.get(deepestID)), 4 * kHour);

    // Taken apart from the bottom, so that no destructor recurses ten thousand levels deep.
    for (int level = kDepth; level >= 1; --level) {
        ICalendarWritableHandle detached = chain[static_cast<std::size_t>(level) - 1]->detachSubCalendar(chain[static_cast<std::size_t>(level)]->getID());
        ASSERT_FALSE(detached.isNull());
        std::unique_ptr<ICalendar> owned(detached.get());
    }
}
