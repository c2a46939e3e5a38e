// One task as a baseline recorded it: its description as it was, the dates, floats, durations,
// progress and costs the schedule gave it at that moment, and its upstream links restricted to
// predecessors recorded in the same baseline, each with its delay end point (entry i of
// getUpstreamLinksDelaysEndpoints belongs to link i) and whether it was critical.
//
// The record is keyed by its task's identifier. That identifier, the parent and the links are
// references to the live schedule, so renewing identifiers leaves a record unchanged.
#pragma once

#include "kelvara/base/CTaskConstraint.h"
#include "kelvara/base/ResourceEnumerations.h"
#include "kelvara/base/ILink.h"
#include "kelvara/base/IProjectAccessor.h"
#include "kelvara/base/ScheduleEnumerations.h"

class IProjectBaseline;

#define KELVARA_FIELDS_TaskBaselineData(F)                                          \
    F(VALUE, CTaskID, ID, {}, 1)                                                    \
    F(VALUE, CCalendarID, DominantCalendarID, {}, 1)                                \
    F(READONLY, CTaskConstraint, Constraint, {}, 1)                                 \
    F(READONLY, CProjectString, Name, {}, 1)                                        \
    F(READONLY, CProjectString, TaskCode, {}, 1)                                    \
    F(READONLY, CProjectString, Comments, {}, 1)                                    \
    F(READONLY, CProjectString, URL, {}, 1)                                         \
    F(READONLY, CProjectDouble, PhysicalVolume, {}, 1)                              \
    F(READONLY, CProjectDouble, RemainingPhysicalVolume, {}, 1)                     \
    F(READONLY, CProjectDouble, ActualPhysicalVolume, {}, 1)                        \
    F(READONLY, CDurationType, DurationType, CDurationType::FixedDuration, 1)       \
    F(READONLY, CResourceUnitType, PhysicalVolumeUnit, CResourceUnitType::Unit, 1)  \
    F(READONLY, CTaskType, Type, CTaskType::Work, 1)                                \
    F(READONLY, CProgressType, ProgressType, CProgressType::Duration, 1)            \
    F(READONLY, CTaskStatus, Status, CTaskStatus::NotStarted, 1)                    \
    F(VALUE, CTaskID, ParentID, {}, 1)                                              \
    F(READONLY, CProjectBool, Summary, false, 1)                                    \
    F(READONLY, CProjectDuration, UpstreamFloat, {}, 1)                             \
    F(READONLY, CProjectDuration, DownstreamFloat, {}, 1)                           \
    F(READONLY, CProjectTime, EarlyStart, {}, 1)                                    \
    F(READONLY, CProjectTime, EarlyFinish, {}, 1)                                   \
    F(READONLY, CProjectTime, LateStart, {}, 1)                                     \
    F(READONLY, CProjectTime, LateFinish, {}, 1)                                    \
    F(READONLY, CProjectDuration, UpstreamTotalFloat, {}, 1)                        \
    F(READONLY, CProjectDuration, DownstreamTotalFloat, {}, 1)                      \
    F(READONLY, CProjectInt, ScheduleRank, {}, 1)                                   \
    F(READONLY, CProjectBool, OnCriticalPath, false, 1)                             \
    F(CHILDREN, Link, UpstreamLinks, {}, 1)                                         \
    F(READONLY, CProjectTimeArray, UpstreamLinksDelaysEndpoints, {}, 1)             \
    F(READONLY, CLinkIDArray, CriticalUpstreamLinks, {}, 1)                         \
    F(READONLY, CProjectTime, StartTime, {}, 1)                                     \
    F(READONLY, CProjectTime, FinishTime, {}, 1)                                    \
    F(READONLY, CProjectTime, PlannedStartTime, {}, 1)                              \
    F(READONLY, CProjectTime, PlannedFinishTime, {}, 1)                             \
    F(READONLY, CProjectTime, ActualStartTime, {}, 1)                               \
    F(READONLY, CProjectTime, EstimatedFinishTime, {}, 1)                           \
    F(READONLY, CProjectTime, ActualFinishTime, {}, 1)                              \
    F(READONLY, CProjectTime, ExpectedFinishTime, {}, 1)                            \
    F(READONLY, CProjectDuration, PlannedDuration, {}, 1)                           \
    F(READONLY, CProjectDuration, ActualDuration, {}, 1)                            \
    F(READONLY, CProjectDuration, Duration, {}, 1)                                  \
    F(READONLY, CProjectDuration, MinimalDuration, {}, 1)                           \
    F(READONLY, CProjectDuration, MaximalDuration, {}, 1)                           \
    F(READONLY, CProjectDuration, TaskRemainingDuration, {}, 1)                     \
    F(READONLY, CProjectDuration, MinimalRemainingDuration, {}, 1)                  \
    F(READONLY, CProjectDuration, MaximalRemainingDuration, {}, 1)                  \
    F(READONLY, CProjectDouble, PercentComplete, {}, 1)                             \
    F(READONLY, CProjectDouble, EquipmentCost, {}, 1)                               \
    F(READONLY, CProjectDouble, HumanCost, {}, 1)                                   \
    F(READONLY, CProjectDouble, LocationCost, {}, 1)                                \
    F(READONLY, CProjectDouble, MaterialCost, {}, 1)                                \
    F(READONLY, CProjectDouble, MitigatedRiskCost, {}, 1)                           \
    F(READONLY, CProjectDouble, UnmitigatedRiskCost, {}, 1)                         \
    F(READONLY, CProjectDouble, TaskCost, {}, 1)                                    \
    F(READONLY, CProjectDouble, ActualEquipmentCost, {}, 1)                         \
    F(READONLY, CProjectDouble, ActualHumanCost, {}, 1)                             \
    F(READONLY, CProjectDouble, ActualLocationCost, {}, 1)                          \
    F(READONLY, CProjectDouble, ActualMaterialCost, {}, 1)                          \
    F(READONLY, CProjectDouble, ReportCost, {}, 1)

