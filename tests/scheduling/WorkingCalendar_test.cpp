// Working-time arithmetic: hand-worked cases on the standard week and on exceptions, the edges of
// blocks, calendars whose working time runs out, answers beyond 64 bits, day types borrowed from
// parent calendars, and a day-by-day reference walk compared with the closed formulas on many
// random calendars.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
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

// ---- a day-by-day reference on random calendars ----
//
// The reference knows nothing of weeks as sums or of prefix sums: it marks each day type's worked
// minutes in a bitmap (blocks lie on whole minutes, so joining overlapping or touching blocks is
// just marking) and walks day by day, asking the stored calendar's own week-day function which
// week day a date is. Moments and durations are any millisecond.
namespace {

constexpr int kMinutes = 24 * 60;
constexpr std::int64_t kMinute = 60'000;

struct Pattern {
    bool worked[kMinutes] = {};
    std::int64_t cum[kMinutes + 1] = {};   // worked milliseconds before each minute
    std::int64_t total() const { return cum[kMinutes]; }
    void finish() {
        for (int m = 0; m < kMinutes; ++m) cum[m + 1] = cum[m] + (worked[m] ? kMinute : 0);
    }
    std::int64_t before(std::int64_t r) const {
        const auto m = static_cast<int>(r / kMinute);
        return m >= kMinutes ? total() : cum[m] + (worked[m] ? r - m * kMinute : 0);
    }
    // The earliest time of day by which target (1 .. total) is worked.
    std::int64_t reaching(std::int64_t target) const {
        for (int m = 0; m < kMinutes; ++m)
            if (worked[m] && cum[m + 1] >= target) return m * kMinute + (target - cum[m]);
        ADD_FAILURE() << "reference: target beyond the day";
        return 0;
    }
    // The latest time of day by which at most target (0 .. total - 1) is worked.
    std::int64_t within(std::int64_t target) const {
        for (int m = 0; m < kMinutes; ++m)
            if (worked[m] && cum[m] <= target && target < cum[m + 1]) return m * kMinute + (target - cum[m]);
        ADD_FAILURE() << "reference: target beyond the day";
        return 0;
    }
};

struct RandomType {
    bool working = true;
    std::vector<std::pair<int, int>> blocks;   // minutes, as stored (possibly empty or overlapping)
};

class Reference {
public:
    // types[i] for the calendar's day types; a week day of -1 names a day type held nowhere.
    Reference(const std::vector<RandomType>& types, const int (&week)[8], const std::map<std::int64_t, std::int64_t>& exceptionMoments,
              const std::map<std::int64_t, int>& exceptionTypes) {
        m_patterns.resize(types.size() + 1);   // the last: a day without work
        for (std::size_t i = 0; i < types.size(); ++i) {
            if (types[i].working)
                for (auto [from, to] : types[i].blocks)
                    for (int m = from; m < to; ++m) m_patterns[i].worked[m] = true;
            m_patterns[i].finish();
        }
        m_patterns.back().finish();
        for (int d = 1; d <= 7; ++d) m_week[d] = week[d] < 0 ? static_cast<int>(types.size()) : week[d];
        // Of two exceptions stored within one day, the earlier governs.
        std::map<std::int64_t, std::int64_t> earliest;
        for (auto [moment, type] : exceptionMoments) {
            const std::int64_t day = floorDay(moment);
            if (!earliest.count(day) || moment < earliest[day]) {
                earliest[day] = moment;
                m_exceptions[day] = exceptionTypes.at(moment);
            }
        }
        for (int d = 1; d <= 7; ++d) m_weekTotal += m_patterns[static_cast<std::size_t>(m_week[d])].total();
        m_first = m_exceptions.empty() ? 0 : m_exceptions.begin()->first;
        m_last = m_exceptions.empty() ? 0 : m_exceptions.rbegin()->first;
    }

    static std::int64_t floorDay(std::int64_t t) { return t / kDay - (t % kDay < 0 ? 1 : 0); }

    const Pattern& day(std::int64_t d) const {
        const auto found = m_exceptions.find(d);
        if (found != m_exceptions.end()) return m_patterns[static_cast<std::size_t>(found->second)];
        return m_patterns[static_cast<std::size_t>(m_week[CCalendarWeek::dayOfWeek(CProjectDate(d * kDay))])];
    }
    // Past every exception with a week without work, nothing more is ever worked.
    std::int64_t weekTotal() const { return m_weekTotal; }
    bool exhaustedAfter(std::int64_t d) const { return m_weekTotal == 0 && d > m_last; }
    bool exhaustedBefore(std::int64_t d) const { return m_weekTotal == 0 && d < m_first; }

