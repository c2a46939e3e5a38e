// A named category that tasks can be put in.
#pragma once

#include "kelvara/framework/Family.h"

KELVARA_FORWARD(TaskCategory)

#define KELVARA_TASK_CATEGORY_FIELDS(F)         \
    F(VALUE, CProjectString, Name)              \
    F(IDENTITY, CTaskCategoryID, ID)

class ITaskCategory : public CRecord<ITaskCategory> {
    KELVARA_INTERFACE(TaskCategory)
    KELVARA_RECORD(ITaskCategory, "TaskCategory", KELVARA_TASK_CATEGORY_FIELDS)

public:
    // A blank category: no name, and a fresh identifier so that new categories can share a list.
    void clear();
};

KELVARA_INTERFACE_ARRAY(TaskCategory, CTaskCategoryID, false)
