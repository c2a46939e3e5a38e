// Working-time arithmetic: hand-worked cases on the standard week, exceptions and block edges,
// work that runs out, answers beyond 64 bits, day types borrowed from parent calendars, and many
// random calendars checked against a day-by-day walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <limits>
#include <map>
#include <random>
#include <vector>

#include "kelvara/schedule/CCalendar.h"
#include "scheduling/CalendarTesting.h"
#include "kelvara/scheduling/WorkingCalendar.h"

namespace {

constexpr std::int64_t kHour = 3'600'000, kDay = 24 * kHour, kMinute = 60'000;
constexpr std::int64_t kNo = CWorkingCalendar::kNoMoment;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kFriday = 20819, kMonday = kFriday + 3;   // 2027-01-01 and 2027-01-04

std::int64_t at(std::int64_t day, int hour, int minute = 0) { return day * kDay + hour * kHour + minute * kMinute; }

CProjectTimeOfDaySpan minutes(std::int64_t from, std::int64_t to) {
    return CProjectTimeOfDaySpan(CProjectTimeOfDay::fromMilliseconds(from * kMinute), CProjectTimeOfDay::fromMilliseconds(to * kMinute));
}

// A day type with the blocks (in minutes), stored as given, added to the calendar.
CCalendarDayTypeID addDayType(CCalendar& calendar, const std::vector<std::pair<int, int>>& blocks, bool working = true) {
    CCalendarDayType type;
    type.setDayType(working ? CDayType::Working : CDayType::NonWorking);
    CProjectTimeOfDaySpanArray spans;
    for (auto [from, to] : blocks) spans.Add(minutes(from, to));
    type.setTimeOfDaySpanArray(spans);
    EXPECT_GE(calendar.addCalendarDayType(type), 0);
    return type.getID();
}

using kelvara::test::setWeekDay;

void addException(CCalendar& calendar, std::int64_t moment, const CCalendarDayTypeID& type) {
    ASSERT_GE(calendar.addCalendarException(CCalendarException(CProjectDate(moment), type), -1), 0);
}

}  // namespace

TEST(WorkingCalendar, StandardWeekAndTheEdgesOfBlocks) {
    const CWorkingCalendar work{CCalendar()};   // Monday to Friday 09:00-17:00
    EXPECT_EQ(work.weeklyWorkingTime(), 40 * kHour);
    EXPECT_EQ(work.add(at(kFriday, 16), 2 * kHour), at(kMonday, 10));
    EXPECT_EQ(work.add(at(kFriday, 17), 8 * kHour), at(kMonday, 17));   // a block's end, not Tuesday 09:00
    EXPECT_EQ(work.subtract(at(kMonday, 18), 8 * kHour), at(kMonday, 9));   // a block's start, not Friday 17:00
    EXPECT_EQ(work.subtract(at(kMonday, 10), 2 * kHour), at(kFriday, 16));
    EXPECT_EQ(work.add(at(kMonday, 10), -2 * kHour), at(kFriday, 16));   // a negative duration counts back
    EXPECT_EQ(work.between(at(kMonday, 10), at(kFriday, 16)), -2 * kHour);
    EXPECT_EQ(work.add(at(kMonday, 12), 52 * 40 * kHour), at(kMonday + 364, 12));
    for (std::int64_t t : {at(kMonday, 3), at(kFriday + 1, 12)}) {   // nothing to do: the start, even outside work
        EXPECT_EQ(work.add(t, 0), t);
        EXPECT_EQ(work.subtract(t, 0), t);
    }
    EXPECT_TRUE(work.isWorking(at(kFriday, 9)));
    EXPECT_FALSE(work.isWorking(at(kFriday, 17)));
    EXPECT_EQ(work.nextWorkingStart(at(kFriday, 17)), at(kMonday, 9));
    EXPECT_EQ(work.nextWorkingStart(at(kFriday, 12)), at(kFriday, 12));
    EXPECT_EQ(work.previousWorkingEnd(at(kMonday, 9)), at(kFriday, 17));
    EXPECT_EQ(work.previousWorkingEnd(at(kFriday, 17)), at(kFriday, 17));
    // Before 1970: 1969-12-31 was a Wednesday.
    EXPECT_EQ(work.add(at(-1, 16), 2 * kHour), at(0, 10));
    EXPECT_EQ(work.subtract(at(-3, 10), 2 * kHour), at(-6, 16));
    EXPECT_EQ(work.between(at(-36524, 0), at(-36524 + 7 * 5000, 0)), 5000 * 40 * kHour);
}

