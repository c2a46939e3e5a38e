// A named baseline: a frozen copy of the schedule taken at one moment, one record per baselined
// task (keyed by the task's identifier), so that later progress can be compared with it.
#pragma once

#include "kelvara/base/ITaskBaselineData.h"

#define KELVARA_FIELDS_ProjectBaseline(F)                                       \
    F(IDENTITY, CProjectBaselineID, ID, CProjectBaselineID::generated(), 1)     \
    F(TEXT, CProjectString, Name, {}, 1)                                        \
    F(VALUE, CProjectColorRGB, Color, {}, 1)                                    \
    F(VALUE, CCompanyID, CompanyID, {}, 1)                                      \
    F(VALUE, CProjectTime, CreationTime, {}, 1)                                 \
    F(TEXT, CProjectString, OriginatingUser, {}, 1)                             \
    F(READONLY, CProjectTime, LastModifiedTime, {}, 1)                          \
    F(READONLY, CProjectString, LastModifiedUser, {}, 1)                        \
    F(CHILDREN, TaskBaselineData, BaselinedTasks, {}, 1)

class IProjectBaseline : public CRecord<IProjectBaseline> {
    KELVARA_INTERFACE(ProjectBaseline)
    KELVARA_RECORD(IProjectBaseline, "ProjectBaseline", KELVARA_FIELDS_ProjectBaseline)

public:
    // Records the task, when task.canBaseline(): a new record when the baseline holds none for it,
    // else the existing one refreshed. A null accessor records nothing.
    virtual void baselineTask(const ITask& task, const IProjectAccessor* accessor, bool withCriticalPath) = 0;
    // Removes the task's record and every other record's links from it.
    virtual void unBaselineTask(const ITask& task) = 0;
    // Removes the record alone (other records keep their links to it); false when absent.
    virtual bool removeTaskFromProjectBaseline(const CTaskID& task) = 0;
    // Inserts a copy at index 0..count; false when the index is outside or the task has a record.
    virtual bool insertTaskIntoProjectBaseline(const ITaskBaselineData& record, int index) = 0;
};
