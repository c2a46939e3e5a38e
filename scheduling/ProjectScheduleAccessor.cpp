// Answers the accessor questions from a built schedule (see ProjectScheduleAccessor.h).
#include "kelvara/scheduling/ProjectScheduleAccessor.h"

#include "kelvara/AllKinds.h"
#include "kelvara/scheduling/ProjectSchedule.h"
#include "kelvara/scheduling/WorkingCalendar.h"

namespace {

CProjectTime timeOf(std::int64_t v) { return v == kUnset ? CProjectTime() : CProjectTime(v); }
CProjectDuration durationOf(std::int64_t v) { return v == kUnset ? CProjectDuration() : CProjectDuration(v); }

// Worked time between two results in the task's calendar; unset when either is.
CProjectDuration workedBetween(const CProjectSchedule& s, int i, std::int64_t from, std::int64_t to) {
    if (from == kUnset || to == kUnset) return CProjectDuration();
    return CProjectDuration(s.calendarOf(i).between(from, to));
}

double totalOf(const CTaskCostAmounts& a) {
    return a.equipment.getValue() + a.human.getValue() + a.location.getValue() + a.material.getValue();
}

}  // namespace

// Each question looks the task up once; an unknown one answers the neutral value.
#define KELVARA_WITH_TASK(id, neutral)        \
    const int i = m_schedule.findTask(id);    \
    if (i < 0) return neutral

ITaskHandle CProjectScheduleAccessor::getTask(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, ITaskHandle());
    return m_schedule.task(i).getHandle();
}
ITaskHandle CProjectScheduleAccessor::getParentTask(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, ITaskHandle());
    const int p = m_schedule.parent(i);
    return p < 0 ? ITaskHandle() : m_schedule.task(p).getHandle();
}
CLinkIDArray CProjectScheduleAccessor::getDownstreamLinkIDs(const CTaskID& task) const {
    CLinkIDArray ids;
    KELVARA_WITH_TASK(task, ids);
    for (int l : m_schedule.downstreamLinks(i)) ids.AddNoSort(m_schedule.link(l).getID());
    return ids;
}
CProjectDouble CProjectScheduleAccessor::getRemainingPhysicalVolume(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDouble());
    const ITask& t = m_schedule.task(i);
    if (t.getRemainingPhysicalVolume().isValid()) return t.getRemainingPhysicalVolume();
    if (!t.getPhysicalVolume().isValid()) return CProjectDouble();
    return CProjectDouble(t.getPhysicalVolume().getValue() * (1.0 - m_schedule.percentComplete(i) / 100.0));
}
CProjectDouble CProjectScheduleAccessor::getActualPhysicalVolume(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDouble());
    const ITask& t = m_schedule.task(i);
    if (t.getActualPhysicalVolume().isValid()) return t.getActualPhysicalVolume();
    if (!t.getPhysicalVolume().isValid()) return CProjectDouble();
    return CProjectDouble(t.getPhysicalVolume().getValue() * m_schedule.percentComplete(i) / 100.0);
}
CProjectTime CProjectScheduleAccessor::getPlannedStart(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return timeOf(m_schedule.planned(i).start);
}
CProjectTime CProjectScheduleAccessor::getPlannedFinish(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return timeOf(m_schedule.planned(i).finish);
}
CProjectDuration CProjectScheduleAccessor::getPlannedDuration(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDuration());
    return workedBetween(m_schedule, i, m_schedule.planned(i).start, m_schedule.planned(i).finish);
}
CProjectTime CProjectScheduleAccessor::getStart(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return timeOf(m_schedule.current(i).start);
}
CProjectTime CProjectScheduleAccessor::getFinish(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return timeOf(m_schedule.current(i).finish);
}
CProjectDuration CProjectScheduleAccessor::getDuration(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDuration());
    return workedBetween(m_schedule, i, m_schedule.current(i).start, m_schedule.current(i).finish);
}
CProjectTime CProjectScheduleAccessor::getActualStart(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return m_schedule.task(i).getActualStartTime();
}
CProjectTime CProjectScheduleAccessor::getActualFinish(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return m_schedule.task(i).getActualFinishTime();
}
CProjectTime CProjectScheduleAccessor::getEstimatedFinish(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return timeOf(m_schedule.current(i).finish);
}
CProjectDuration CProjectScheduleAccessor::getActualDuration(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDuration());
    return CProjectDuration(m_schedule.actualDuration(i));
}
CProjectDuration CProjectScheduleAccessor::getRemainingDuration(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDuration());
    return CProjectDuration(m_schedule.remainingDuration(i));
}
CProjectDouble CProjectScheduleAccessor::getPercentComplete(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDouble());
    return CProjectDouble(m_schedule.percentComplete(i));
}
CTaskCostAmounts CProjectScheduleAccessor::getTaskCosts(const CTaskID& task, const CCostTotalType& total) const {
    KELVARA_WITH_TASK(task, CTaskCostAmounts());
    return m_schedule.costs(i, total.getCurrentValue(), false);
}
CTaskCostAmounts CProjectScheduleAccessor::getSummaryTaskCosts(const CTaskID& task, const CCostTotalType& total) const {
    KELVARA_WITH_TASK(task, CTaskCostAmounts());
    return m_schedule.costs(i, total.getCurrentValue(), true);
}
CProjectDouble CProjectScheduleAccessor::getTaskRiskCost(const CTaskID& task, const CCostTotalType&, bool mitigated) const {
    KELVARA_WITH_TASK(task, CProjectDouble());
    return CProjectDouble(m_schedule.riskCost(i, mitigated, false));
}
CProjectDouble CProjectScheduleAccessor::getSummaryTaskRiskCost(const CTaskID& task, const CCostTotalType&,
                                                                bool mitigated) const {
    KELVARA_WITH_TASK(task, CProjectDouble());
    return CProjectDouble(m_schedule.riskCost(i, mitigated, true));
}
CProjectDouble CProjectScheduleAccessor::getTaskTotalCost(const CTaskID& task, const CCostTotalType& total) const {
    KELVARA_WITH_TASK(task, CProjectDouble());
    return CProjectDouble(totalOf(m_schedule.costs(i, total.getCurrentValue(), false)));
}
CProjectDouble CProjectScheduleAccessor::getSummaryTaskTotalCost(const CTaskID& task, const CCostTotalType& total) const {
    KELVARA_WITH_TASK(task, CProjectDouble());
    return CProjectDouble(totalOf(m_schedule.costs(i, total.getCurrentValue(), true)));
}
CProjectDouble CProjectScheduleAccessor::getTaskReportCost(const CTaskID& task, const CCostTotalType&,
                                                           const CProjectTime& date) const {
    KELVARA_WITH_TASK(task, CProjectDouble());
    return CProjectDouble(m_schedule.reportCost(i, date.isValid() ? date.getValue() : kUnset, false));
}
CProjectDouble CProjectScheduleAccessor::getSummaryTaskReportCost(const CTaskID& task, const CCostTotalType&,
                                                                  const CProjectTime& date) const {
    KELVARA_WITH_TASK(task, CProjectDouble());
    return CProjectDouble(m_schedule.reportCost(i, date.isValid() ? date.getValue() : kUnset, true));
}

