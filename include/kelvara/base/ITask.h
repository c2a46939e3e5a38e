// One activity of the schedule: its identity and description, its planned, actual and forecast
// times and durations, its volume, its classification, and the lists that hang off it (upstream
// links, resource assignments, code values, user field values, costs, task reports, assigned
// risks, notes, documents and sub-tasks). A task with sub-tasks is a summary task.
//
// Six lists exist only while they hold something (user field values, sub-tasks, costs, assigned
// risks, task reports, notes): their getters answer a null handle while there is none, and every
// operation that empties one releases it. The task keeps that rule in all its own operations,
// including refused ones: no operation leaves an empty list behind.
//
// The operations written here, over the accessors, are the base library's: the counts, the
// comments, the permission tests and the identifier renewal of a whole task tree.
#pragma once

#include "kelvara/base/CTaskConstraint.h"
#include "kelvara/base/ResourceEnumerations.h"
#include "kelvara/base/IAssignedResource.h"
#include "kelvara/base/IAssignedResourceGroup.h"
#include "kelvara/base/IAssignedRisk.h"
#include "kelvara/base/ICost.h"
#include "kelvara/base/ILink.h"
#include "kelvara/base/INote.h"
#include "kelvara/base/ISupplyChain.h"
#include "kelvara/base/ITaskReport.h"
#include "kelvara/base/IUserFieldValue.h"
#include "kelvara/base/ScheduleEnumerations.h"

#define KELVARA_FIELDS_Task(F)                                                      \
    F(EMBEDDED, SupplyChain, SupplyChain, {}, 1)                                    \
    F(CHILDREN, AssignedResource, AssignedResources, {}, 1)                         \
    F(CHILDREN, AssignedResourceGroup, AssignedResourceGroups, {}, 1)               \
    F(CHILDREN, Link, UpstreamLinks, {}, 1)                                         \
    F(VALUE, CCodeValueIDArray, AssignedCodeValues, {}, 1)                          \
    F(READONLY, CDocumentFileIDArray, DocumentFileIDs, {}, 1)                       \
    F(VALUE, CTaskConstraint, Constraint, {}, 1)                                    \
    F(IDENTITY, CTaskID, ID, CTaskID::generated(), 1)                               \
    F(VALUE, CCalendarID, DominantCalendarID, {}, 1)                                \
    F(VALUE, CTaskCategoryID, CategoryID, {}, 1)                                    \
    F(READONLY, CTaskStateID, TaskStateID, {}, 1)                                   \
    F(TEXT, CProjectString, Name, {}, 1)                                            \
    F(TEXT, CProjectString, TaskCode, {}, 1)                                        \
    F(TEXT, CProjectString, URL, {}, 1)                                             \
    F(VALUE, CProjectTime, PlannedStartTime, {}, 1)                                 \
    F(VALUE, CProjectTime, ActualStartTime, {}, 1)                                  \
    F(VALUE, CProjectTime, PlannedFinishTimeForStartedTask, {}, 1)                  \
    F(VALUE, CProjectTime, PredictedFinishTime, {}, 1)                              \
    F(VALUE, CProjectTime, ActualFinishTime, {}, 1)                                 \
    F(VALUE, CProjectTime, ExpectedFinishTime, {}, 1)                               \
    F(VALUE, CProjectDuration, MinimalDuration, {}, 1)                              \
    F(VALUE, CProjectDuration, MaximalDuration, {}, 1)                              \
    F(VALUE, CProjectDuration, TaskDuration, {}, 1)                                 \
    F(VALUE, CProjectDuration, MinimalRemainingDuration, {}, 1)                     \
    F(VALUE, CProjectDuration, MaximalRemainingDuration, {}, 1)                     \
    F(VALUE, CProjectDuration, TaskRemainingDuration, {}, 1)                        \
    F(MANUAL, CProjectDouble, ManualPercentComplete, 0.0, 1)                        \
    F(VALUE, CProjectDouble, PhysicalVolume, {}, 1)                                 \
    F(VALUE, CProjectDouble, RemainingPhysicalVolume, {}, 1)                        \
    F(VALUE, CProjectDouble, ActualPhysicalVolume, {}, 1)                           \
    F(VALUE, CDurationType, DurationType, CDurationType::FixedDuration, 1)          \
    F(VALUE, CResourceUnitType, PhysicalVolumeUnit, CResourceUnitType::Unit, 1)     \
    F(MANUAL, CRiskType, RiskType, CRiskType::None, 1)                              \
    F(VALUE, CTaskType, TaskType, CTaskType::Work, 1)                               \
    F(VALUE, CProgressType, ProgressType, CProgressType::Duration, 1)               \
    F(READONLY, CTaskStatus, Status, CTaskStatus::NotStarted, 1)                    \
    F(LAZY, UserFieldValue, UserFieldValues, {}, 1)                                 \
    F(LAZY_RULED, Task, SubTasks, {}, 1)                                            \
    F(LAZY_RULED, Cost, Costs, {}, 1)                                               \
    F(LAZY, AssignedRisk, AssignedRisks, {}, 1)                                     \
    F(LAZY, TaskReport, TaskReports, {}, 1)                                         \
    F(LAZY, Note, Notes, {}, 1)                                                     \
    F(FLAG, CProjectBool, Template, false, 1)                                       \
    F(VALUE, CProjectBool, RiskBuffer, false, 1)

