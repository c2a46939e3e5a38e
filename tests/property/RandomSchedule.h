// Random content for the schedule's value types that the generic rules of Randomize.h miss.
#pragma once

#include "kelvara/base/CAssignedResourceParameters.h"
#include "kelvara/base/CRuleRate.h"
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

// Up to four values (times of baseline records).
template <class V>
struct Randomizer<CProjectValueArray<V>> {
    static void apply(CProjectValueArray<V>& v, Rng& rng) {
        v.RemoveAll();
        const int n = between(rng, 0, 4);
        for (int i = 0; i < n; ++i) {
            V item;
            randomize(item, rng);
            v.Add(item);
        }
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
// Up to three texts.
template <>
struct Randomizer<CProjectStringArray> {
    static void apply(CProjectStringArray& list, Rng& rng) {
        list.RemoveAll();
        const int n = between(rng, 0, 3);
        for (int i = 0; i < n; ++i) {
            CProjectString text;
            randomize(text, rng);
            list.Add(text);
        }
    }
};

template <>
struct Randomizer<CAssignedResourceParameters> {
    static void apply(CAssignedResourceParameters& v, Rng& rng) {
        CResourceID resource;
        CProjectDouble quantity, unitsPerDay;
        randomize(resource, rng);
        randomize(quantity, rng);
        randomize(unitsPerDay, rng);
        v = CAssignedResourceParameters(resource, quantity, unitsPerDay);
    }
};

template <>
struct Randomizer<CRuleRate> {
    static void apply(CRuleRate& v, Rng& rng) {
        CProjectDate date;
        CProjectDouble rate, cost;
        randomize(date, rng);
        randomize(rate, rng);
        randomize(cost, rng);
        v = CRuleRate(date, rate, cost);
    }
};

// Up to four elements; a drawn key already present is simply refused by the array.
template <class T, class Key>
struct Randomizer<IUniquePointerArray<T, Key>> {
    static void apply(IUniquePointerArray<T, Key>& list, Rng& rng) {
        list.RemoveAll();
        const int n = between(rng, 0, 4);
        for (int i = 0; i < n; ++i) {
            T element;
            randomize(element, rng);
            list.Add(element);
        }
    }
};
template <>
struct Randomizer<CRuleRateArray> : Randomizer<IUniquePointerArray<CRuleRate, CProjectDate>> {};
template <>
struct Randomizer<CAssignedResourceParametersArray>
    : Randomizer<IUniquePointerArray<CAssignedResourceParameters, CResourceID>> {};

}  // namespace kelvara::test
