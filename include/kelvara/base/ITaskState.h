// A user-defined state a task can be in, standing for one progress status. Two states are equal
// when everything but their identifiers is equal.
#pragma once

#include "kelvara/base/ScheduleEnumerations.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(TaskState)

#define KELVARA_TASK_STATE_FIELDS(F)            \
    F(KEY, CTaskStateID, ID)                    \
    F(TEXT, CProjectString, Name)               \
    F(VALUE, CProjectBool, IsDefault)           \
    F(VALUE, CTaskStatus, Status)               \
    F(VALUE, CProjectColorRGB, Color)

class ITaskState : public CRecord<ITaskState> {
    KELVARA_INTERFACE(TaskState)
    KELVARA_RECORD(ITaskState, "TaskState", KELVARA_TASK_STATE_FIELDS)
};

KELVARA_INTERFACE_ARRAY(TaskState, CTaskStateID, false)
