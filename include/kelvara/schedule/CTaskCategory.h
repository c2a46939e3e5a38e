// The stored form of a task category (see ITaskCategory); the project's categories live in a
// CTaskCategoryRoot.
#pragma once

#include "kelvara/base/ITaskCategory.h"

class CTaskCategory : public ITaskCategory {
    KELVARA_OBJECT(TaskCategory)
    KELVARA_RECORD_MEMBERS(KELVARA_TASK_CATEGORY_FIELDS)

public:
    CTaskCategory() { clear(); }
    explicit CTaskCategory(const CProjectString& name) {
        clear();
        setName(name);
    }
    ~CTaskCategory() override = default;
};

KELVARA_ROOT_FAMILY(TaskCategory, CTaskCategoryID, false)
