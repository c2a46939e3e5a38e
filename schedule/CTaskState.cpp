#include "kelvara/schedule/CTaskState.h"

KELVARA_DEFINE_KIND(TaskState, CTaskStateID, false)

bool operator==(const CTaskState& a, const CTaskState& b) {
    return a.getName() == b.getName() && a.getIsDefault() == b.getIsDefault() && a.getStatus() == b.getStatus() &&
           a.getColor() == b.getColor();
}

bool operator!=(const CTaskState& a, const CTaskState& b) { return !(a == b); }