TEST(WorkingCalendar, ExceptionsGovernTheirWholeDayAndBlocksAreJoined) {
    CCalendar calendar;
    const CCalendarDayTypeID working = calendar.getCalendarDayTypes()[0]->getID();
    const CCalendarDayTypeID off = calendar.getCalendarDayTypes()[1]->getID();
    addException(calendar, at(kMonday, 0), off);              // a holiday
    addException(calendar, at(kFriday + 1, 13), working);     // a worked Saturday, stored at 13:00
    // Tuesday: 13-17, 8-12, 12-13 and 14-15 join into 08:00-17:00; empty and reversed blocks hold nothing.
    setWeekDay(calendar, 3, addDayType(calendar, {{780, 1020}, {480, 720}, {720, 780}, {840, 900}, {1200, 1140}, {1320, 1320}}));
    setWeekDay(calendar, 4, addDayType(calendar, {{480, 1020}}, false));   // Wednesday: blocks, but not a working day
    setWeekDay(calendar, 5, addDayType(calendar, {{1200, 1440}}));         // Thursday runs on into ...
    setWeekDay(calendar, 6, addDayType(calendar, {{0, 120}, {60, 180}}));  // ... Friday 00:00-03:00
    const CWorkingCalendar work(calendar);
    EXPECT_EQ(work.weeklyWorkingTime(), 8 * kHour + 9 * kHour + 4 * kHour + 3 * kHour);
    EXPECT_TRUE(work.isWorking(at(kFriday + 1, 9)));   // the Saturday's exception governs before 13:00 too
    EXPECT_EQ(work.add(at(kFriday, 2), 2 * kHour), at(kFriday + 1, 10));
    EXPECT_EQ(work.add(at(kFriday + 1, 17), 9 * kHour), at(kMonday + 1, 17));   // the holiday skipped
    EXPECT_EQ(work.subtract(at(kMonday + 1, 8), 1), at(kFriday + 1, 17) - 1);
    EXPECT_EQ(work.nextWorkingStart(at(kMonday + 1, 19, 30)), at(kMonday + 3, 20));
    EXPECT_EQ(work.add(at(kMonday + 3, 23), 2 * kHour), at(kMonday + 4, 1));   // across midnight
    EXPECT_EQ(work.previousWorkingEnd(at(kMonday + 4, 0)), at(kMonday + 4, 0));
    EXPECT_EQ(calendar.findCalendarDayType(calendar.getCalendarWeek().getDay(3))->getTimeOfDaySpanArray().GetSize(), 6);
}

TEST(WorkingCalendar, WorkThatRunsOutOrLeaves64BitsAnswersNoMoment) {
    CCalendar calendar;
    const CCalendarDayTypeID working = calendar.getCalendarDayTypes()[0]->getID();
    const CCalendarDayTypeID off = calendar.getCalendarDayTypes()[1]->getID();
    for (int d = 1; d <= 7; ++d) setWeekDay(calendar, d, off);
    const CWorkingCalendar none(calendar);
    EXPECT_FALSE(none.hasWorkingTime());
    for (std::int64_t answer : {none.add(0, 1), none.subtract(0, 1), none.nextWorkingStart(0), none.previousWorkingEnd(0)})
        EXPECT_EQ(answer, kNo);
    // Two worked days and nothing else: 16 hours in all.
    addException(calendar, at(kFriday, 0), working);
    addException(calendar, at(kFriday + 10, 0), working);
    const CWorkingCalendar sparse(calendar);
    EXPECT_EQ(sparse.add(0, 16 * kHour), at(kFriday + 10, 17));
    EXPECT_EQ(sparse.add(0, 16 * kHour + 1), kNo);
    EXPECT_EQ(sparse.subtract(at(kFriday + 99, 0), 16 * kHour), at(kFriday, 9));
    EXPECT_EQ(sparse.subtract(at(kFriday + 99, 0), 16 * kHour + 1), kNo);
    EXPECT_EQ(sparse.nextWorkingStart(at(kFriday + 10, 17)), kNo);
    EXPECT_EQ(sparse.previousWorkingEnd(at(kFriday, 9)), kNo);

    const CWorkingCalendar standard{CCalendar()}, continuous;
    for (const CWorkingCalendar* work : {&standard, &continuous}) {
        EXPECT_EQ(work->add(1, kMax), kNo);
        EXPECT_EQ(work->add(kMax - kHour, kMax), kNo);
        EXPECT_EQ(work->subtract(-1, kMax), kNo);   // the least 64-bit value is no moment
        EXPECT_EQ(work->add(0, std::numeric_limits<std::int64_t>::min()), kNo);
        EXPECT_EQ(work->add(kNo, kHour), kNo);
        EXPECT_GT(work->between(-kMax, kMax), 0);
    }
    EXPECT_EQ(continuous.between(-kMax, kMax), kMax);   // saturated
    EXPECT_EQ(continuous.add(kMax - 10, 10), kMax);
    const std::int64_t late = kMax - 30 * kDay;
    EXPECT_EQ(standard.subtract(standard.add(late, 10 * kHour), 10 * kHour), standard.nextWorkingStart(late));
}

