// Working-time arithmetic: add and between over a day, a year and ten years of a site calendar
// (Monday to Friday 07:00-12:00 and 13:00-17:00, five years of holidays and worked Saturdays),
// CWorkingCalendar against a plain walk over the days that reads each day's blocks in turn. The
// walk's cost grows with the span; the working calendar's should not.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "LinkContainers.h"
#include "kelvara/schedule/CCalendar.h"
#include "kelvara/scheduling/WorkingCalendar.h"

namespace kelvara::bench {
namespace {

constexpr std::int64_t kHour = 3'600'000;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kFirstDay = 20819;   // 2027-01-01

CProjectTimeOfDaySpan hours(int from, int to) { return CProjectTimeOfDaySpan(CProjectTimeOfDay(from, 0), CProjectTimeOfDay(to, 0)); }

const CCalendar& siteCalendar() {
    static const CCalendar calendar = [] {
        CCalendar c;
        CCalendarDayType working(static_cast<const CCalendarDayType&>(*c.findCalendarDayType(ICalendar::workingDayTypeID())));
        CProjectTimeOfDaySpanArray blocks;
        blocks.Add(hours(7, 12));
        blocks.Add(hours(13, 17));
        working.setTimeOfDaySpanArray(blocks);
        (void)c.editCalendarDayType(working);
        // About ten holidays a year and a worked Saturday a month, for five years.
        for (std::int64_t day = kFirstDay; day < kFirstDay + 5 * 365; day += 37)
            (void)c.addCalendarException(CCalendarException(CProjectDate(day * kDay), ICalendar::nonWorkingDayTypeID()), -1);
        for (std::int64_t day = kFirstDay + 1; day < kFirstDay + 5 * 365; day += 28)
            (void)c.addCalendarException(CCalendarException(CProjectDate(day * kDay), ICalendar::workingDayTypeID()), -1);
        return c;
    }();
    return calendar;
}

struct Fast {
    static constexpr const char* kName = "CWorkingCalendar";
    const CWorkingCalendar work{siteCalendar()};
    std::int64_t add(std::int64_t t, std::int64_t w) const { return work.add(t, w); }
    std::int64_t between(std::int64_t a, std::int64_t b) const { return work.between(a, b); }
};

// One day at a time: the day's blocks (its exception's, else its week day's), read in order.
struct DayWalk {
    static constexpr const char* kName = "day walk";
    using Blocks = std::vector<std::pair<std::int64_t, std::int64_t>>;
    Blocks week[8];
    std::map<std::int64_t, Blocks> exceptions;

    static Blocks blocksOf(const ICalendar& c, const CCalendarDayTypeID& id) {
        Blocks blocks;
        const ICalendarDayTypeHandle type = c.findCalendarDayType(id);
        if (!type->isWorkingDay()) return blocks;
        const CProjectTimeOfDaySpanArray& spans = type->getTimeOfDaySpanArray();
        for (int i = 0; i < spans.GetSize(); ++i)
            blocks.emplace_back(spans[i].getStart().getMilliseconds(), spans[i].getEnd().getMilliseconds());
        return blocks;
    }
    DayWalk() {
        const CCalendar& c = siteCalendar();
        for (int d = 1; d <= 7; ++d) week[d] = blocksOf(c, c.getCalendarWeek().getDay(d));
        const CCalendarExceptionArray& list = c.getCalendarDayExceptions();
        for (int i = 0; i < list.GetSize(); ++i)
            exceptions[list[i].getDate().getValue() / kDay] = blocksOf(c, list[i].getCalendarDayTypeID());
    }
    const Blocks& day(std::int64_t d) const {
        const auto found = exceptions.find(d);
        return found != exceptions.end() ? found->second : week[CCalendarWeek::dayOfWeek(CProjectDate(d * kDay))];
    }
    std::int64_t add(std::int64_t t, std::int64_t w) const {
        for (std::int64_t d = t / kDay;; ++d)
            for (auto [from, to] : day(d)) {
                const std::int64_t start = std::max(d * kDay + from, t), end = d * kDay + to;
                if (end <= start) continue;
                if (end - start >= w) return start + w;
                w -= end - start;
            }
    }
    std::int64_t between(std::int64_t a, std::int64_t b) const {
        std::int64_t sum = 0;
        for (std::int64_t d = a / kDay; d <= b / kDay; ++d)
            for (auto [from, to] : day(d)) sum += std::max<std::int64_t>(0, std::min(d * kDay + to, b) - std::max(d * kDay + from, a));
        return sum;
    }
};

// Start moments spread over the first year, at any time of day.
const std::vector<std::int64_t>& starts() {
    static const std::vector<std::int64_t> moments = [] {
        std::vector<std::int64_t> m;
        for (std::int64_t i = 0; i < 997; ++i) m.push_back((kFirstDay + i * 131 % 365) * kDay + i * 7'919'000 % kDay);
        return m;
    }();
    return moments;
}

// Both sides answer alike on a sample of the starts, or the ratios mean nothing.
bool sidesAgree(std::int64_t work, std::int64_t span) {
    static const Fast fast;
    static const DayWalk walk;
    for (std::size_t i = 0; i < 50; ++i) {
        const std::int64_t t = starts()[i];
        if (fast.add(t, work) != walk.add(t, work) || fast.between(t, t + span) != walk.between(t, t + span)) return false;
    }
    return true;
}

std::int64_t workOf(std::int64_t days) { return days == 1 ? 8 * kHour : days * 5 / 7 * 8 * kHour; }

// range(0): the span in days (1, 365 or 3650); add is given the working time of that many days
// of the standard week (8 hours a working day).
template <class C>
void BM_Add(benchmark::State& state) {
    static const C c;
    const std::int64_t work = workOf(state.range(0));
    if (!sidesAgree(work, state.range(0) * kDay)) state.SkipWithError("the day walk answers otherwise");
    const auto& moments = starts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.add(moments[i], work));
        if (++i == moments.size()) i = 0;
    }
    state.SetLabel(C::kName);
}

template <class C>
void BM_Between(benchmark::State& state) {
    static const C c;
    const std::int64_t span = state.range(0) * kDay;
    if (!sidesAgree(workOf(state.range(0)), span)) state.SkipWithError("the day walk answers otherwise");
    const auto& moments = starts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.between(moments[i], moments[i] + span));
        if (++i == moments.size()) i = 0;
    }
    state.SetLabel(C::kName);
}

#define KELVARA_WORKTIME(BM, C) BENCHMARK_TEMPLATE(BM, C)->Arg(1)->Arg(365)->Arg(3650)->KELVARA_FASTEST
KELVARA_WORKTIME(BM_Add, Fast);
KELVARA_WORKTIME(BM_Add, DayWalk);
KELVARA_WORKTIME(BM_Between, Fast);
KELVARA_WORKTIME(BM_Between, DayWalk);

}  // namespace
}  // namespace kelvara::bench
