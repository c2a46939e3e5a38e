// A progress report on a task: when, for how long, of which kind, the risk it concerns, comments
// and the costs it reports.
#pragma once

#include "kelvara/base/ICost.h"
#include "kelvara/base/ScheduleEnumerations.h"


#define KELVARA_FIELDS_TaskReport(F) \
    F(IDENTITY, CTaskReportID, ID, CTaskReportID::generated(), 1)    \
    F(VALUE, CRiskID, RiskID, {}, 1)                                 \
    F(VALUE, CProjectDate, Date, {}, 1)                              \
    F(VALUE, CProjectDuration, Duration, {}, 1)                      \
    F(VALUE, CTaskReportType, Type, CTaskReportType::Progress, 1)    \
    F(VALUE, CProjectString, Comments, {}, 1)                        \
    F(CHILDREN, Cost, Costs, {}, 1)

class ITaskReport : public CRecord<ITaskReport> {
    KELVARA_INTERFACE(TaskReport)
    KELVARA_RECORD(ITaskReport, "TaskReport", KELVARA_FIELDS_TaskReport)

public:
    // Adds a copy: its position, or -1 when a cost with its identifier is present.
    virtual int addCost(const ICost& cost) = 0;
    // Copies cost onto the stored cost with its identifier; false when there is none.
    virtual bool changeCost(const ICost& cost) = 0;
    // Removes the cost when present.
    virtual void removeCost(const CCostID& id) = 0;
    virtual void removeAllCosts() = 0;

};