TEST(WorkingCalendar, SubCalendarsBorrowTheNearestHoldersDayTypes) {
    CCalendar grandParent, parent, child;
    (void)parent.generateIDs();
    (void)child.generateIDs();
    const CCalendarDayTypeID shared = addDayType(parent, {{420, 660}});   // 4 hours
    CCalendarDayType longer(static_cast<const CCalendarDayType&>(*parent.findCalendarDayType(shared)));
    longer.setTimeOfDaySpanArray(CProjectTimeOfDaySpanArray());
    (void)longer.setTimeBlock(0, minutes(360, 1080));   // 12 hours under the same identifier
    ASSERT_GE(grandParent.addCalendarDayType(longer), 0);
    setWeekDay(child, 2, shared);                            // Monday: held only above the child
    setWeekDay(child, 3, CCalendarDayTypeID::generated());   // Tuesday: held nowhere
    auto monday = [](const CWorkingCalendar& work) { return work.between(at(kMonday, 0), at(kMonday + 1, 0)); };
    EXPECT_EQ(monday(CWorkingCalendar(child, {&parent, &grandParent})), 4 * kHour);
    EXPECT_EQ(monday(CWorkingCalendar(child, {nullptr, &grandParent})), 12 * kHour);
    EXPECT_EQ(monday(CWorkingCalendar(child)), 0);   // not the shared default day type
    EXPECT_EQ(CWorkingCalendar(child, {&parent}).between(at(kMonday + 1, 0), at(kMonday + 2, 0)), 0);
}

// ---- random calendars against a day-by-day walk ----
//
// Blocks lie on whole minutes, so the walk keeps each day type's worked minutes as a bitmap
// (overlapping and touching blocks need no joining) and adds up the days one by one; it asks the
// stored calendar's own week-day function which week day a date is. The other questions are
// checked by what defines their answers, in the walk's worked time.
namespace {

constexpr int kMinutes = 24 * 60;
using Minutes = std::bitset<kMinutes>;

struct DayWalk {
    std::vector<Minutes> types;   // the calendar's day types, then one without work
    int week[8] = {};
    std::map<std::int64_t, int> exceptions;   // day -> type; the earliest stored within a day kept

    static std::int64_t dayOf(std::int64_t t) { return t / kDay - (t % kDay < 0 ? 1 : 0); }
    const Minutes& day(std::int64_t d) const {
        const auto found = exceptions.find(d);
        return types[static_cast<std::size_t>(found != exceptions.end() ? found->second : week[CCalendarWeek::dayOfWeek(CProjectDate(d * kDay))])];
    }
    bool isWorking(std::int64_t t) const { return day(dayOf(t))[static_cast<std::size_t>((t - dayOf(t) * kDay) / kMinute)]; }
    std::int64_t before(std::int64_t t) const {   // worked within t's day before t
        const std::int64_t r = t - dayOf(t) * kDay, m = r / kMinute;
        return static_cast<std::int64_t>((day(dayOf(t)) << static_cast<std::size_t>(kMinutes - m)).count()) * kMinute +
               (isWorking(t) ? r - m * kMinute : 0);
    }
    std::int64_t between(std::int64_t a, std::int64_t b) const {
        if (b < a) return -between(b, a);
        std::int64_t sum = before(b) - before(a);
        for (std::int64_t d = dayOf(a); d < dayOf(b); ++d) sum += static_cast<std::int64_t>(day(d).count()) * kMinute;
        return sum;
    }
};

}  // namespace

