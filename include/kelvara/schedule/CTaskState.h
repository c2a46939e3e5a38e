// The stored form of a task state (see ITaskState); the project's states live in a
// CTaskStateRoot. A new state is empty: null identifier, no name, status 0.
#pragma once

#include "kelvara/base/ITaskState.h"
#include "kelvara/framework/Family.h"

class CTaskState : public ITaskState {
    KELVARA_OBJECT(TaskState)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_TaskState)

public:
    ~CTaskState() override = default;
};

KELVARA_ROOT_FAMILY(TaskState)

// Name, default flag, status and colour, in that order; the identifier is not compared.
bool operator==(const CTaskState& a, const CTaskState& b);
bool operator!=(const CTaskState& a, const CTaskState& b);
