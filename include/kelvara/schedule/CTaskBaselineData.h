// The stored form of a baselined task (see ITaskBaselineData). A new record is empty: null
// identifiers, unset values, no links.
#pragma once

#include "kelvara/base/IProjectBaseline.h"
#include "kelvara/base/ITask.h"
#include "kelvara/framework/Family.h"
#include "kelvara/schedule/CLink.h"

class CTaskBaselineData : public ITaskBaselineData {
    KELVARA_OBJECT(TaskBaselineData)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_TaskBaselineData)

public:
    ~CTaskBaselineData() override = default;

    void storeBaselineData(IProjectBaseline& baseline, const ITask& task, const IProjectAccessor* accessor,
                           bool withCriticalPath) override;
    void removeLinks(const CTaskID& upstreamTask) override;
    void addUpstreamLink(const ILink& link, const IProjectAccessor& accessor, bool withCriticalPath) override;

private:
    void removeAllLinks();
    // Adds a copy of link with its delay end point from the predecessor's dates and its critical
    // mark; false (nothing added) when the link is present already.
    bool recordLink(const ILink& link, const CTaskID& predecessor, const IProjectAccessor& accessor,
                    bool withCriticalPath);
};

KELVARA_KIND_FAMILY(TaskBaselineData)
