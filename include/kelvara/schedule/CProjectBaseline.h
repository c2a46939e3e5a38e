// The stored form of a baseline (see IProjectBaseline): a new one has a fresh identifier, no name
// and no records.
#pragma once

#include "kelvara/base/IProjectBaseline.h"
#include "kelvara/framework/Family.h"
#include "kelvara/schedule/CTaskBaselineData.h"

class CProjectBaseline : public IProjectBaseline {
    KELVARA_OBJECT(ProjectBaseline)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_ProjectBaseline)

public:
    ~CProjectBaseline() override = default;

    void baselineTask(const ITask& task, const IProjectAccessor* accessor, bool withCriticalPath) override;
    void unBaselineTask(const ITask& task) override;
    bool removeTaskFromProjectBaseline(const CTaskID& task) override;
    bool insertTaskIntoProjectBaseline(const ITaskBaselineData& record, int index) override;
};

KELVARA_ROOT_FAMILY(ProjectBaseline)
