// Working-time arithmetic over one calendar (see WorkingCalendar.h for the reading rules and the
// conventions at block edges).
//
// Everything rests on one function, F(t): the worked milliseconds from a fixed origin to t (its
// origin is arbitrary; only differences are answered). With C(d) = F(start of day d),
//     C(d) = (d div 7) * weekTotal + weekPrefix[d mod 7] + (sum of delta of the exceptions before d)
// and F(t) = C(day of t) + the worked time of that day's pattern before t's time of day. F never
// decreases and grows by at most one per millisecond, so
//     between(a, b)         = F(b) - F(a)
//     add(t, w)             = the earliest m with F(m) >= F(t) + w
//     subtract(t, w)        = the latest m with F(m) <= F(t) - w
//     nextWorkingStart(t)   = (the earliest m with F(m) >= F(t) + 1) - 1
//     previousWorkingEnd(t) = (the latest m with F(m) <= F(t) - 1) + 1
// The two searches first pick, by binary search, the stretch between two exceptions in which the
// answer lies (C at an exception's day is monotone in the exception's index), then solve the
// weekly formula inside that stretch by division, then walk the at most 24 blocks of one day.
//
// Intermediate values use 128-bit integers: a moment near the ends of the 64-bit range plus a
// duration near them, or a count of weeks times a week's work, would overflow 64 bits. Only the
// final answer is brought back, and one outside 64 bits becomes kNoMoment.
#include "kelvara/scheduling/WorkingCalendar.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>

#include "kelvara/base/ICalendar.h"

namespace {

__extension__ typedef __int128 Wide;

constexpr std::int64_t kDay = CProjectTimeOfDay::kMillisecondsPerDay;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// Division rounding toward minus infinity (divisor > 0), so that days and weeks before 1970 are
// numbered like those after.
Wide floorDiv(Wide a, Wide b) {
    // 128-bit division is a library call several times slower; the values nearly always fit.
    constexpr Wide lo = std::numeric_limits<std::int64_t>::min(), hi = std::numeric_limits<std::int64_t>::max();
    if (a > lo && a <= hi && b > 0 && b <= hi) {
        const auto a64 = static_cast<std::int64_t>(a), b64 = static_cast<std::int64_t>(b);
        return a64 / b64 - (a64 % b64 < 0 ? 1 : 0);
    }
    Wide q = a / b;
    if (a % b < 0) --q;
    return q;
}

std::int64_t toMoment(Wide m) {
    // The least 64-bit value is kNoMoment itself, so it is no answer either.
    if (m <= Wide(CWorkingCalendar::kNoMoment) || m > Wide(kMax)) return CWorkingCalendar::kNoMoment;
    return static_cast<std::int64_t>(m);
}

std::int64_t saturate(Wide v) {
    if (v > Wide(kMax)) return kMax;
    if (v < -Wide(kMax)) return -kMax;
    return static_cast<std::int64_t>(v);
}

// The week position (0 Thursday .. 6 Wednesday) of a day: 1970-01-01 was a Thursday.
int weekPosition(Wide day) { return static_cast<int>(day - floorDiv(day, 7) * 7); }

// The week day (1 Sunday .. 7 Saturday) at week position k.
int weekDayOfPosition(int k) { return (k + 4) % 7 + 1; }

}  // namespace

struct CWorkingCalendar::Arithmetic {
    // The worked time of the standard week before day d.
    static Wide weekBefore(const CWorkingCalendar& c, Wide d) {
        const Wide weeks = floorDiv(d, 7);
        return weeks * c.m_weekTotal + c.m_weekPrefix[static_cast<int>(d - weeks * 7)];
    }

    // The number of exceptions before day d (the index of the first at or after it).
    static int exceptionsBefore(const CWorkingCalendar& c, Wide d) {
        const auto at = std::lower_bound(c.m_exceptions.begin(), c.m_exceptions.end(), d,
                                         [](const Exception& e, Wide day) { return Wide(e.day) < day; });
        return static_cast<int>(at - c.m_exceptions.begin());
    }
    static int exceptionsUpTo(const CWorkingCalendar& c, Wide d) {
        const auto at = std::upper_bound(c.m_exceptions.begin(), c.m_exceptions.end(), d,
                                         [](Wide day, const Exception& e) { return day < Wide(e.day); });
        return static_cast<int>(at - c.m_exceptions.begin());
    }

    // Day d's pattern, given the number of exceptions before it.
    static const DayPattern& patternOf(const CWorkingCalendar& c, Wide d, int before) {
        const int n = static_cast<int>(c.m_exceptions.size());
        if (before < n && Wide(c.m_exceptions[static_cast<std::size_t>(before)].day) == d)
            return c.m_patterns[static_cast<std::size_t>(c.m_exceptions[static_cast<std::size_t>(before)].pattern)];
        return c.m_patterns[static_cast<std::size_t>(weekPosition(d))];
    }

