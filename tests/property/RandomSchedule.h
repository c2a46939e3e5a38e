// Random content for the schedule's value types that the generic rules of Randomize.h miss.
#pragma once

#include "kelvara/base/CTaskConstraint.h"
#include "kelvara/base/CalendarValues.h"
#include "property/Randomize.h"

namespace kelvara::test {

template <>
struct Randomizer<CTaskConstraint> {
    static void apply(CTaskConstraint& v, Rng& rng) {
        CTaskConstraintType type;
        randomize(type, rng);
        CProjectTime early, late;
        randomize(early, rng);
        randomize(late, rng);
        v = CTaskConstraint(type, early, late);
    }
};

// Up to kMaxSpans blocks of random times, in no particular order (overlaps included).
template <>
struct Randomizer<CProjectTimeOfDaySpanArray> {
    static void apply(CProjectTimeOfDaySpanArray& v, Rng& rng) {
        v.RemoveAll();
        const int n = between(rng, 0, 4);
        for (int i = 0; i < n; ++i) {
            const auto t = drawInOrder<2>(rng, [](Rng& r) { return between(r, 0, CProjectTimeOfDay::kMillisecondsPerDay); });
            v.Add(CProjectTimeOfDaySpan(CProjectTimeOfDay::fromMilliseconds(t[0]), CProjectTimeOfDay::fromMilliseconds(t[1])));
        }
    }
};

template <>
struct Randomizer<CCalendarWeek> {
    static void apply(CCalendarWeek& v, Rng& rng) {
        for (int day = 1; day <= CCalendarWeek::kDays; ++day) {
            CCalendarDayTypeID id;
            randomize(id, rng);
            v.setDay(day, id);
        }
    }
};

// Up to four exceptions on distinct days.
template <>
struct Randomizer<CCalendarExceptionArray> {
    static void apply(CCalendarExceptionArray& v, Rng& rng) {
        v.RemoveAll();
        const int n = between(rng, 0, 4);
        for (int i = 0; i < n; ++i) {
            CCalendarDayTypeID id;
            randomize(id, rng);
            const std::int64_t day = between(rng, 0, 40000);
            (void)v.Add(CCalendarException(CProjectDate(day * CProjectTimeOfDay::kMillisecondsPerDay), id));
        }
    }
};

}  // namespace kelvara::test
