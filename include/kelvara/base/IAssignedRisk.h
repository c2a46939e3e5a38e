// A risk applied to a task: which risk, where it stands, how heavily it weighs, its value (a share
// of the task's duration or a fixed duration, as the value mode says), its own costs and the buffer
// task that absorbs it. The cost list exists only while it holds something.
#pragma once

#include "kelvara/base/ICost.h"
#include "kelvara/base/PeopleEnumerations.h"

#define KELVARA_FIELDS_AssignedRisk(F)                                              \
    F(IDENTITY, CAssignedRiskID, ID, CAssignedRiskID::generated(), 1)               \
    F(VALUE, CRiskID, RiskID, {}, 1)                                                \
    F(VALUE, CRiskStatus, Status, CRiskStatus::Identified, 1)                       \
    F(VALUE, CRiskWeight, Weight, CRiskWeight::Medium, 1)                           \
    F(PLAIN, CProjectDouble, ValuePercent, 0.0, 1)                                  \
    F(VALUE, CProjectDuration, ValueFixed, {}, 1)                                   \
    F(VALUE, CRiskValueMode, ValueMode, CRiskValueMode::Percent, 1)                 \
    F(LAZY, Cost, Costs, {}, 1)                                                     \
    F(VALUE, CTaskID, BufferID, {}, 1)

class IAssignedRisk : public CRecord<IAssignedRisk> {
    KELVARA_INTERFACE(AssignedRisk)
    KELVARA_RECORD(IAssignedRisk, "AssignedRisk", KELVARA_FIELDS_AssignedRisk)

public:
    // Starting values (the field list's defaults): a fresh identifier, no risk, Identified,
    // Medium, 0 percent, no fixed value, Percent, no costs, no buffer task; then risk and mode.
    using CRecord<IAssignedRisk>::initialize;
    void initialize(const CRiskID& risk, const CRiskValueMode& mode);

    // Stores a copy of cost; a cost with its identifier is replaced where it stands. Always true.
    virtual bool addCost(const ICost& cost) = 0;
    // False when there is no cost with that identifier. Removing the last releases the list.
    virtual bool removeCost(const CCostID& id) = 0;
    virtual void removeAllCosts() = 0;
};
