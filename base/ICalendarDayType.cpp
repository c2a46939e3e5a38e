#include "kelvara/base/ICalendarDayType.h"

bool ICalendarDayType::setTimeBlock(int index, const CProjectTimeOfDaySpan& span) {
    CProjectTimeOfDaySpanArray& blocks = getWritableTimeOfDaySpanArray();
    if (index >= 0 && index < blocks.GetSize()) return blocks.SetAt(index, span);
    if (index == blocks.GetSize() && index < kMaxTimeBlocks) return blocks.Add(span) >= 0;
    return false;
}
