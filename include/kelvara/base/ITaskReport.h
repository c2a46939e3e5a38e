// A progress report on a task: when, for how long, of which kind, the risk it concerns, comments
// and the costs it reports.
#pragma once

#include "kelvara/base/ICost.h"
#include "kelvara/base/ScheduleEnumerations.h"

KELVARA_FORWARD(TaskReport)

#define KELVARA_TASK_REPORT_FIELDS(F)           \
    F(IDENTITY, CTaskReportID, ID)              \
    F(VALUE, CRiskID, RiskID)                   \
    F(VALUE, CProjectDate, Date)                \
    F(VALUE, CProjectDuration, Duration)        \
    F(VALUE, CTaskReportType, Type)             \
    F(VALUE, CProjectString, Comments)          \
    F(CHILDREN, CCostArray, Costs)

class ITaskReport : public CRecord<ITaskReport> {
    KELVARA_INTERFACE(TaskReport)
    KELVARA_RECORD(ITaskReport, "TaskReport", KELVARA_TASK_REPORT_FIELDS)

public:
    virtual ICostArrayHandle getCosts() const = 0;
    // Adds a copy: its position, or -1 when a cost with its identifier is present.
    virtual int addCost(const ICost& cost) = 0;
    // Copies cost onto the stored cost with its identifier; false when there is none.
    virtual bool changeCost(const ICost& cost) = 0;
    // Removes the cost when present.
    virtual void removeCost(const CCostID& id) = 0;
    virtual void removeAllCosts() = 0;

    // Defaults: a fresh identifier, no risk, date, duration or comments, a progress report
    // without costs.
    void initialize();
};

KELVARA_INTERFACE_ARRAY(TaskReport, CTaskReportID, false)