class ITask : public CRecord<ITask> {
    KELVARA_INTERFACE(Task)
    KELVARA_RECORD(ITask, "Task", KELVARA_FIELDS_Task)

public:
    // The user every comment note is signed by (setComments).
    static const CUserID& commentUserID();

    // ---- plain values with rules of their own ----
    virtual const CProjectDouble& getManualPercentComplete() const = 0;
    // Stores v clamped into 0..100 (NaN counts as 0).
    virtual void setManualPercentComplete(double v) = 0;
    virtual const CRiskType& getRiskType() const = 0;
    // Refused (false, nothing changes) unless canAssignRisks().
    virtual bool setRiskType(const CRiskType& type) = 0;
    // The task state and the status it stands for, always set together.
    virtual void setStatus(const CTaskStateID& state, const CTaskStatus& status) = 0;
    // New identifiers for the embedded supply chain; true.
    virtual bool generateNewSupplyChainID() = 0;

    // ---- sub-tasks ----
    // Copies of the source's tasks (deep); nothing happens unless canBecomeSummaryTask(true).
    // A source without tasks leaves the task without sub-tasks.
    virtual void setSubTasks(const ITaskArrayHandle& tasks) = 0;
    // Adds a copy; its position, or -1 when a sub-task has its identifier (no list is left
    // behind then).
    virtual int addSubTask(const ITask& task) = 0;
    // Inserts a copy at index 0..count, when canBecomeSummaryTask(true). Anything else, and an
    // identifier already present, changes nothing.
    virtual void insertSubTask(const ITask& task, int index) = 0;
    virtual bool removeSubTask(const CTaskID& id) = 0;
    virtual void removeAllSubTasks() = 0;
    virtual bool changeSubTask(const ITask& task) = 0;
    // The list's changePosition(from, to): the sub-task at to moves to from. True without change
    // when from == to; false for a position outside 0..count-1 or without sub-tasks.
    virtual bool changeSubTaskPosition(int from, int to) = 0;
    // Takes over the task the handle refers to (no copy) as sub-task at index (0..count; only 0
    // without sub-tasks). False, and the task stays the caller's, when refused: an index outside
    // that range, an empty handle, a task of another class, an identifier already among the
    // sub-tasks, or this task itself or one above it (a cycle).
    virtual bool attachSubTask(ITaskWritableHandle task, int index) = 0;
    // Takes the sub-task out without destroying it; the caller owns it then (with its sub-tree)
    // and deletes it or attaches it elsewhere. A null handle when absent.
    [[nodiscard]] virtual ITaskWritableHandle detachSubTask(const CTaskID& id) = 0;

    // ---- assigned resources and resource groups (always present; the generic get/set) ----
    // index -1 adds, any other inserts there; the new position, or -1 when nothing was stored (an
    // identifier already present, or an index outside 0..count).
    virtual int addAssignedResource(const IAssignedResource& assignment, int index) = 0;
    virtual bool changeAssignedResource(const IAssignedResource& assignment) = 0;
    virtual bool removeAssignedResource(const CAssignedResourceID& id) = 0;
    virtual void removeAllAssignedResources() = 0;
    virtual int addAssignedResourceGroup(const IAssignedResourceGroup& assignment, int index) = 0;
    virtual bool changeAssignedResourceGroup(const IAssignedResourceGroup& assignment) = 0;
    virtual bool removeAssignedResourceGroup(const CAssignedResourceGroupID& id) = 0;
    virtual void removeAllAssignedResourceGroups() = 0;

    // ---- upstream links (always present; the generic getUpstreamLinks/setUpstreamLinks) ----
    // index -1 adds, any other inserts there; an identifier already present or an index outside
    // 0..count adds nothing.
    virtual void addUpstreamLink(const ILink& link, int index) = 0;
    virtual bool changeUpstreamLink(const ILink& link) = 0;
    virtual bool removeUpstreamLink(const CLinkID& id) = 0;
    virtual void removeAllUpstreamLinks() = 0;

