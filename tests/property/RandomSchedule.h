// Random content for the schedule's value types that the generic rules of Randomize.h miss.
#pragma once

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

}  // namespace kelvara::test
