// One cost line of a task, a task report or a resource rate: what it is for, how much, and of
// which kind.
#pragma once

#include "kelvara/base/ScheduleEnumerations.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_Cost(F) \
    F(IDENTITY, CCostID, ID, CCostID::generated(), 1)   \
    F(VALUE, CProjectString, Description, {}, 1)        \
    F(VALUE, CProjectDouble, Amount, 0.0, 1)            \
    F(VALUE, CCostType, Type, CCostType::Other, 1)

class ICost : public CRecord<ICost> {
    KELVARA_INTERFACE(Cost)
    KELVARA_RECORD(ICost, "Cost", KELVARA_FIELDS_Cost)

public:
};

