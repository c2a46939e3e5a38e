// What a schedule computed for a project, as the baselines read it. A project accessor hands out
// five sub-accessors, each answering about tasks and links by identifier:
//   ITaskAccessor          the tasks as scheduled: current and planned dates, progress, costs,
//                          parents and downstream links
//   ICalendarAccessor      working time in a calendar
//   ICriticalPathAccessor  the critical-path analysis: early and late dates, total floats, rank,
//                          criticality, and the planned dates the analysis started from
//   ILinkAccessor          links by identifier, their successors and their effective delays
//   IFloatAccessor         the floats of the last schedule run
// The scheduling engine implements them over a project document. Every answer is a value: an
// unset value (or a null handle, or the null identifier) means that the schedule does not know.
// Accessors are read-only and may be asked in any order, any number of times.
#pragma once

#include "kelvara/base/ScheduleEnumerations.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Values.h"

// Four amounts of one cost total, by what the cost is for.
struct CTaskCostAmounts {
    CProjectDouble equipment;
    CProjectDouble human;
    CProjectDouble location;
    CProjectDouble material;
};

class ITaskAccessor {
public:
    virtual ~ITaskAccessor() = default;

    // The task as the schedule holds it; a null handle for an unknown identifier.
    virtual ITaskHandle getTask(const CTaskID& task) const = 0;
    // The task directly above it; a null handle for a top-level task.
    virtual ITaskHandle getParentTask(const CTaskID& task) const = 0;
    // The links whose predecessor is the task (they are stored with their successors).
    virtual CLinkIDArray getDownstreamLinkIDs(const CTaskID& task) const = 0;

    virtual CProjectDouble getRemainingPhysicalVolume(const CTaskID& task) const = 0;
    virtual CProjectDouble getActualPhysicalVolume(const CTaskID& task) const = 0;

    // The dates the task was planned with, and the ones it is scheduled at now.
    virtual CProjectTime getPlannedStart(const CTaskID& task) const = 0;
    virtual CProjectTime getPlannedFinish(const CTaskID& task) const = 0;
    virtual CProjectDuration getPlannedDuration(const CTaskID& task) const = 0;
    virtual CProjectTime getStart(const CTaskID& task) const = 0;
    virtual CProjectTime getFinish(const CTaskID& task) const = 0;
    virtual CProjectDuration getDuration(const CTaskID& task) const = 0;

    // Progress.
    virtual CProjectTime getActualStart(const CTaskID& task) const = 0;
    virtual CProjectTime getActualFinish(const CTaskID& task) const = 0;
    virtual CProjectTime getEstimatedFinish(const CTaskID& task) const = 0;
    virtual CProjectDuration getActualDuration(const CTaskID& task) const = 0;
    virtual CProjectDuration getRemainingDuration(const CTaskID& task) const = 0;
    virtual CProjectDouble getPercentComplete(const CTaskID& task) const = 0;

    // Costs of one total (planned, actual, ...). The task variants count a task's own costs, the
    // summary variants everything under a summary task.
    virtual CTaskCostAmounts getTaskCosts(const CTaskID& task, const CCostTotalType& total) const = 0;
    virtual CTaskCostAmounts getSummaryTaskCosts(const CTaskID& task, const CCostTotalType& total) const = 0;
    virtual CProjectDouble getTaskRiskCost(const CTaskID& task, const CCostTotalType& total, bool mitigated) const = 0;
    virtual CProjectDouble getSummaryTaskRiskCost(const CTaskID& task, const CCostTotalType& total,
                                                  bool mitigated) const = 0;
    virtual CProjectDouble getTaskTotalCost(const CTaskID& task, const CCostTotalType& total) const = 0;
    virtual CProjectDouble getSummaryTaskTotalCost(const CTaskID& task, const CCostTotalType& total) const = 0;
    // The cost the task's reports give up to date (an unset date: all of them).
    virtual CProjectDouble getTaskReportCost(const CTaskID& task, const CCostTotalType& total,
                                             const CProjectTime& date) const = 0;
    virtual CProjectDouble getSummaryTaskReportCost(const CTaskID& task, const CCostTotalType& total,
                                                    const CProjectTime& date) const = 0;
};

class ICalendarAccessor {
public:
    virtual ~ICalendarAccessor() = default;
    // The working time between two moments in a calendar (negative when to is before from).
    virtual CProjectDuration getWorkingTime(const CCalendarID& calendar, const CProjectTime& from,
                                            const CProjectTime& to) const = 0;
};

class ICriticalPathAccessor {
public:
    virtual ~ICriticalPathAccessor() = default;
    virtual CProjectTime getEarlyStart(const CTaskID& task) const = 0;
    virtual CProjectTime getEarlyFinish(const CTaskID& task) const = 0;
    virtual CProjectTime getLateStart(const CTaskID& task) const = 0;
    virtual CProjectTime getLateFinish(const CTaskID& task) const = 0;
    virtual CProjectDuration getUpstreamTotalFloat(const CTaskID& task) const = 0;
    virtual CProjectDuration getDownstreamTotalFloat(const CTaskID& task) const = 0;
    virtual CProjectInt getScheduleRank(const CTaskID& task) const = 0;
    // The two criticality tests: by total float, and by lying on the longest path.
    virtual bool isCriticalByFloat(const CTaskID& task) const = 0;
    virtual bool isOnLongestPath(const CTaskID& task) const = 0;
    virtual bool isLinkCritical(const CLinkID& link) const = 0;
    // The planned dates the analysis was run from (named apart from the task accessor's, so that
    // one class may answer both).
    virtual CProjectTime getAnalysisPlannedStart(const CTaskID& task) const = 0;
    virtual CProjectTime getAnalysisPlannedFinish(const CTaskID& task) const = 0;
    virtual CProjectDuration getAnalysisPlannedDuration(const CTaskID& task) const = 0;
};

class ILinkAccessor {
public:
    virtual ~ILinkAccessor() = default;
    // The link as the schedule holds it; a null handle for an unknown identifier.
    virtual ILinkHandle getLink(const CLinkID& link) const = 0;
    // The task that holds the link (its successor); the null identifier for an unknown link.
    virtual CTaskID getSuccessorTaskID(const CLinkID& link) const = 0;
    // The link's delay as elapsed time, with calendar and percentage delays converted; unset when
    // the schedule has not counted it (the link's own duration delay is used then).
    virtual CProjectDuration getEffectiveDelay(const ILink& link) const = 0;
};

class IFloatAccessor {
public:
    virtual ~IFloatAccessor() = default;
    virtual CProjectDuration getUpstreamFloat(const CTaskID& task) const = 0;
    virtual CProjectDuration getDownstreamFloat(const CTaskID& task) const = 0;
};

class IProjectAccessor {
public:
    virtual ~IProjectAccessor() = default;
    virtual const ITaskAccessor& getTaskAccessor() const = 0;
    virtual const ICalendarAccessor& getCalendarAccessor() const = 0;
    virtual const ICriticalPathAccessor& getCriticalPathAccessor() const = 0;
    virtual const ILinkAccessor& getLinkAccessor() const = 0;
    virtual const IFloatAccessor& getFloatAccessor() const = 0;
};
