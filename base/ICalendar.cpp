#include "kelvara/base/ICalendar.h"

CCalendarID ICalendar::defaultCalendarID() { return CCalendarID(CString(kDefaultCalendarGUID)); }
CCalendarDayTypeID ICalendar::workingDayTypeID() { return CCalendarDayTypeID(CString(kWorkingDayTypeGUID)); }
CCalendarDayTypeID ICalendar::nonWorkingDayTypeID() { return CCalendarDayTypeID(CString(kNonWorkingDayTypeGUID)); }

CCalendarWeek ICalendar::defaultWeek() {
    CCalendarWeek week;
    for (int day = 1; day <= CCalendarWeek::kDays; ++day)
        week.setDay(day, day == 1 || day == CCalendarWeek::kDays ? nonWorkingDayTypeID() : workingDayTypeID());
    return week;
}

ICalendarDayTypeHandle ICalendar::findCalendarDayType(const CCalendarDayTypeID& id) const {
    const ICalendarDayTypeArrayHandle dayTypes = getCalendarDayTypes();
    // A position of -1 reads the list's shared default day type.
    return dayTypes[dayTypes.findByID(id)];
}

CCalendarDayTypeID ICalendar::getDayTypeIDForDate(const CProjectDate& date) const {
    if (!date.isValid()) return CCalendarDayTypeID();
    const CCalendarExceptionArray& exceptions = getCalendarDayExceptions();
    // Exceptions are kept under their day's start, as CProjectDate is; a time within the day finds
    // its day's exception too.
    constexpr std::int64_t msPerDay = CProjectTimeOfDay::kMillisecondsPerDay;
    const std::int64_t ms = date.getValue();
    const std::int64_t dayStart = (ms / msPerDay - ((ms % msPerDay) < 0 ? 1 : 0)) * msPerDay;
    int position = exceptions.findByDate(date);
    if (position < 0 && dayStart != ms) position = exceptions.findByDate(CProjectDate(dayStart));
    if (position >= 0) return exceptions[position].getCalendarDayTypeID();
    return getCalendarWeek().getDay(CCalendarWeek::dayOfWeek(date));
}
