// Random content for the schedule's value types that the generic rules of Randomize.h miss.
#pragma once

#include "kelvara/base/CAssignedResourceParameters.h"
#include "kelvara/base/CRuleRate.h"
#include "kelvara/base/CTaskConstraint.h"
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
