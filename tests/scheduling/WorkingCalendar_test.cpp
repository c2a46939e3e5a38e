// Working-time arithmetic: hand-worked cases on the standard week and on exceptions, the edges of
// blocks, calendars whose working time runs out, answers beyond 64 bits, day types borrowed from
// parent calendars, and a day-by-day reference walk compared with the closed formulas on many
// random calendars.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "kelvara/schedule/CCalendar.h"
#include "kelvara/scheduling/WorkingCalendar.h"

namespace {

constexpr std::int64_t kHour = 3'600'000;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kNo = CWorkingCalendar::kNoMoment;
// 2027-01-01, a Friday.
constexpr std::int64_t kFriday = 20819;

std::int64_t at(std::int64_t day, int hour, int minute = 0) { return day * kDay + hour * kHour + minute * 60'000; }

CProjectTimeOfDaySpan span(int fromHour, int toHour, int fromMinute = 0, int toMinute = 0) {
    return CProjectTimeOfDaySpan(CProjectTimeOfDay(fromHour, fromMinute), CProjectTimeOfDay(toHour, toMinute));
}

// A working day type with the given blocks, stored as given.
CCalendarDayType dayType(const std::vector<CProjectTimeOfDaySpan>& blocks, CDayType kind = CDayType::Working) {
    CCalendarDayType type;
    type.setDayType(kind);
    CProjectTimeOfDaySpanArray spans;
    for (const CProjectTimeOfDaySpan& s : blocks) spans.Add(s);
    type.setTimeOfDaySpanArray(spans);
    return type;
}

void addException(CCalendar& calendar, std::int64_t moment, const CCalendarDayTypeID& type) {
    ASSERT_GE(calendar.addCalendarException(CCalendarException(CProjectDate(moment), type), -1), 0);
}

CCalendarDayTypeID nonWorking(const CCalendar& calendar) { return calendar.getCalendarDayTypes()[1]->getID(); }
CCalendarDayTypeID working(const CCalendar& calendar) { return calendar.getCalendarDayTypes()[0]->getID(); }

// A calendar of day types alone: the week all non-working.
CCalendar idleWeek() {
    CCalendar calendar;
    CCalendarWeek week;
    for (int d = 1; d <= 7; ++d) week.setDay(d, nonWorking(calendar));
    calendar.setCalendarWeek(week);
    return calendar;
}

}  // namespace

TEST(WorkingCalendar, StandardWeekCarriesOverNightsAndWeekends) {
    const CCalendar calendar;   // Monday to Friday 09:00-17:00
    const CWorkingCalendar work(calendar);
    const std::int64_t monday = kFriday + 3;
    EXPECT_FALSE(work.isContinuous());
    EXPECT_TRUE(work.hasWorkingTime());
    EXPECT_EQ(work.weeklyWorkingTime(), 40 * kHour);

    EXPECT_EQ(work.add(at(kFriday, 16), 2 * kHour), at(monday, 10));
    EXPECT_EQ(work.add(at(kFriday, 17), 8 * kHour), at(monday, 17));
    EXPECT_EQ(work.add(at(kFriday, 20), 8 * kHour), at(monday, 17));
    EXPECT_EQ(work.subtract(at(monday, 10), 2 * kHour), at(kFriday, 16));
    EXPECT_EQ(work.between(at(kFriday, 16), at(monday, 10)), 2 * kHour);
    EXPECT_EQ(work.between(at(monday, 10), at(kFriday, 16)), -2 * kHour);
    // Whole weeks: 52 weeks of 40 hours, counted from any moment of the same week position.
    EXPECT_EQ(work.between(at(monday, 12), at(monday + 364, 12)), 52 * 40 * kHour);
    EXPECT_EQ(work.add(at(monday, 12), 52 * 40 * kHour), at(monday + 364, 12));

    EXPECT_TRUE(work.isWorking(at(kFriday, 9)));
    EXPECT_FALSE(work.isWorking(at(kFriday, 17)));
    EXPECT_FALSE(work.isWorking(at(kFriday + 1, 12)));
    EXPECT_EQ(work.nextWorkingStart(at(kFriday, 17)), at(monday, 9));
    EXPECT_EQ(work.nextWorkingStart(at(kFriday, 12)), at(kFriday, 12));
    EXPECT_EQ(work.previousWorkingEnd(at(monday, 9)), at(kFriday, 17));
    EXPECT_EQ(work.previousWorkingEnd(at(monday, 9, 30)), at(monday, 9, 30));
}

TEST(WorkingCalendar, BlockEdgesAndZeroDurations) {
    const CWorkingCalendar work{CCalendar()};
    const std::int64_t monday = kFriday + 3;
    // Ending exactly on a block's end answers that end, not the next start; counting back exactly
    // to a block's start answers that start, not the previous end.
    EXPECT_EQ(work.add(at(monday, 9), 8 * kHour), at(monday, 17));
    EXPECT_EQ(work.add(at(monday, 8), 8 * kHour), at(monday, 17));
    EXPECT_EQ(work.subtract(at(monday, 17), 8 * kHour), at(monday, 9));
    EXPECT_EQ(work.subtract(at(monday, 18), 8 * kHour), at(monday, 9));
    // Nothing to do answers the start unchanged, even outside working time.
    for (std::int64_t t : {at(monday, 3), at(monday, 12), at(kFriday + 1, 12)}) {
        EXPECT_EQ(work.add(t, 0), t);
        EXPECT_EQ(work.subtract(t, 0), t);
    }
    // A negative duration counts the other way.
    EXPECT_EQ(work.add(at(monday, 10), -2 * kHour), at(kFriday, 16));
    EXPECT_EQ(work.subtract(at(kFriday, 16), -2 * kHour), at(monday, 10));
}

TEST(WorkingCalendar, ExceptionsOverrideTheirWholeDay) {
    CCalendar calendar;
    const std::int64_t monday = kFriday + 3;
    addException(calendar, at(monday, 0), nonWorking(calendar));          // a holiday
    addException(calendar, at(kFriday + 1, 13), working(calendar));        // a worked Saturday, stored at 13:00
    const CWorkingCalendar work(calendar);
    EXPECT_EQ(work.add(at(kFriday, 16), 2 * kHour), at(kFriday + 1, 10));
    EXPECT_TRUE(work.isWorking(at(kFriday + 1, 9)));   // the exception governs the hours before 13:00 too
    EXPECT_EQ(work.add(at(kFriday, 17), 9 * kHour), at(monday + 1, 10));
    EXPECT_EQ(work.between(at(kFriday, 0), at(monday + 2, 0)), 3 * 8 * kHour);
    EXPECT_EQ(work.subtract(at(monday + 1, 10), 2 * kHour), at(kFriday + 1, 16));
    EXPECT_EQ(work.nextWorkingStart(at(kFriday + 1, 17)), at(monday + 1, 9));
    EXPECT_EQ(work.previousWorkingEnd(at(monday + 1, 9)), at(kFriday + 1, 17));
}

TEST(WorkingCalendar, BlocksAreSortedMergedAndEmptyOnesIgnored) {
    CCalendar calendar;
    CCalendarDayType split = dayType({span(13, 17), span(8, 12), span(12, 13), span(14, 15), span(20, 19), span(22, 22)});
    ASSERT_GE(calendar.addCalendarDayType(split), 0);
    CCalendarDayType off = dayType({span(8, 17)}, CDayType::NonWorking);   // blocks, but not a working day
    ASSERT_GE(calendar.addCalendarDayType(off), 0);
    CCalendarWeek week = calendar.getCalendarWeek();
    week.setDay(2, split.getID());   // Monday
    week.setDay(3, off.getID());     // Tuesday
    calendar.setCalendarWeek(week);
    const CWorkingCalendar work(calendar);
    const std::int64_t monday = kFriday + 3;
    EXPECT_EQ(work.weeklyWorkingTime(), 9 * kHour + 3 * 8 * kHour);
    EXPECT_EQ(work.between(at(monday, 0), at(monday + 1, 0)), 9 * kHour);
    EXPECT_EQ(work.between(at(monday + 1, 0), at(monday + 2, 0)), 0);
    EXPECT_TRUE(work.isWorking(at(monday, 12)));
    EXPECT_FALSE(work.isWorking(at(monday, 19, 30)));
    EXPECT_EQ(work.add(at(monday, 8), 9 * kHour), at(monday, 17));
    // The stored calendar keeps its blocks as they were.
    EXPECT_EQ(calendar.findCalendarDayType(split.getID())->getTimeOfDaySpanArray().GetSize(), 6);
}

TEST(WorkingCalendar, BlocksRunningToMidnightJoinTheNextDay) {
    CCalendar calendar;
    CCalendarDayType allDay = dayType({span(0, 24)});
    ASSERT_GE(calendar.addCalendarDayType(allDay), 0);
    CCalendarWeek week;
    for (int d = 1; d <= 7; ++d) week.setDay(d, allDay.getID());
    calendar.setCalendarWeek(week);
    const CWorkingCalendar work(calendar);
    EXPECT_EQ(work.add(at(kFriday, 23), 2 * kHour), at(kFriday + 1, 1));
    EXPECT_EQ(work.nextWorkingStart(at(kFriday + 1, 0)), at(kFriday + 1, 0));
    EXPECT_EQ(work.previousWorkingEnd(at(kFriday + 1, 0)), at(kFriday + 1, 0));
    EXPECT_EQ(work.between(-5 * kDay, 5 * kDay), 10 * kDay);
}

TEST(WorkingCalendar, MomentsBefore1970) {
    const CWorkingCalendar work{CCalendar()};
    // 1969-12-31 was a Wednesday, 1969-12-27 a Saturday.
    EXPECT_TRUE(work.isWorking(at(-1, 10)));
    EXPECT_FALSE(work.isWorking(at(-5, 10)));
    EXPECT_EQ(work.add(at(-1, 16), 2 * kHour), at(0, 10));
    EXPECT_EQ(work.between(at(-7, 0), at(0, 0)), 40 * kHour);
    EXPECT_EQ(work.subtract(at(-3, 10), 2 * kHour), at(-6, 16));   // Monday back to Friday
    // A century back and forth.
    const std::int64_t t = at(-36524, 11);
    EXPECT_EQ(work.add(t, work.between(t, at(0, 11))), at(0, 11));
}

TEST(WorkingCalendar, WorkThatRunsOutAnswersNoMoment) {
    const CCalendar idle = idleWeek();
    const CWorkingCalendar none(idle);
    EXPECT_FALSE(none.hasWorkingTime());
    EXPECT_EQ(none.add(0, 1), kNo);
    EXPECT_EQ(none.subtract(0, 1), kNo);
    EXPECT_EQ(none.nextWorkingStart(0), kNo);
    EXPECT_EQ(none.previousWorkingEnd(0), kNo);
    EXPECT_EQ(none.between(std::numeric_limits<std::int64_t>::min() + 1, std::numeric_limits<std::int64_t>::max()), 0);

    // Two worked days and nothing else: 16 hours in all, then nothing.
    CCalendar twoDays = idleWeek();
    addException(twoDays, at(kFriday, 0), working(twoDays));
    addException(twoDays, at(kFriday + 10, 0), working(twoDays));
    const CWorkingCalendar sparse(twoDays);
    EXPECT_TRUE(sparse.hasWorkingTime());
    EXPECT_EQ(sparse.add(0, 16 * kHour), at(kFriday + 10, 17));
    EXPECT_EQ(sparse.add(0, 16 * kHour + 1), kNo);
    EXPECT_EQ(sparse.subtract(at(kFriday + 100, 0), 16 * kHour), at(kFriday, 9));
    EXPECT_EQ(sparse.subtract(at(kFriday + 100, 0), 16 * kHour + 1), kNo);
    EXPECT_EQ(sparse.nextWorkingStart(at(kFriday, 17)), at(kFriday + 10, 9));
    EXPECT_EQ(sparse.nextWorkingStart(at(kFriday + 10, 17)), kNo);
    EXPECT_EQ(sparse.previousWorkingEnd(at(kFriday, 9)), kNo);
    EXPECT_EQ(sparse.previousWorkingEnd(at(kFriday + 5, 0)), at(kFriday, 17));
}

TEST(WorkingCalendar, AnswersBeyond64BitsAreNoMoment) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const CWorkingCalendar standard{CCalendar()};
    const CWorkingCalendar continuous;
    for (const CWorkingCalendar* work : {&standard, &continuous}) {
        EXPECT_EQ(work->add(1, kMax), kNo);
        EXPECT_EQ(work->add(kMax - kHour, kMax), kNo);
        EXPECT_EQ(work->subtract(kMin + 1, kMax), kNo);
        EXPECT_EQ(work->subtract(-1, kMax), kNo);   // the least 64-bit value is no moment
        EXPECT_EQ(work->add(kNo, kHour), kNo);
        EXPECT_EQ(work->add(0, kMin), kNo);
        EXPECT_GE(work->between(kMin + 1, kMax), 0);
        EXPECT_LE(work->between(kMax, kMin + 1), 0);
    }
    EXPECT_EQ(continuous.add(kMax - 10, 10), kMax);
    EXPECT_EQ(continuous.subtract(kMin + 11, 10), kMin + 1);
    EXPECT_EQ(continuous.between(kMin + 1, kMax), kMax);
    // Near the ends a standard week still answers within range.
    const std::int64_t late = kMax - 30 * kDay;
    EXPECT_EQ(standard.subtract(standard.add(late, 10 * kHour), 10 * kHour), standard.nextWorkingStart(late));
}

