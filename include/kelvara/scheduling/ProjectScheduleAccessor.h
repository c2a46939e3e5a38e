// The project accessor over a schedule: every question the baselines ask, answered from a
// CProjectSchedule. What each answer means (ARCHITECTURE.md, "The scheduling engine", lists them):
//   task accessor      planned dates: the plan (no progress); start, finish: the current schedule;
//                      durations: worked time between them in the task's calendar; progress and
//                      costs as CProjectSchedule computes them (Total asks as Planned); the
//                      estimated finish is the current finish.
//   calendar accessor  worked time in the named calendar (the fallback calendar for an unknown one).
//   critical path      early and late dates, total floats (start: upstream, finish: downstream),
//                      rank and criticality of the current schedule; its planned dates are the plan.
//   link accessor      the stored links; the effective delay is the elapsed time the current
//                      schedule added to the link's anchor.
//   float accessor     backward free float (upstream) and free float (downstream).
// Unknown identifiers answer unset values, null handles and the null identifier.
// REQUIRES: the schedule outlives the accessor. Thread safety: read-only; any number of threads.
#pragma once

#include "kelvara/base/IProjectAccessor.h"

class CProjectSchedule;

class CProjectScheduleAccessor final : public IProjectAccessor,
                                       public ITaskAccessor,
                                       public ICalendarAccessor,
                                       public ICriticalPathAccessor,
                                       public ILinkAccessor,
                                       public IFloatAccessor {
public:
    explicit CProjectScheduleAccessor(const CProjectSchedule& schedule) : m_schedule(schedule) {}

    const ITaskAccessor& getTaskAccessor() const override { return *this; }
    const ICalendarAccessor& getCalendarAccessor() const override { return *this; }
    const ICriticalPathAccessor& getCriticalPathAccessor() const override { return *this; }
    const ILinkAccessor& getLinkAccessor() const override { return *this; }
    const IFloatAccessor& getFloatAccessor() const override { return *this; }

    // ITaskAccessor
    ITaskHandle getTask(const CTaskID& task) const override;
    ITaskHandle getParentTask(const CTaskID& task) const override;
    CLinkIDArray getDownstreamLinkIDs(const CTaskID& task) const override;
    CProjectDouble getRemainingPhysicalVolume(const CTaskID& task) const override;
    CProjectDouble getActualPhysicalVolume(const CTaskID& task) const override;
    CProjectTime getPlannedStart(const CTaskID& task) const override;
    CProjectTime getPlannedFinish(const CTaskID& task) const override;
    CProjectDuration getPlannedDuration(const CTaskID& task) const override;
    CProjectTime getStart(const CTaskID& task) const override;
    CProjectTime getFinish(const CTaskID& task) const override;
    CProjectDuration getDuration(const CTaskID& task) const override;
    CProjectTime getActualStart(const CTaskID& task) const override;
    CProjectTime getActualFinish(const CTaskID& task) const override;
    CProjectTime getEstimatedFinish(const CTaskID& task) const override;
    CProjectDuration getActualDuration(const CTaskID& task) const override;
    CProjectDuration getRemainingDuration(const CTaskID& task) const override;
    CProjectDouble getPercentComplete(const CTaskID& task) const override;
    CTaskCostAmounts getTaskCosts(const CTaskID& task, const CCostTotalType& total) const override;
    CTaskCostAmounts getSummaryTaskCosts(const CTaskID& task, const CCostTotalType& total) const override;
    CProjectDouble getTaskRiskCost(const CTaskID& task, const CCostTotalType& total, bool mitigated) const override;
    CProjectDouble getSummaryTaskRiskCost(const CTaskID& task, const CCostTotalType& total,
                                          bool mitigated) const override;
    CProjectDouble getTaskTotalCost(const CTaskID& task, const CCostTotalType& total) const override;
    CProjectDouble getSummaryTaskTotalCost(const CTaskID& task, const CCostTotalType& total) const override;
    CProjectDouble getTaskReportCost(const CTaskID& task, const CCostTotalType& total,
                                     const CProjectTime& date) const override;
    CProjectDouble getSummaryTaskReportCost(const CTaskID& task, const CCostTotalType& total,
                                            const CProjectTime& date) const override;

    // ICalendarAccessor
    CProjectDuration getWorkingTime(const CCalendarID& calendar, const CProjectTime& from,
                                    const CProjectTime& to) const override;

    // ICriticalPathAccessor
    CProjectTime getEarlyStart(const CTaskID& task) const override;
    CProjectTime getEarlyFinish(const CTaskID& task) const override;
    CProjectTime getLateStart(const CTaskID& task) const override;
    CProjectTime getLateFinish(const CTaskID& task) const override;
    CProjectDuration getUpstreamTotalFloat(const CTaskID& task) const override;
    CProjectDuration getDownstreamTotalFloat(const CTaskID& task) const override;
    CProjectInt getScheduleRank(const CTaskID& task) const override;
    bool isCriticalByFloat(const CTaskID& task) const override;
    bool isOnLongestPath(const CTaskID& task) const override;
    bool isLinkCritical(const CLinkID& link) const override;
    CProjectTime getAnalysisPlannedStart(const CTaskID& task) const override;
    CProjectTime getAnalysisPlannedFinish(const CTaskID& task) const override;
    CProjectDuration getAnalysisPlannedDuration(const CTaskID& task) const override;

    // ILinkAccessor
    ILinkHandle getLink(const CLinkID& link) const override;
    CTaskID getSuccessorTaskID(const CLinkID& link) const override;
    CProjectDuration getEffectiveDelay(const ILink& link) const override;

    // IFloatAccessor
    CProjectDuration getUpstreamFloat(const CTaskID& task) const override;
    CProjectDuration getDownstreamFloat(const CTaskID& task) const override;

private:
    const CProjectSchedule& m_schedule;
};
