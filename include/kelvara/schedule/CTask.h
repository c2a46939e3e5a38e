// The stored form of a task (see ITask). A new task has a fresh identifier, no lists, 0 percent
// complete and the enumerations at their first values; its times, durations and volumes are unset.
#pragma once

#include "kelvara/base/ITask.h"
#include "kelvara/framework/Family.h"
#include "kelvara/people/CAssignedRisk.h"
#include "kelvara/schedule/CAssignedResource.h"
#include "kelvara/schedule/CAssignedResourceGroup.h"
#include "kelvara/people/CNote.h"
#include "kelvara/schedule/CCost.h"
#include "kelvara/schedule/CLink.h"
#include "kelvara/schedule/CSupplyChain.h"
#include "kelvara/schedule/CTaskReport.h"
#include "kelvara/schedule/CUserFieldValue.h"

class CTask : public ITask {
    KELVARA_OBJECT(Task)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Task)

public:
    ~CTask() override;

    const CProjectDouble& getManualPercentComplete() const override { return m_ManualPercentComplete; }
    void setManualPercentComplete(double v) override;
    const CRiskType& getRiskType() const override { return m_RiskType; }
    bool setRiskType(const CRiskType& type) override;
    void setStatus(const CTaskStateID& state, const CTaskStatus& status) override;
    bool generateNewSupplyChainID() override;

    void setSubTasks(const ITaskArrayHandle& tasks) override;
    int addSubTask(const ITask& task) override;
    void insertSubTask(const ITask& task, int index) override;
    bool removeSubTask(const CTaskID& id) override;
    void removeAllSubTasks() override;
    bool changeSubTask(const ITask& task) override;
    bool changeSubTaskPosition(int from, int to) override;
    bool attachSubTask(ITaskWritableHandle task, int index) override;
    [[nodiscard]] ITaskWritableHandle detachSubTask(const CTaskID& id) override;

    int addAssignedResource(const IAssignedResource& assignment, int index) override;
    bool changeAssignedResource(const IAssignedResource& assignment) override {
        return m_AssignedResources.changeElement(assignment);
    }
    bool removeAssignedResource(const CAssignedResourceID& id) override { return m_AssignedResources.Remove(id); }
    void removeAllAssignedResources() override { m_AssignedResources.RemoveAll(); }
    int addAssignedResourceGroup(const IAssignedResourceGroup& assignment, int index) override;
    bool changeAssignedResourceGroup(const IAssignedResourceGroup& assignment) override {
        return m_AssignedResourceGroups.changeElement(assignment);
    }
    bool removeAssignedResourceGroup(const CAssignedResourceGroupID& id) override {
        return m_AssignedResourceGroups.Remove(id);
    }
    void removeAllAssignedResourceGroups() override { m_AssignedResourceGroups.RemoveAll(); }

    void addUpstreamLink(const ILink& link, int index) override;
    bool changeUpstreamLink(const ILink& link) override { return m_UpstreamLinks.changeElement(link); }
    bool removeUpstreamLink(const CLinkID& id) override { return m_UpstreamLinks.Remove(id); }
    void removeAllUpstreamLinks() override { m_UpstreamLinks.RemoveAll(); }

    int addAssignedRisk(const IAssignedRisk& risk, int index) override;
    bool changeAssignedRisk(const IAssignedRisk& risk) override;
    bool removeAssignedRisk(const CAssignedRiskID& id) override;
    void removeAllAssignedRisks() override { m_AssignedRisks.reset(); }

    void addCost(const ICost& cost, int index) override;
    void setCosts(const ICostArrayHandle& costs) override;
    bool changeCost(const ICost& cost) override;
    bool removeCost(const CCostID& id) override;
    void removeAllCosts() override { m_Costs.reset(); }

    void addTaskReport(const ITaskReport& report, int index) override;
    bool changeTaskReport(const ITaskReport& report) override;
    void removeTaskReport(const CTaskReportID& id) override;
    void removeAllTaskReports() override { m_TaskReports.reset(); }

    int addCodeValue(const CCodeValueID& id) override { return m_AssignedCodeValues.Add(id); }
    int insertCodeValue(const CCodeValueID& id, int index) override;
    bool removeCodeValue(const CCodeValueID& id) override;
    void removeAllCodes() override { m_AssignedCodeValues.RemoveAll(); }
    int addDocumentFileID(const CDocumentFileID& id, int index) override;
    bool removeDocumentFileID(const CDocumentFileID& id) override;
    void removeAllDocumentFileIDs() override { m_DocumentFileIDs.RemoveAll(); }

    bool addUserFieldValue(const IUserFieldValue& value, int index) override;
    bool changeUserFieldValue(const IUserFieldValue& value) override;
    bool removeUserFieldValue(const CUserFieldID& field) override;
    void removeAllUserFieldValues() override { m_UserFieldValues.reset(); }
    INoteHandle addNote(const INote& note, int index) override;
    bool changeNote(const INote& note) override;
    bool removeNote(const CNoteID& id) override;
    void removeAllNotes() override { m_Notes.reset(); }
    void setComments(const CString& text) override;

protected:
    CProjectDouble& getWritableManualPercentComplete() override { return m_ManualPercentComplete; }
    CRiskType& getWritableRiskType() override { return m_RiskType; }

private:
    CTaskArray& allocateSubTasks();
    CCostArray& allocateCosts() { return kelvara::detail::allocateList(m_Costs); }
    CUserFieldValueArray& allocateUserFieldValues() { return kelvara::detail::allocateList(m_UserFieldValues); }
    CAssignedRiskArray& allocateAssignedRisks() { return kelvara::detail::allocateList(m_AssignedRisks); }
    CTaskReportArray& allocateTaskReports() { return kelvara::detail::allocateList(m_TaskReports); }
    CNoteArray& allocateNotes() { return kelvara::detail::allocateList(m_Notes); }

    CProjectDouble m_ManualPercentComplete;
    CRiskType m_RiskType;
};

KELVARA_ROOT_FAMILY(Task)
