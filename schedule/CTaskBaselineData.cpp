// Recording a task in a baseline. The record's three link lists run in step: entry i of the delay
// end points belongs to link i, and a link is critical exactly when its identifier is listed. Every
// operation here keeps that: a link is recorded whole or not at all, and removed whole.
#include "kelvara/schedule/CTaskBaselineData.h"

KELVARA_DEFINE_KIND(TaskBaselineData)

void CTaskBaselineData::storeBaselineData(IProjectBaseline& baseline, const ITask& task,
                                          const IProjectAccessor* accessor, bool withCriticalPath) {
    if (!accessor) return;
    const ITaskAccessor& tasks = accessor->getTaskAccessor();
    const ICriticalPathAccessor& critical = accessor->getCriticalPathAccessor();
    const CTaskID id = task.getID();

    // Identity and description, as the task holds them.
    m_ID = id;
    m_DominantCalendarID = task.getDominantCalendarID();
    m_Constraint = task.getConstraint();
    m_Name = task.getName();
    m_TaskCode = task.getTaskCode();
    m_Comments = CProjectString(task.getComments());
    m_URL = task.getURL();
    m_PhysicalVolume = task.getPhysicalVolume();
    m_DurationType = task.getDurationType();
    m_PhysicalVolumeUnit = task.getPhysicalVolumeUnit();
    m_Type = task.getTaskType();
    m_ProgressType = task.getProgressType();
    m_Status = task.getStatus();

    // Volumes and parent as the schedule has them.
    m_RemainingPhysicalVolume = tasks.getRemainingPhysicalVolume(id);
    m_ActualPhysicalVolume = tasks.getActualPhysicalVolume(id);
    const ITaskHandle parent = tasks.getParentTask(id);
    m_ParentID = parent.isNull() ? CTaskID::getNullID() : parent->getID();
    const bool summary = task.countSubTasks(false) > 0;
    m_Summary = summary;

    if (withCriticalPath) {
        getFreeTaskFloat(tasks, accessor->getCalendarAccessor(), critical, task, m_UpstreamFloat, m_DownstreamFloat);
    } else {
        m_UpstreamFloat = accessor->getFloatAccessor().getUpstreamFloat(id);
        m_DownstreamFloat = accessor->getFloatAccessor().getDownstreamFloat(id);
    }

    m_EarlyStart = critical.getEarlyStart(id);
    m_EarlyFinish = critical.getEarlyFinish(id);
    m_LateStart = critical.getLateStart(id);
    m_LateFinish = critical.getLateFinish(id);
    m_UpstreamTotalFloat = critical.getUpstreamTotalFloat(id);
    m_DownstreamTotalFloat = critical.getDownstreamTotalFloat(id);
    m_ScheduleRank = critical.getScheduleRank(id);
    m_OnCriticalPath = critical.isCriticalByFloat(id) || critical.isOnLongestPath(id);

    // The stored status is read by its value: 1 is InProgress, 2 is Complete.
    const int status = task.getStatus().getCurrentValue();
    if (withCriticalPath) {
        m_PlannedStartTime = critical.getAnalysisPlannedStart(id);
        m_PlannedFinishTime = critical.getAnalysisPlannedFinish(id);
        m_PlannedDuration = critical.getAnalysisPlannedDuration(id);
        m_MinimalDuration.unset();
        m_MaximalDuration.unset();
        m_MinimalRemainingDuration.unset();
        m_MaximalRemainingDuration.unset();
    } else {
        m_PlannedStartTime = tasks.getPlannedStart(id);
        m_PlannedFinishTime = tasks.getPlannedFinish(id);
        m_PlannedDuration = tasks.getPlannedDuration(id);
        m_MinimalDuration = task.getMinimalDuration();
        m_MaximalDuration = task.getMaximalDuration();
        m_MinimalRemainingDuration = task.getMinimalRemainingDuration();
        m_MaximalRemainingDuration = task.getMaximalRemainingDuration();
    }
    // With the analysis, a task under way keeps the dates it was planned with.
    if (withCriticalPath && status == CTaskStatus::InProgress) {
        m_StartTime = m_PlannedStartTime;
        m_FinishTime = m_PlannedFinishTime;
        m_Duration = m_PlannedDuration;
    } else {
        m_StartTime = tasks.getStart(id);
        m_FinishTime = tasks.getFinish(id);
        m_Duration = tasks.getDuration(id);
    }

    m_ActualStartTime = tasks.getActualStart(id);
    m_EstimatedFinishTime = status == CTaskStatus::Complete ? tasks.getEstimatedFinish(id) : CProjectTime();
    m_ActualFinishTime = tasks.getActualFinish(id);
    m_ActualDuration = tasks.getActualDuration(id);
    m_TaskRemainingDuration = tasks.getRemainingDuration(id);
    m_PercentComplete = tasks.getPercentComplete(id);
    m_ExpectedFinishTime = task.getExpectedFinishTime();

    // Costs: planned (with the risk costs and the task cost), then actual (with the report cost,
    // over every report).
    const CCostTotalType planned(CCostTotalType::Planned), actual(CCostTotalType::Actual);
    const CTaskCostAmounts plannedCosts = summary ? tasks.getSummaryTaskCosts(id, planned) : tasks.getTaskCosts(id, planned);
    m_EquipmentCost = plannedCosts.equipment;
    m_HumanCost = plannedCosts.human;
    m_LocationCost = plannedCosts.location;
    m_MaterialCost = plannedCosts.material;
    m_MitigatedRiskCost = summary ? tasks.getSummaryTaskRiskCost(id, planned, true) : tasks.getTaskRiskCost(id, planned, true);
    m_UnmitigatedRiskCost =
        summary ? tasks.getSummaryTaskRiskCost(id, planned, false) : tasks.getTaskRiskCost(id, planned, false);
    m_TaskCost = summary ? tasks.getSummaryTaskTotalCost(id, planned) : tasks.getTaskTotalCost(id, planned);
    const CTaskCostAmounts actualCosts = summary ? tasks.getSummaryTaskCosts(id, actual) : tasks.getTaskCosts(id, actual);
    m_ActualEquipmentCost = actualCosts.equipment;
    m_ActualHumanCost = actualCosts.human;
    m_ActualLocationCost = actualCosts.location;
    m_ActualMaterialCost = actualCosts.material;
    m_ReportCost = summary ? tasks.getSummaryTaskReportCost(id, actual, CProjectTime())
                           : tasks.getTaskReportCost(id, actual, CProjectTime());

    // Links: this record's own upstream links are rebuilt, and every record forgets its links from
    // this task before the successors' links are recorded again.
    removeAllLinks();
    const ITaskBaselineDataArrayHandle records = baseline.getBaselinedTasks();
    for (int i = 0; i < records.GetSize(); ++i) records.getWritableReference(i)->removeLinks(id);

    // Upstream: links from predecessors that the baseline holds. A predecessor the schedule does
    // not know is passed over; the other links are still recorded.
    const ILinkArrayHandle upstream = task.getUpstreamLinks();
    for (int i = 0; i < upstream.GetSize(); ++i) {
        const ILinkHandle link = upstream[i];
        const CTaskID& predecessor = link->getUpstreamTaskID();
        if (records.findByID(predecessor) < 0) continue;
        if (tasks.getTask(predecessor).isNull()) continue;
        (void)recordLink(*link, predecessor, *accessor, withCriticalPath);
    }

    // Downstream: the links of baselined successors that come from this task.
    const ILinkAccessor& links = accessor->getLinkAccessor();
    const CLinkIDArray downstream = tasks.getDownstreamLinkIDs(id);
    for (int i = 0; i < downstream.GetSize(); ++i) {
        const CLinkID& linkID = downstream.getConstReference(i);
        const CTaskID successor = links.getSuccessorTaskID(linkID);
        const int position = records.findByID(successor);
        if (position < 0 || successor == id) continue;
        const ITaskBaselineDataWritableHandle record = records.getWritableReference(position);
        if (record.get() == this || record->getUpstreamLinks().findByID(linkID) >= 0) continue;
        const ILinkHandle link = links.getLink(linkID);
        if (!link.isNull()) record->addUpstreamLink(*link, *accessor, false);
    }
}