    bool isWorking(std::int64_t t) const {
        const std::int64_t d = floorDay(t);
        return day(d).worked[(t - d * kDay) / kMinute];
    }
    std::int64_t between(std::int64_t a, std::int64_t b) const {
        if (b < a) return -between(b, a);
        const std::int64_t da = floorDay(a), db = floorDay(b);
        if (da == db) return day(da).before(b - db * kDay) - day(da).before(a - da * kDay);
        std::int64_t sum = day(da).total() - day(da).before(a - da * kDay);
        for (std::int64_t d = da + 1; d < db; ++d) sum += day(d).total();
        return sum + day(db).before(b - db * kDay);
    }
    std::int64_t add(std::int64_t t, std::int64_t work) const {
        if (work == 0) return t;
        std::int64_t d = floorDay(t);
        std::int64_t done = day(d).before(t - d * kDay);
        for (;; ++d, done = 0) {
            const Pattern& p = day(d);
            if (p.total() - done >= work) return d * kDay + p.reaching(done + work);
            work -= p.total() - done;
            if (exhaustedAfter(d)) return kNo;
        }
    }
    std::int64_t subtract(std::int64_t t, std::int64_t work) const {
        if (work == 0) return t;
        std::int64_t d = floorDay(t);
        std::int64_t available = day(d).before(t - d * kDay);
        for (;;) {
            if (available >= work) return d * kDay + day(d).within(available - work);
            work -= available;
            if (exhaustedBefore(--d)) return kNo;
            available = day(d).total();
        }
    }
    std::int64_t nextWorkingStart(std::int64_t t) const {
        if (isWorking(t)) return t;
        std::int64_t d = floorDay(t);
        for (auto m = static_cast<int>((t - d * kDay) / kMinute) + 1;; ++d, m = 0) {
            const Pattern& p = day(d);
            for (; m < kMinutes; ++m)
                if (p.worked[m]) return d * kDay + m * kMinute;
            if (exhaustedAfter(d)) return kNo;
        }
    }
    std::int64_t previousWorkingEnd(std::int64_t t) const {
        std::int64_t d = floorDay(t);
        const std::int64_t r = t - d * kDay;
        // The millisecond before t worked: t ends (or lies in) a block.
        if (r > 0 ? day(d).worked[(r - 1) / kMinute] : day(d - 1).worked[kMinutes - 1]) return t;
        for (auto m = static_cast<int>((r + kMinute - 1) / kMinute) - 1;; m = kMinutes - 1) {
            const Pattern& p = day(d);
            for (; m >= 0; --m)
                if (p.worked[m]) return d * kDay + (m + 1) * kMinute;
            if (exhaustedBefore(--d)) return kNo;
        }
    }

private:
    std::vector<Pattern> m_patterns;
    int m_week[8] = {};
    std::map<std::int64_t, int> m_exceptions;   // day -> type
    std::int64_t m_weekTotal = 0, m_first = 0, m_last = 0;
};

}  // namespace