TEST(WorkingCalendar, MatchesADayByDayWalkOnRandomCalendars) {
    std::mt19937_64 random(20261207);
    auto uniform = [&](std::int64_t lo, std::int64_t hi) { return std::uniform_int_distribution<std::int64_t>(lo, hi)(random); };
    for (int round = 0; round < 300; ++round) {
        // Day types with overlapping, touching, empty or reversed blocks, some not working.
        CCalendar calendar;
        calendar.removeAllCalendarDayTypes();
        DayWalk walk;
        std::vector<CCalendarDayTypeID> ids;
        std::vector<std::int64_t> edges{0};
        for (std::int64_t t = uniform(1, 5); t > 0; --t) {
            std::vector<std::pair<int, int>> blocks;
            Minutes worked;
            const bool working = uniform(0, 5) != 0;
            for (std::int64_t b = uniform(0, 5); b > 0; --b) {
                const auto from = static_cast<int>(uniform(0, kMinutes));
                const auto to = static_cast<int>(std::clamp<std::int64_t>(from + uniform(-60, 480), 0, kMinutes));
                blocks.emplace_back(from, to);
                for (int m = from; working && m < to; ++m) worked.set(static_cast<std::size_t>(m));
                edges.insert(edges.end(), {from * kMinute, to * kMinute});
            }
            ids.push_back(addDayType(calendar, blocks, working));
            walk.types.push_back(worked);
        }
        walk.types.emplace_back();
        const int noWork = static_cast<int>(ids.size());
        // A week sometimes without work, sometimes naming a day type held nowhere.
        const bool idle = uniform(0, 6) == 0;
        for (int d = 1; d <= 7; ++d) {
            walk.week[d] = idle || uniform(0, 12) == 0 ? noWork : static_cast<int>(uniform(0, noWork - 1));
            setWeekDay(calendar, d, walk.week[d] == noWork ? CCalendarDayTypeID::generated() : ids[static_cast<std::size_t>(walk.week[d])]);
        }
        // Exceptions within 700 days of 1970, some stored within their day, some days twice.
        std::map<std::int64_t, int> stored;
        for (std::int64_t e = uniform(0, 40); e > 0; --e)
            stored.emplace(uniform(-700, 700) * kDay + (uniform(0, 2) == 0 ? uniform(0, kDay - 1) : 0), static_cast<int>(uniform(0, noWork - 1)));
        for (auto [moment, type] : stored) {
            addException(calendar, moment, ids[static_cast<std::size_t>(type)]);
            walk.exceptions.emplace(DayWalk::dayOf(moment), type);   // ascending moments: the earliest stays
        }
        const CWorkingCalendar work(calendar);
        // No work at all lies beyond the horizon when the week has none.
        const std::int64_t horizon = 800 * kDay, weekly = std::max<std::int64_t>(work.weeklyWorkingTime(), kHour);

        for (int q = 0; q < 12; ++q) {
            const std::int64_t d = uniform(-790, 790);
            const std::int64_t t = d * kDay + (uniform(0, 2) == 0 ? edges[static_cast<std::size_t>(uniform(0, static_cast<std::int64_t>(edges.size()) - 1))] % kDay : uniform(0, kDay - 1));
            const std::int64_t u = uniform(-790, 790) * kDay + uniform(0, kDay - 1);
            const std::int64_t w = uniform(0, 3) == 0 ? uniform(0, 3 * kHour) : uniform(0, weekly * (uniform(0, 1) ? 2 : 104));
            SCOPED_TRACE(testing::Message() << "round " << round << " t " << t << " u " << u << " w " << w);
            ASSERT_EQ(work.isWorking(t), walk.isWorking(t));
            ASSERT_EQ(work.between(t, u), walk.between(t, u));
            const bool runsOut = work.weeklyWorkingTime() == 0;
            // add: the earliest m worked w after t, so the millisecond before m is worked.
            const std::int64_t added = work.add(t, w);
            if (added == kNo) {
                ASSERT_TRUE(runsOut && walk.between(t, horizon) < w);
            } else {
                ASSERT_TRUE(walk.between(t, added) == w && (w == 0 ? added == t : walk.isWorking(added - 1))) << added;
            }
            // subtract: the latest m worked w before t, so the millisecond at m is worked.
            const std::int64_t subtracted = work.subtract(t, w);
            if (subtracted == kNo) {
                ASSERT_TRUE(runsOut && walk.between(-horizon, t) < w);
            } else {
                ASSERT_TRUE(walk.between(subtracted, t) == w && (w == 0 ? subtracted == t : walk.isWorking(subtracted))) << subtracted;
            }
            const std::int64_t next = work.nextWorkingStart(t), previous = work.previousWorkingEnd(t);
            if (next == kNo) {
                ASSERT_TRUE(runsOut && walk.between(t, horizon) == 0);
            } else {
                ASSERT_TRUE(next >= t && walk.isWorking(next) && walk.between(t, next) == 0) << next;
            }
            if (previous == kNo) {
                ASSERT_TRUE(runsOut && walk.between(-horizon, t) == 0);
            } else {
                ASSERT_TRUE(previous <= t && walk.isWorking(previous - 1) && walk.between(previous, t) == 0) << previous;
            }
        }
    }
}