void CTaskBaselineData::removeLinks(const CTaskID& upstreamTask) {
    for (int i = m_UpstreamLinks.GetSize() - 1; i >= 0; --i) {
        const CLink& link = m_UpstreamLinks.getConstReference(i);
        if (link.getUpstreamTaskID() != upstreamTask) continue;
        const CLinkID id = link.getID();
        m_UpstreamLinks.RemoveAt(i);
        m_UpstreamLinksDelaysEndpoints.RemoveAt(i);
        (void)m_CriticalUpstreamLinks.Remove(id);
    }
}

void CTaskBaselineData::addUpstreamLink(const ILink& link, const IProjectAccessor& accessor, bool withCriticalPath) {
    const CTaskID predecessor = link.getUpstreamTaskID();
    if (accessor.getTaskAccessor().getTask(predecessor).isNull()) return;
    (void)recordLink(link, predecessor, accessor, withCriticalPath);
}

void CTaskBaselineData::removeAllLinks() {
    m_UpstreamLinks.RemoveAll();
    m_UpstreamLinksDelaysEndpoints.RemoveAll();
    m_CriticalUpstreamLinks.RemoveAll();
}

bool CTaskBaselineData::recordLink(const ILink& link, const CTaskID& predecessor, const IProjectAccessor& accessor,
                                   bool withCriticalPath) {
    // A link already held is refused whole, so the end points stay parallel to the links.
    if (m_UpstreamLinks.findByID(link.getID()) >= 0) return false;
    const ICriticalPathAccessor& critical = accessor.getCriticalPathAccessor();
    const CProjectTime start =
        withCriticalPath ? critical.getAnalysisPlannedStart(predecessor) : accessor.getTaskAccessor().getStart(predecessor);
    const CProjectTime finish =
        withCriticalPath ? critical.getAnalysisPlannedFinish(predecessor) : accessor.getTaskAccessor().getFinish(predecessor);
    const CLinkID id = link.getID();
    const CProjectTime endpoint = getLinksDelaysEndpoint(link, start, finish, accessor.getLinkAccessor());
    const bool isCritical = critical.isLinkCritical(id);
    if (m_UpstreamLinks.Add(link) < 0) return false;
    m_UpstreamLinksDelaysEndpoints.Add(endpoint);
    if (isCritical) m_CriticalUpstreamLinks.Add(id);
    return true;
}