TEST(WorkingCalendar, MatchesADayByDayWalkOnRandomCalendars) {
    std::mt19937_64 random(20261207);
    auto uniform = [&](std::int64_t lo, std::int64_t hi) { return std::uniform_int_distribution<std::int64_t>(lo, hi)(random); };
    int compared = 0;
    for (int round = 0; round < 400; ++round) {
        // Day types: blocks on whole minutes, overlapping, touching, empty or reversed, some day
        // types not working at all.
        std::vector<RandomType> types(static_cast<std::size_t>(uniform(1, 5)));
        std::vector<int> edges{0};
        for (RandomType& type : types) {
            type.working = uniform(0, 5) != 0;
            const auto blocks = uniform(0, 5);
            for (std::int64_t b = 0; b < blocks; ++b) {
                const auto from = static_cast<int>(uniform(0, kMinutes));
                const auto length = static_cast<int>(uniform(-60, 8 * 60));
                const int to = uniform(0, 6) == 0 ? from : std::clamp(from + length, 0, kMinutes);
                type.blocks.emplace_back(from, to);
                edges.push_back(from);
                edges.push_back(to);
            }
        }
        CCalendar calendar;
        calendar.removeAllCalendarDayTypes();
        std::vector<CCalendarDayTypeID> ids;
        for (const RandomType& type : types) {
            std::vector<CProjectTimeOfDaySpan> spans;
            for (auto [from, to] : type.blocks)
                spans.emplace_back(CProjectTimeOfDay::fromMilliseconds(from * kMinute), CProjectTimeOfDay::fromMilliseconds(to * kMinute));
            const CCalendarDayType stored = dayType(spans, type.working ? CDayType::Working : CDayType::NonWorking);
            ASSERT_GE(calendar.addCalendarDayType(stored), 0);
            ids.push_back(stored.getID());
        }
        // The week: sometimes without any work, sometimes naming a day type held nowhere.
        const bool idle = uniform(0, 6) == 0;
        int week[8] = {};
        CCalendarWeek storedWeek;
        for (int d = 1; d <= 7; ++d) {
            week[d] = idle || uniform(0, 12) == 0 ? -1 : static_cast<int>(uniform(0, static_cast<std::int64_t>(types.size()) - 1));
            storedWeek.setDay(d, week[d] < 0 ? CCalendarDayTypeID::generated() : ids[static_cast<std::size_t>(week[d])]);
        }
        calendar.setCalendarWeek(storedWeek);
        // Exceptions around 1970, some stored at a moment within their day, some days twice.
        std::map<std::int64_t, std::int64_t> exceptionMoments;
        std::map<std::int64_t, int> exceptionTypes;
        const auto exceptions = uniform(0, 40);
        for (std::int64_t e = 0; e < exceptions; ++e) {
            const std::int64_t moment = uniform(-700, 700) * kDay + (uniform(0, 2) == 0 ? uniform(0, kDay - 1) : 0);
            const auto type = static_cast<int>(uniform(0, static_cast<std::int64_t>(types.size()) - 1));
            if (exceptionMoments.count(moment)) continue;
            exceptionMoments[moment] = moment;
            exceptionTypes[moment] = type;
            addException(calendar, moment, ids[static_cast<std::size_t>(type)]);
        }
        const Reference reference(types, week, exceptionMoments, exceptionTypes);
        const CWorkingCalendar work(calendar);

        auto moment = [&] {
            const std::int64_t d = uniform(-800, 800);
            if (uniform(0, 2) == 0) return d * kDay + edges[static_cast<std::size_t>(uniform(0, static_cast<std::int64_t>(edges.size()) - 1))] * kMinute;
            return d * kDay + uniform(0, kDay - 1);
        };
        // Up to about two years of this calendar's work (the reference walks every day of it).
        const std::int64_t weekly = reference.weekTotal() > 0 ? reference.weekTotal() : kHour;
        auto duration = [&] {
            switch (uniform(0, 3)) {
                case 0: return uniform(0, std::min(3 * kHour, weekly));
                case 1: return uniform(0, weekly);
                case 2: return uniform(0, 10 * weekly);
                default: return uniform(0, 104 * weekly);
            }
        };
        for (int q = 0; q < 12; ++q, ++compared) {
            const std::int64_t t = moment(), u = moment(), w = duration();
            SCOPED_TRACE(testing::Message() << "round " << round << " t " << t << " u " << u << " w " << w);
            ASSERT_EQ(work.isWorking(t), reference.isWorking(t));
            ASSERT_EQ(work.between(t, u), reference.between(t, u));
            const std::int64_t added = work.add(t, w);
            ASSERT_EQ(added, reference.add(t, w));
            const std::int64_t subtracted = work.subtract(t, w);
            ASSERT_EQ(subtracted, reference.subtract(t, w));
            ASSERT_EQ(work.nextWorkingStart(t), reference.nextWorkingStart(t));
            ASSERT_EQ(work.previousWorkingEnd(t), reference.previousWorkingEnd(t));
            // Round trips: what add answers is exactly w away; adding the work up to u stops at
            // or before u with nothing worked in between.
            if (added != kNo) {
                ASSERT_EQ(work.between(t, added), w);
            }
            if (subtracted != kNo) {
                ASSERT_EQ(work.between(subtracted, t), w);
            }
            if (u >= t) {
                const std::int64_t back = work.add(t, work.between(t, u));
                ASSERT_LE(back, u);
                ASSERT_EQ(work.between(back, u), 0);
            }
        }
    }
    EXPECT_EQ(compared, 400 * 12);
}