    // The worked time of a pattern before time of day r.
    static std::int64_t workedBefore(const DayPattern& pattern, std::int64_t r) {
        std::int64_t worked = 0;
        for (const Block& b : pattern.blocks) {
            if (r <= b.start) break;
            worked += std::min<std::int64_t>(r, b.end) - b.start;
        }
        return worked;
    }

    static bool inBlock(const DayPattern& pattern, std::int64_t r) {
        for (const Block& b : pattern.blocks)
            if (b.start <= r && r < b.end) return true;
        return false;
    }

    // F(t): the worked time from the origin to t.
    static Wide worked(const CWorkingCalendar& c, std::int64_t t) {
        const Wide d = floorDiv(t, kDay);
        const auto r = static_cast<std::int64_t>(Wide(t) - d * kDay);
        const int before = exceptionsBefore(c, d);
        return weekBefore(c, d) + c.m_deltaPrefix[static_cast<std::size_t>(before)] +
               workedBefore(patternOf(c, d, before), r);
    }

    // The earliest moment m with F(m) >= target, searching from day fromDay on.
    // REQUIRES: C(fromDay) < target. False when the worked time never reaches target.
    static bool earliestReaching(const CWorkingCalendar& c, Wide target, Wide fromDay, Wide& moment) {
        const int n = static_cast<int>(c.m_exceptions.size());
        const int first = exceptionsBefore(c, fromDay);
        // The first exception whose day ends with target reached: the answer lies at its day or
        // in the plain week days before it (after the previous exception).
        int lo = first, hi = n;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            const Exception& e = c.m_exceptions[static_cast<std::size_t>(mid)];
            if (weekBefore(c, Wide(e.day) + 1) + c.m_deltaPrefix[static_cast<std::size_t>(mid) + 1] >= target) hi = mid;
            else lo = mid + 1;
        }
        const int i = lo;
        const Wide stretchStart = i == first ? fromDay : Wide(c.m_exceptions[static_cast<std::size_t>(i) - 1].day) + 1;
        const Wide before = c.m_deltaPrefix[static_cast<std::size_t>(i)];
        const bool bounded = i < n;
        const Wide exceptionDay = bounded ? Wide(c.m_exceptions[static_cast<std::size_t>(i)].day) : 0;

        Wide day;
        if (c.m_weekTotal > 0) {
            // The earliest day whose end, in the plain weeks, reaches target.
            const Wide rest = target - before;
            const Wide weeks = floorDiv(rest - 1, c.m_weekTotal);
            const Wide inWeek = rest - weeks * c.m_weekTotal;   // 1 .. weekTotal
            int k = 0;
            while (c.m_weekPrefix[k + 1] < inWeek) ++k;
            day = std::max(weeks * 7 + k, stretchStart);
            if (bounded && day >= exceptionDay) day = exceptionDay;
        } else {
            if (!bounded) return false;
            day = exceptionDay;
        }
        const DayPattern& pattern = bounded && day == exceptionDay
                                        ? c.m_patterns[static_cast<std::size_t>(c.m_exceptions[static_cast<std::size_t>(i)].pattern)]
                                        : c.m_patterns[static_cast<std::size_t>(weekPosition(day))];
        Wide need = target - (weekBefore(c, day) + before);   // 1 .. the day's total
        for (const Block& b : pattern.blocks) {
            const Wide length = b.end - b.start;
            if (need <= length) {
                moment = day * kDay + b.start + need;
                return true;
            }
            need -= length;
        }
        return false;   // unreachable while the formulas agree
    }

    // The latest moment m with F(m) <= target, searching up to day toDay.
    // REQUIRES: C(toDay + 1) > target. False when the worked time never falls to target.
    static bool latestWithin(const CWorkingCalendar& c, Wide target, Wide toDay, Wide& moment) {
        const int end = exceptionsUpTo(c, toDay);
        // The last exception whose day starts at or below target: the answer lies at its day or
        // in the plain week days after it (before the next exception).
        int lo = 0, hi = end;
        while (lo < hi) {
            const int mid = lo + (hi - lo + 1) / 2;   // upper middle: the search moves lo up
            const Exception& e = c.m_exceptions[static_cast<std::size_t>(mid) - 1];
            if (weekBefore(c, e.day) + c.m_deltaPrefix[static_cast<std::size_t>(mid) - 1] <= target) lo = mid;
            else hi = mid - 1;
        }
        const int j = lo - 1;   // -1 when none
        const Wide stretchEnd = j + 1 < end ? Wide(c.m_exceptions[static_cast<std::size_t>(j) + 1].day) - 1 : toDay;
        const Wide before = c.m_deltaPrefix[static_cast<std::size_t>(j + 1)];
        const bool bounded = j >= 0;
        const Wide exceptionDay = bounded ? Wide(c.m_exceptions[static_cast<std::size_t>(j)].day) : 0;

        Wide day;
        if (c.m_weekTotal > 0) {
            // The latest day whose start, in the plain weeks, lies at or below target.
            const Wide rest = target - before;
            const Wide weeks = floorDiv(rest, c.m_weekTotal);
            const Wide inWeek = rest - weeks * c.m_weekTotal;   // 0 .. weekTotal - 1
            int k = 6;
            while (c.m_weekPrefix[k] > inWeek) --k;
            day = std::min(weeks * 7 + k, stretchEnd);
            if (bounded && day <= exceptionDay) day = exceptionDay;
        } else {
            if (!bounded) return false;
            day = exceptionDay;
        }
        const bool onException = bounded && day == exceptionDay;
        const DayPattern& pattern = onException
                                        ? c.m_patterns[static_cast<std::size_t>(c.m_exceptions[static_cast<std::size_t>(j)].pattern)]
                                        : c.m_patterns[static_cast<std::size_t>(weekPosition(day))];
        const Wide dayStart = weekBefore(c, day) + (onException ? Wide(c.m_deltaPrefix[static_cast<std::size_t>(j)]) : before);
        Wide need = target - dayStart;   // 0 .. the day's total - 1
        for (const Block& b : pattern.blocks) {
            const Wide length = b.end - b.start;
            if (need < length) {
                moment = day * kDay + b.start + need;
                return true;
            }
            need -= length;
        }
        return false;   // unreachable while the formulas agree
    }
};

