// A task's lists keep one rule in every operation: a lazy list exists exactly while it holds
// something, so each operation that may create one releases it again when it is left empty, refused
// insertions included. Answers report what was stored: a refused insertion never answers success.
#include "kelvara/schedule/CTask.h"

#include <cmath>

#include "kelvara/framework/IdentifierLists.h"
#include "kelvara/framework/LazyLists.h"
#include "kelvara/framework/Trees.h"
#include "kelvara/platform/System.h"

KELVARA_DEFINE_KIND(Task)

namespace {

using kelvara::detail::releaseListIfEmpty;

// Inserts item at index in list (-1 appends) and answers the element's position, or -1 when
// nothing was stored (an index outside 0..count, an identifier already present).
template <class Array, class Item>
int addOrInsert(Array& list, const Item& item, int index) {
    if (index == -1) return list.Add(item);
    const int before = list.GetSize();
    list.InsertAt(index, item);
    return list.GetSize() > before ? index : -1;
}

}  // namespace

CTask::~CTask() = default;

CTaskArray& CTask::allocateSubTasks() { return kelvara::detail::allocateList(m_SubTasks); }

void CTask::setManualPercentComplete(double v) {
    if (std::isnan(v) || v < 0.0) v = 0.0;
    if (v > 100.0) v = 100.0;
    m_ManualPercentComplete = v;
}

bool CTask::setRiskType(const CRiskType& type) {
    if (!canAssignRisks()) return false;
    m_RiskType = type;
    return true;
}

void CTask::setStatus(const CTaskStateID& state, const CTaskStatus& status) {
    m_TaskStateID = state;
    m_Status = status;
}

bool CTask::generateNewSupplyChainID() {
    m_SupplyChain.generateIDs();
    return true;
}

// ---- sub-tasks ----

void CTask::setSubTasks(const ITaskArrayHandle& tasks) {
    if (!canBecomeSummaryTask(true)) return;
    // Built aside and taken over whole: the list itself or a descendant's list is a safe source.
    getSubTasksList().copyFrom(tasks);
}

int CTask::addSubTask(const ITask& task) {
    const int position = allocateSubTasks().Add(task);
    releaseListIfEmpty(m_SubTasks);
    return position;
}

void CTask::insertSubTask(const ITask& task, int index) {
    if (!canBecomeSummaryTask(true) || index < 0) return;
    // Only an insertion that can happen creates the list: a task never counts as a summary task
    // without a sub-task.
    if (index > (m_SubTasks ? m_SubTasks->GetSize() : 0)) return;
    allocateSubTasks().InsertAt(index, task);
    releaseListIfEmpty(m_SubTasks);
}

bool CTask::removeSubTask(const CTaskID& id) {
    if (!m_SubTasks || !m_SubTasks->Remove(id)) return false;
    releaseListIfEmpty(m_SubTasks);
    return true;
}

void CTask::removeAllSubTasks() { m_SubTasks.reset(); }

bool CTask::changeSubTask(const ITask& task) {
    if (!m_SubTasks) return false;
    const int position = m_SubTasks->findByID(task.getID());
    if (position < 0) return false;
    CTask& target = m_SubTasks->getWritableReference(position);
    // A source inside the target's own tree would be destroyed half way through the copy (with
    // the target's old sub-tasks): copy it aside first.
    if (&target != &task && kelvara::detail::inSubtree<ITask>(target, &task, &ITask::getSubTasks)) {
        CTask source;
        source.copyFrom(task);
        target.copyFrom(source);
    } else {
        target.copyFrom(task);
    }
    return true;
}

bool CTask::changeSubTaskPosition(int from, int to) {
    if (!m_SubTasks) return false;
    const int count = m_SubTasks->GetSize();
    if (from < 0 || to < 0 || from >= count || to >= count) return false;
    if (from == to) return true;
    // The list's parameters are (target, source): the sub-task at `to` moves to `from`.
    return m_SubTasks->changePosition(from, to);
}

bool CTask::attachSubTask(ITaskWritableHandle task, int index) {
    auto* taken = dynamic_cast<CTask*>(task.get());
    if (!taken || kelvara::detail::inSubtree<ITask>(*taken, this, &ITask::getSubTasks)) return false;
    const int count = m_SubTasks ? m_SubTasks->GetSize() : 0;
    if (index < 0 || index > count) return false;
    if (m_SubTasks && m_SubTasks->findByID(taken->getID()) >= 0) return false;
    CTaskArray& list = allocateSubTasks();
    list.Attach(index, taken);
    if (list.GetSize() > count) return true;
    releaseListIfEmpty(m_SubTasks);
    return false;
}

