// The stored form of a task category (see ITaskCategory); the project's categories live in a
// CTaskCategoryRoot.
#pragma once

#include "kelvara/base/ITaskCategory.h"
#include "kelvara/framework/Family.h"

class CTaskCategory : public ITaskCategory {
    KELVARA_OBJECT(TaskCategory)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_TaskCategory)

public:
    explicit CTaskCategory(const CProjectString& name) {
        initialize();
        setName(name);
    }
    ~CTaskCategory() override = default;
};

KELVARA_ROOT_FAMILY(TaskCategory)
