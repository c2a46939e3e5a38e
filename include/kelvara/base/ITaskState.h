// A user-defined state a task can be in, standing for one progress status. Two states are equal
// when everything but their identifiers is equal.
#pragma once

#include "kelvara/base/ScheduleEnumerations.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_TaskState(F) \
    F(KEY, CTaskStateID, ID, {}, 1)                                           \
    F(TEXT, CProjectString, Name, {}, 1)                                      \
    F(VALUE, CProjectBool, IsDefault, {}, 1)                                  \
    F(VALUE, CTaskStatus, Status, CTaskStatus::NotStarted, 1)                 \
    F(VALUE, CProjectColorRGB, Color, (CProjectColorRGB(0.0f, 0.0f, 0.0f)), 1)

class ITaskState : public CRecord<ITaskState> {
    KELVARA_INTERFACE(TaskState)
    KELVARA_RECORD(ITaskState, "TaskState", KELVARA_FIELDS_TaskState)
};

