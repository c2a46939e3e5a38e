// One cost line of a task, a task report or a resource rate: what it is for, how much, and of
// which kind.
#pragma once

#include "kelvara/base/ScheduleEnumerations.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(Cost)

#define KELVARA_COST_FIELDS(F)                  \
    F(IDENTITY, CCostID, ID)                    \
    F(VALUE, CProjectString, Description)       \
    F(VALUE, CProjectDouble, Amount)            \
    F(VALUE, CCostType, Type)

class ICost : public CRecord<ICost> {
    KELVARA_INTERFACE(Cost)
    KELVARA_RECORD(ICost, "Cost", KELVARA_COST_FIELDS)

public:
    // Defaults: a fresh identifier, no description, an amount of 0 of type Other.
    void initialize();
};

KELVARA_INTERFACE_ARRAY(Cost, CCostID, false)