class ITaskBaselineData : public CRecord<ITaskBaselineData> {
    KELVARA_INTERFACE(TaskBaselineData)
    KELVARA_RECORD(ITaskBaselineData, "TaskBaselineData", KELVARA_FIELDS_TaskBaselineData)

public:
    const CProjectBool& isSummary() const { return getSummary(); }
    const CProjectBool& isOnCriticalPath() const { return getOnCriticalPath(); }

    // Records task as the accessor's schedule has it now (see CTaskBaselineData). With a null
    // accessor nothing changes. withCriticalPath takes the dates of the critical-path analysis.
    virtual void storeBaselineData(IProjectBaseline& baseline, const ITask& task, const IProjectAccessor* accessor,
                                   bool withCriticalPath) = 0;
    // Removes every upstream link from the task upstreamTask, with its delay end point and its
    // critical mark.
    virtual void removeLinks(const CTaskID& upstreamTask) = 0;
    // Adds a copy of link with its delay end point and critical mark, when the accessor knows its
    // predecessor and the record does not hold the link yet.
    virtual void addUpstreamLink(const ILink& link, const IProjectAccessor& accessor, bool withCriticalPath) = 0;

    // Where a link's delay ends, from its predecessor's start and finish: the finish for a
    // finish-to-start or finish-to-finish link, the start for the other two, plus the link
    // accessor's effective delay (the link's own delay when the accessor has none and the delay
    // is a duration; none for a percentage it has not converted). Unset when that start or finish
    // is unset. Elapsed time: the scheduling engine will count it in the delay's calendar.
    [[nodiscard]] static CProjectTime getLinksDelaysEndpoint(const ILink& link, const CProjectTime& start,
                                                             const CProjectTime& finish, const ILinkAccessor& links);
    // The task's upstream and downstream float from the critical-path dates: late start minus
    // early start, and late finish minus early finish; unset where a date is unset. Elapsed time:
    // the scheduling engine will count it in working time of the task's calendar.
    static void getFreeTaskFloat(const ITaskAccessor& tasks, const ICalendarAccessor& calendars,
                                 const ICriticalPathAccessor& criticalPath, const ITask& task,
                                 CProjectDuration& upstream, CProjectDuration& downstream);

    // The record's identifier and its links refer to the live schedule: nothing to renew.
    void generateIDs() {}
};
