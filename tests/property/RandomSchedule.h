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

}  // namespace kelvara::test