CWorkingCalendar::CWorkingCalendar() = default;

namespace {

// The day type with the identifier among holder's own, or null.
const ICalendarDayType* findIn(const ICalendar& holder, const CCalendarDayTypeID& id) {
    const ICalendarDayTypeArrayHandle dayTypes = holder.getCalendarDayTypes();
    // findCalendarDayType would answer a shared default for an absent identifier, so the
    // position decides.
    const int position = dayTypes.findByID(id);
    return position < 0 ? nullptr : dayTypes[position].get();
}

}  // namespace

struct CWorkingCalendar::AncestorSource final : CWorkingCalendar::DayTypeSource {
    AncestorSource(const ICalendar& calendar, const std::vector<const ICalendar*>& ancestors)
        : m_calendar(calendar), m_ancestors(ancestors) {}
    const ICalendarDayType* find(const CCalendarDayTypeID& id) const override {
        if (const ICalendarDayType* own = findIn(m_calendar, id)) return own;
        for (const ICalendar* ancestor : m_ancestors)
            if (ancestor)
                if (const ICalendarDayType* found = findIn(*ancestor, id)) return found;
        return nullptr;
    }
    const ICalendar& m_calendar;
    const std::vector<const ICalendar*>& m_ancestors;
};

CWorkingCalendar::CWorkingCalendar(const ICalendar& calendar, const std::vector<const ICalendar*>& ancestors)
    : CWorkingCalendar(calendar, AncestorSource(calendar, ancestors)) {}

CWorkingCalendar::CWorkingCalendar(const ICalendar& calendar, const DayTypeSource& dayTypes) : m_continuous(false) {
    auto patternOf = [&](const CCalendarDayTypeID& id) {
        DayPattern pattern;
        const ICalendarDayType* dayType = dayTypes.find(id);
        if (!dayType || !dayType->isWorkingDay()) return pattern;
        const CProjectTimeOfDaySpanArray& spans = dayType->getTimeOfDaySpanArray();
        for (int s = 0; s < spans.GetSize(); ++s) {
            const std::int32_t start = std::clamp<std::int32_t>(spans[s].getStart().getMilliseconds(), 0, kDay);
            const std::int32_t end = std::clamp<std::int32_t>(spans[s].getEnd().getMilliseconds(), 0, kDay);
            if (end > start) pattern.blocks.push_back(Block{start, end});
        }
        std::sort(pattern.blocks.begin(), pattern.blocks.end(),
                  [](const Block& a, const Block& b) { return a.start < b.start; });
        // Overlapping or touching blocks join; a block inside the one before leaves its end.
        std::vector<Block> merged;
        for (const Block& b : pattern.blocks) {
            if (!merged.empty() && b.start <= merged.back().end) merged.back().end = std::max(merged.back().end, b.end);
            else merged.push_back(b);
        }
        pattern.blocks = std::move(merged);
        for (const Block& b : pattern.blocks) pattern.total += b.end - b.start;
        return pattern;
    };

    const CCalendarWeek& week = calendar.getCalendarWeek();
    for (int k = 0; k < 7; ++k) {
        m_patterns.push_back(patternOf(week.getDay(weekDayOfPosition(k))));
        m_weekPrefix[k + 1] = m_weekPrefix[k] + m_patterns.back().total;
    }
    m_weekTotal = m_weekPrefix[7];
    m_hasWorkingTime = m_weekTotal > 0;

    // Exceptions in date order, one per day: of two stored within one day the earlier governs.
    std::map<CCalendarDayTypeID, int> patternOfDayType;
    const CCalendarExceptionArray& exceptions = calendar.getCalendarDayExceptions();
    m_deltaPrefix.push_back(0);
    for (int place = 0; place < exceptions.GetSize(); ++place) {
        const CCalendarException& exception = exceptions[exceptions.getOrderedIndex(place)];
        if (!exception.getDate().isValid()) continue;
        const auto day = static_cast<std::int64_t>(floorDiv(exception.getDate().getValue(), kDay));
        if (!m_exceptions.empty() && m_exceptions.back().day == day) continue;
        auto [at, added] = patternOfDayType.try_emplace(exception.getCalendarDayTypeID(), static_cast<int>(m_patterns.size()));
        if (added) m_patterns.push_back(patternOf(exception.getCalendarDayTypeID()));
        const std::int64_t total = m_patterns[static_cast<std::size_t>(at->second)].total;
        const std::int64_t delta = total - m_patterns[static_cast<std::size_t>(weekPosition(day))].total;
        m_exceptions.push_back(Exception{day, at->second, delta});
        m_deltaPrefix.push_back(m_deltaPrefix.back() + delta);
        if (total > 0) m_hasWorkingTime = true;
    }
}

