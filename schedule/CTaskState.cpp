#include "kelvara/schedule/CTaskState.h"

KELVARA_DEFINE_KIND(TaskState)

// The field list leaves the identifier (a KEY field) out of the interface's equality.
bool operator==(const CTaskState& a, const CTaskState& b) {
    return static_cast<const ITaskState&>(a) == static_cast<const ITaskState&>(b);
}

bool operator!=(const CTaskState& a, const CTaskState& b) { return !(a == b); }
