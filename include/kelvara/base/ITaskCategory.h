// A named category that tasks can be put in.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_TaskCategory(F) \
    F(VALUE, CProjectString, Name, {}, 1)                               \
    F(IDENTITY, CTaskCategoryID, ID, CTaskCategoryID::generated(), 1)

class ITaskCategory : public CRecord<ITaskCategory> {
    KELVARA_INTERFACE(TaskCategory)
    KELVARA_RECORD(ITaskCategory, "TaskCategory", KELVARA_FIELDS_TaskCategory)

public:
    // The defaults: no name and a fresh identifier, so new categories can share the root\'s list.
    void clear() { initialize(); }
};

