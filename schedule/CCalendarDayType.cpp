#include "kelvara/schedule/CCalendarDayType.h"

#include <algorithm>

KELVARA_DEFINE_KIND(CalendarDayType)

void CCalendarDayType::setTimeOfDaySpanArray(const CProjectTimeOfDaySpanArray& source) {
    if (source.GetSize() > kMaxTimeBlocks) return;
    m_TimeOfDaySpanArray = source;
}

void CCalendarDayType::validateTimeBlocks() {
    CProjectTimeOfDaySpanArray& blocks = m_TimeOfDaySpanArray;
    blocks.SortElementsByStart();
    int i = 1;
    while (i < blocks.GetSize()) {
        CProjectTimeOfDaySpan previous = blocks[i - 1];
        const CProjectTimeOfDaySpan& current = blocks[i];
        if (previous.getEnd() >= current.getStart()) {
            // A block inside the previous one must not shorten it: the later end is kept.
            previous.setEnd(std::max(previous.getEnd(), current.getEnd()));
            blocks.SetAt(i - 1, previous);
            blocks.RemoveAt(i);
        } else {
            ++i;
        }
    }
}