ITaskWritableHandle CTask::detachSubTask(const CTaskID& id) {
    if (!m_SubTasks) return ITaskWritableHandle();
    ITask* task = m_SubTasks->Detach(id);
    releaseListIfEmpty(m_SubTasks);
    return task ? task->getWritableHandle() : ITaskWritableHandle();
}

// ---- upstream links ----

int CTask::addAssignedResource(const IAssignedResource& assignment, int index) {
    return addOrInsert(m_AssignedResources, assignment, index);
}

int CTask::addAssignedResourceGroup(const IAssignedResourceGroup& assignment, int index) {
    return addOrInsert(m_AssignedResourceGroups, assignment, index);
}

void CTask::addUpstreamLink(const ILink& link, int index) { (void)addOrInsert(m_UpstreamLinks, link, index); }

// ---- assigned risks ----

int CTask::addAssignedRisk(const IAssignedRisk& risk, int index) {
    int position = -1;
    (void)kelvara::detail::addToLazyList(m_AssignedRisks, risk, index, &position);
    return position;
}

bool CTask::changeAssignedRisk(const IAssignedRisk& risk) {
    return kelvara::detail::changeInLazyList(m_AssignedRisks, risk);
}

bool CTask::removeAssignedRisk(const CAssignedRiskID& id) {
    return kelvara::detail::removeFromLazyList(m_AssignedRisks, id);
}

// ---- costs ----

void CTask::addCost(const ICost& cost, int index) {
    if (m_SubTasks) return;
    (void)kelvara::detail::addToLazyList(m_Costs, cost, index);
}

void CTask::setCosts(const ICostArrayHandle& costs) {
    if (m_SubTasks) return;
    getCostsList().copyFrom(costs);
}

bool CTask::changeCost(const ICost& cost) { return kelvara::detail::changeInLazyList(m_Costs, cost); }

bool CTask::removeCost(const CCostID& id) { return kelvara::detail::removeFromLazyList(m_Costs, id); }

// ---- task reports ----

void CTask::addTaskReport(const ITaskReport& report, int index) {
    (void)kelvara::detail::addToLazyList(m_TaskReports, report, index);
}

bool CTask::changeTaskReport(const ITaskReport& report) {
    return kelvara::detail::changeInLazyList(m_TaskReports, report);
}

void CTask::removeTaskReport(const CTaskReportID& id) {
    (void)kelvara::detail::removeFromLazyList(m_TaskReports, id);
}

// ---- identifier lists ----

int CTask::insertCodeValue(const CCodeValueID& id, int index) {
    return kelvara::detail::insertIdentifier(m_AssignedCodeValues, id, index);
}

bool CTask::removeCodeValue(const CCodeValueID& id) { return m_AssignedCodeValues.Remove(id); }

int CTask::addDocumentFileID(const CDocumentFileID& id, int index) {
    return kelvara::detail::placeIdentifier(m_DocumentFileIDs, id, index);
}

bool CTask::removeDocumentFileID(const CDocumentFileID& id) { return m_DocumentFileIDs.Remove(id); }

// ---- user field values and notes ----

bool CTask::addUserFieldValue(const IUserFieldValue& value, int index) {
    return kelvara::detail::addToLazyList(m_UserFieldValues, value, index) != nullptr;
}

bool CTask::changeUserFieldValue(const IUserFieldValue& value) {
    return kelvara::detail::changeInLazyList(m_UserFieldValues, value);
}

bool CTask::removeUserFieldValue(const CUserFieldID& field) {
    return kelvara::detail::removeFromLazyList(m_UserFieldValues, field);
}

INoteHandle CTask::addNote(const INote& note, int index) {
    CNote* added = kelvara::detail::addToLazyList(m_Notes, note, index);
    return added ? added->getHandle() : INoteHandle();
}

bool CTask::changeNote(const INote& note) { return kelvara::detail::changeInLazyList(m_Notes, note); }

bool CTask::removeNote(const CNoteID& id) { return kelvara::detail::removeFromLazyList(m_Notes, id); }

void CTask::setComments(const CString& text) {
    if (text.IsEmpty()) return;
    CNote note;
    note.generateIDs();
    note.setText(text);
    const CProjectTime now(currentTimeMilliseconds());
    note.setCreatedTimestamp(now);
    note.setUpdatedTimestamp(now);
    note.setCreatedUserID(commentUserID());
    note.setUpdatedUserID(commentUserID());
    (void)addNote(note, -1);
}
