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
    // An exception governs its whole day wherever in the day it was stored; with two in one day
    // the earlier one governs. The exceptions' date order finds the first one at or after the
    // day's start.
    constexpr std::int64_t msPerDay = CProjectTimeOfDay::kMillisecondsPerDay;
    const std::int64_t ms = date.getValue();
    std::int64_t start = 0;  // the day's first millisecond; none for a day beyond the 64-bit range
    if (__builtin_sub_overflow(ms, (ms % msPerDay + msPerDay) % msPerDay, &start))
        return getCalendarWeek().getDay(CCalendarWeek::dayOfWeek(date));
    const CProjectDate dayStart(start);
    int low = 0, high = exceptions.GetSize();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (exceptions[exceptions.getOrderedIndex(mid)].getDate() < dayStart) low = mid + 1;
        else high = mid;
    }
    if (low < exceptions.GetSize()) {
        const CCalendarException& first = exceptions[exceptions.getOrderedIndex(low)];
        std::int64_t into = 0;
        if (first.getDate().isValid() && !__builtin_sub_overflow(first.getDate().getValue(), start, &into) &&
            into < msPerDay)
            return first.getCalendarDayTypeID();
    }
    return getCalendarWeek().getDay(CCalendarWeek::dayOfWeek(date));
}
