// Building calendars in the scheduling tests.
#pragma once

#include "kelvara/schedule/CCalendar.h"

namespace kelvara::test {

// Makes week day `day` (1 Sunday .. 7 Saturday) of the calendar the given day type, held by the
// calendar or not.
inline void setWeekDay(CCalendar& calendar, int day, const CCalendarDayTypeID& type) {
    CCalendarWeek week = calendar.getCalendarWeek();
    week.setDay(day, type);
    calendar.setCalendarWeek(week);
}

}  // namespace kelvara::test
