// A baseline's records, keyed by task. Recording goes through the record's storeBaselineData,
// which also keeps the other records' links to the task current.
#include "kelvara/schedule/CProjectBaseline.h"

KELVARA_DEFINE_KIND(ProjectBaseline)

void CProjectBaseline::baselineTask(const ITask& task, const IProjectAccessor* accessor, bool withCriticalPath) {
    // Without an accessor there is nothing to record: a record would be blank and under no task.
    if (!accessor || !task.canBaseline()) return;
    const int position = m_BaselinedTasks.findByID(task.getID());
    if (position >= 0) {
        m_BaselinedTasks.getWritableReference(position).storeBaselineData(*this, task, accessor, withCriticalPath);
        return;
    }
    CTaskBaselineData record;
    record.storeBaselineData(*this, task, accessor, withCriticalPath);
    m_BaselinedTasks.Add(record);
}

void CProjectBaseline::unBaselineTask(const ITask& task) {
    const CTaskID id = task.getID();
    const int position = m_BaselinedTasks.findByID(id);
    if (position < 0) return;
    m_BaselinedTasks.RemoveAt(position);
    for (int i = 0; i < m_BaselinedTasks.GetSize(); ++i) m_BaselinedTasks.getWritableReference(i).removeLinks(id);
}

bool CProjectBaseline::removeTaskFromProjectBaseline(const CTaskID& task) { return m_BaselinedTasks.Remove(task); }

bool CProjectBaseline::insertTaskIntoProjectBaseline(const ITaskBaselineData& record, int index) {
    const int count = m_BaselinedTasks.GetSize();
    if (index < 0 || index > count || m_BaselinedTasks.findByID(record.getID()) >= 0) return false;
    m_BaselinedTasks.InsertAt(index, record);
    return m_BaselinedTasks.GetSize() > count;
}