TEST(WorkingCalendar, SubCalendarsBorrowTheirParentsDayTypes) {
    CCalendar parent;
    (void)parent.generateIDs();
    CCalendarDayType shortDay = dayType({span(7, 11)});
    ASSERT_GE(parent.addCalendarDayType(shortDay), 0);
    CCalendar child;
    (void)child.generateIDs();
    CCalendarWeek week = child.getCalendarWeek();
    week.setDay(2, shortDay.getID());   // Monday: a day type only the parent holds
    week.setDay(3, CCalendarDayTypeID::generated());   // Tuesday: one held nowhere
    child.setCalendarWeek(week);
    const std::int64_t monday = kFriday + 3;

    const CWorkingCalendar withParent(child, {&parent});
    EXPECT_EQ(withParent.between(at(monday, 0), at(monday + 1, 0)), 4 * kHour);
    EXPECT_EQ(withParent.between(at(monday + 1, 0), at(monday + 2, 0)), 0);
    EXPECT_EQ(withParent.weeklyWorkingTime(), 4 * kHour + 3 * 8 * kHour);
    // Without the parent the shared default day type is not taken for the missing one.
    const CWorkingCalendar alone(child);
    EXPECT_EQ(alone.between(at(monday, 0), at(monday + 1, 0)), 0);
    // The nearest holder wins.
    CCalendar grandParent;
    CCalendarDayType longer = dayType({span(6, 18)});
    longer.setID(shortDay.getID());
    ASSERT_GE(grandParent.addCalendarDayType(longer), 0);
    const CWorkingCalendar nearest(child, {&parent, &grandParent});
    EXPECT_EQ(nearest.between(at(monday, 0), at(monday + 1, 0)), 4 * kHour);
    const CWorkingCalendar skipped(child, {nullptr, &grandParent});
    EXPECT_EQ(skipped.between(at(monday, 0), at(monday + 1, 0)), 12 * kHour);
}