bool CWorkingCalendar::hasWorkingTime() const noexcept { return m_continuous || m_hasWorkingTime; }
bool CWorkingCalendar::isContinuous() const noexcept { return m_continuous; }
std::int64_t CWorkingCalendar::weeklyWorkingTime() const noexcept { return m_continuous ? 7 * kDay : m_weekTotal; }

bool CWorkingCalendar::isWorking(std::int64_t moment) const noexcept {
    if (m_continuous) return true;
    const Wide d = floorDiv(moment, kDay);
    const auto r = static_cast<std::int64_t>(Wide(moment) - d * kDay);
    return Arithmetic::inBlock(Arithmetic::patternOf(*this, d, Arithmetic::exceptionsBefore(*this, d)), r);
}

std::int64_t CWorkingCalendar::between(std::int64_t from, std::int64_t to) const noexcept {
    if (m_continuous) return saturate(Wide(to) - from);
    return saturate(Arithmetic::worked(*this, to) - Arithmetic::worked(*this, from));
}

std::int64_t CWorkingCalendar::add(std::int64_t moment, std::int64_t work) const noexcept {
    if (moment == kNoMoment) return kNoMoment;
    // A negative work counts backwards rather than answering a moment before the start.
    if (work < 0) return work == std::numeric_limits<std::int64_t>::min() ? kNoMoment : subtract(moment, -work);
    if (work == 0) return moment;
    if (m_continuous) return toMoment(Wide(moment) + work);
    Wide answer = 0;
    if (!Arithmetic::earliestReaching(*this, Arithmetic::worked(*this, moment) + work, floorDiv(moment, kDay), answer))
        return kNoMoment;
    return toMoment(answer);
}

std::int64_t CWorkingCalendar::subtract(std::int64_t moment, std::int64_t work) const noexcept {
    if (moment == kNoMoment) return kNoMoment;
    if (work < 0) return work == std::numeric_limits<std::int64_t>::min() ? kNoMoment : add(moment, -work);
    if (work == 0) return moment;
    if (m_continuous) return toMoment(Wide(moment) - work);
    Wide answer = 0;
    if (!Arithmetic::latestWithin(*this, Arithmetic::worked(*this, moment) - work, floorDiv(moment, kDay), answer))
        return kNoMoment;
    return toMoment(answer);
}

std::int64_t CWorkingCalendar::nextWorkingStart(std::int64_t moment) const noexcept {
    if (moment == kNoMoment) return kNoMoment;
    if (m_continuous) return moment;
    // The end of the first worked millisecond at or after moment, less that millisecond.
    Wide answer = 0;
    if (!Arithmetic::earliestReaching(*this, Arithmetic::worked(*this, moment) + 1, floorDiv(moment, kDay), answer))
        return kNoMoment;
    return toMoment(answer - 1);
}

std::int64_t CWorkingCalendar::previousWorkingEnd(std::int64_t moment) const noexcept {
    if (moment == kNoMoment) return kNoMoment;
    if (m_continuous) return moment;
    // The start of the last worked millisecond before moment, plus that millisecond.
    Wide answer = 0;
    if (!Arithmetic::latestWithin(*this, Arithmetic::worked(*this, moment) - 1, floorDiv(moment, kDay), answer))
        return kNoMoment;
    return toMoment(answer + 1);
}