    // ---- assigned risks ----
    // index -1 adds, any other inserts there; the new position, or -1 when nothing was stored.
    virtual int addAssignedRisk(const IAssignedRisk& risk, int index) = 0;
    virtual bool changeAssignedRisk(const IAssignedRisk& risk) = 0;
    virtual bool removeAssignedRisk(const CAssignedRiskID& id) = 0;
    virtual void removeAllAssignedRisks() = 0;

    // ---- costs (only on tasks without sub-tasks) ----
    // Refused on a summary task. index -1 adds, any other inserts there.
    virtual void addCost(const ICost& cost, int index) = 0;
    // Copies of the source's costs; refused on a summary task.
    virtual void setCosts(const ICostArrayHandle& costs) = 0;
    virtual bool changeCost(const ICost& cost) = 0;
    virtual bool removeCost(const CCostID& id) = 0;
    virtual void removeAllCosts() = 0;

    // ---- task reports ----
    virtual void addTaskReport(const ITaskReport& report, int index) = 0;
    virtual bool changeTaskReport(const ITaskReport& report) = 0;
    virtual void removeTaskReport(const CTaskReportID& id) = 0;
    virtual void removeAllTaskReports() = 0;

    // ---- code values and document files (identifier lists) ----
    virtual int addCodeValue(const CCodeValueID& id) = 0;
    // index -1 appends; another index outside 0..count answers -1 and changes nothing.
    virtual int insertCodeValue(const CCodeValueID& id, int index) = 0;
    virtual bool removeCodeValue(const CCodeValueID& id) = 0;
    virtual void removeAllCodes() = 0;
    // An index in 0..count inserts there, any other appends; -1 when the identifier is listed.
    virtual int addDocumentFileID(const CDocumentFileID& id, int index) = 0;
    virtual bool removeDocumentFileID(const CDocumentFileID& id) = 0;
    virtual void removeAllDocumentFileIDs() = 0;

    // ---- user field values and notes ----
    // index -1 adds; an index in 0..count inserts. False when nothing was stored.
    virtual bool addUserFieldValue(const IUserFieldValue& value, int index) = 0;
    virtual bool changeUserFieldValue(const IUserFieldValue& value) = 0;
    virtual bool removeUserFieldValue(const CUserFieldID& field) = 0;
    virtual void removeAllUserFieldValues() = 0;
    // index -1 adds, any other inserts there; a handle on the stored note, or a null handle
    // whenever nothing was stored.
    virtual INoteHandle addNote(const INote& note, int index) = 0;
    virtual bool changeNote(const INote& note) = 0;
    virtual bool removeNote(const CNoteID& id) = 0;
    virtual void removeAllNotes() = 0;
    // Adds the text as one more comment note (fresh identifier, stamped now, signed by
    // commentUserID()); an empty text adds nothing.
    virtual void setComments(const CString& text) = 0;

    // ---- the base library's operations over the accessors ----
    // The sub-tasks directly under this task, or with recursive all tasks under it.
    [[nodiscard]] int countSubTasks(bool recursive) const;
    [[nodiscard]] int numberOfAssignedResources() const { return getAssignedResources().GetSize(); }
    [[nodiscard]] int numberOfAssignedResourceGroups() const { return getAssignedResourceGroups().GetSize(); }
    [[nodiscard]] int numberOfUpstreamLinks() const { return getUpstreamLinks().GetSize(); }
    [[nodiscard]] int numberOfAssignedRisks() const { return getAssignedRisks().GetSize(); }
    [[nodiscard]] int numberOfCosts() const { return getCosts().GetSize(); }
    [[nodiscard]] int numberOfTaskReports() const { return getTaskReports().GetSize(); }
    [[nodiscard]] int numberOfUserFieldValues() const { return getUserFieldValues().GetSize(); }
    [[nodiscard]] int numberOfNotes() const { return getNotes().GetSize(); }
    // The texts of the task's notes, oldest first (by creation time, then identifier), one per
    // line; empty without notes.
    [[nodiscard]] CString getComments() const;
    // Whether the task may hold sub-tasks. A summary task's costs are its sub-tasks', so with
    // withoutCosts a task that holds costs of its own may not; without it, always true.
    [[nodiscard]] bool canBecomeSummaryTask(bool withoutCosts) const;
    // Whether the task may carry a risk type: not a summary task and not a risk buffer (a buffer
    // absorbs the risks of other tasks).
    [[nodiscard]] bool canAssignRisks() const;
    // Whether the task may be recorded in a baseline: every task but a template.
    [[nodiscard]] bool canBaseline() const;
    // Fresh identifiers for the task and everything it owns (see CRecord). Links between tasks of
    // this tree follow their renewed predecessors, so the tree's own dependencies stay intact;
    // links to tasks outside it are kept.
    void generateIDs();

protected:
    virtual CProjectDouble& getWritableManualPercentComplete() = 0;
    virtual CRiskType& getWritableRiskType() = 0;
};