CProjectDuration CProjectScheduleAccessor::getWorkingTime(const CCalendarID& calendar, const CProjectTime& from,
                                                          const CProjectTime& to) const {
    if (!from.isValid() || !to.isValid()) return CProjectDuration();
    return CProjectDuration(m_schedule.calendars().get(calendar).between(from.getValue(), to.getValue()));
}

CProjectTime CProjectScheduleAccessor::getEarlyStart(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return timeOf(m_schedule.current(i).earlyStart);
}
CProjectTime CProjectScheduleAccessor::getEarlyFinish(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return timeOf(m_schedule.current(i).earlyFinish);
}
CProjectTime CProjectScheduleAccessor::getLateStart(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return timeOf(m_schedule.current(i).lateStart);
}
CProjectTime CProjectScheduleAccessor::getLateFinish(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectTime());
    return timeOf(m_schedule.current(i).lateFinish);
}
CProjectDuration CProjectScheduleAccessor::getUpstreamTotalFloat(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDuration());
    return durationOf(m_schedule.current(i).startTotalFloat);
}
CProjectDuration CProjectScheduleAccessor::getDownstreamTotalFloat(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDuration());
    return durationOf(m_schedule.current(i).finishTotalFloat);
}
CProjectInt CProjectScheduleAccessor::getScheduleRank(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectInt());
    return CProjectInt(m_schedule.current(i).rank);
}
bool CProjectScheduleAccessor::isCriticalByFloat(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, false);
    return m_schedule.current(i).criticalByFloat;
}
bool CProjectScheduleAccessor::isOnLongestPath(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, false);
    return m_schedule.current(i).onLongestPath;
}
bool CProjectScheduleAccessor::isLinkCritical(const CLinkID& link) const {
    const int l = m_schedule.findLink(link);
    return l >= 0 && m_schedule.linkDates(l).critical;
}
CProjectTime CProjectScheduleAccessor::getAnalysisPlannedStart(const CTaskID& task) const { return getPlannedStart(task); }
CProjectTime CProjectScheduleAccessor::getAnalysisPlannedFinish(const CTaskID& task) const { return getPlannedFinish(task); }
CProjectDuration CProjectScheduleAccessor::getAnalysisPlannedDuration(const CTaskID& task) const {
    return getPlannedDuration(task);
}

ILinkHandle CProjectScheduleAccessor::getLink(const CLinkID& link) const {
    const int l = m_schedule.findLink(link);
    return l < 0 ? ILinkHandle() : m_schedule.link(l).getHandle();
}
CTaskID CProjectScheduleAccessor::getSuccessorTaskID(const CLinkID& link) const {
    const int l = m_schedule.findLink(link);
    return l < 0 ? CTaskID() : m_schedule.task(m_schedule.successorOf(l)).getID();
}
CProjectDuration CProjectScheduleAccessor::getEffectiveDelay(const ILink& link) const {
    const int l = m_schedule.findLink(link.getID());
    return l < 0 ? CProjectDuration() : durationOf(m_schedule.linkDates(l).effectiveDelay);
}

CProjectDuration CProjectScheduleAccessor::getUpstreamFloat(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDuration());
    return durationOf(m_schedule.current(i).backwardFreeFloat);
}
CProjectDuration CProjectScheduleAccessor::getDownstreamFloat(const CTaskID& task) const {
    KELVARA_WITH_TASK(task, CProjectDuration());
    return durationOf(m_schedule.current(i).freeFloat);
}
