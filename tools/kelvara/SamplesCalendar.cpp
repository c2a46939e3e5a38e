// Sample calendars: the site calendar (a five-day week of 07:00-12:00 and 13:00-17:00 with the
// 2027 public holidays as exceptions and a Saturday-morning sub-calendar), a seven-day concrete
// curing calendar and a six-day tower-crane calendar; larger scales add crew calendars.
#include <string>

#include "Samples.h"

namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t dayNumber(int year, int month, int dayOfMonth) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + dayOfMonth - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

CProjectDate date(int year, int month, int dayOfMonth) {
    return CProjectDate(dayNumber(year, month, dayOfMonth) * CProjectTimeOfDay::kMillisecondsPerDay);
}

CProjectTimeOfDaySpan hours(int fromHour, int toHour) {
    return CProjectTimeOfDaySpan(CProjectTimeOfDay(fromHour, 0), CProjectTimeOfDay(toHour, 0));
}

CCalendarDayType dayType(const wchar_t* description, unsigned long color, int type,
                         std::initializer_list<CProjectTimeOfDaySpan> blocks) {
    CCalendarDayType result;
    result.setDescription(CString(description));
    result.setColor(CProjectColorRGB(color));
    result.setDayType(CDayType(type));
    CProjectTimeOfDaySpanArray spans;
    for (const auto& block : blocks) spans.Add(block);
    result.setTimeOfDaySpanArray(spans);
    result.validateTimeBlocks();
    return result;
}

// A calendar whose working day type (index 0) has the given blocks and whose week works the days
// named in `worked` (1 Sunday .. 7 Saturday).
CCalendar calendarOf(const wchar_t* name, std::initializer_list<CProjectTimeOfDaySpan> blocks,
                     std::initializer_list<int> worked) {
    CCalendar calendar;
    calendar.setName(CString(name));
    CCalendarDayType working = dayType(name, 0xC8D0D4ul, CDayType::Working, blocks);
    working.setID(ICalendar::workingDayTypeID());
    working.setDescription(CString(L"Working Day"));
    (void)calendar.editCalendarDayType(working);
    CCalendarWeek week;
    for (int day = 1; day <= CCalendarWeek::kDays; ++day) week.setDay(day, ICalendar::nonWorkingDayTypeID());
    for (int day : worked) week.setDay(day, ICalendar::workingDayTypeID());
    calendar.setCalendarWeek(week);
    return calendar;
}

}  // namespace

CCalendarID addSampleCalendars(CProjectDocument& project, int scale) {
    CCalendarArray& calendars = project.getCalendarRoot().getArray();

    CCalendar site = calendarOf(L"Site (Mon-Fri)", {hours(7, 12), hours(13, 17)}, {2, 3, 4, 5, 6});
    const CCalendarDayType holiday = dayType(L"Public Holiday", 0x4040E0ul, CDayType::NonWorking, {});
    (void)site.addCalendarDayType(holiday);
    const CProjectDate holidays[] = {date(2027, 1, 1),  date(2027, 3, 26), date(2027, 3, 29),  date(2027, 5, 3),
                                     date(2027, 5, 31), date(2027, 8, 30), date(2027, 12, 27), date(2027, 12, 28)};
    for (const CProjectDate& day : holidays) (void)site.addCalendarException(CCalendarException(day, holiday.getID()), -1);
    // The works shut down between the holidays at the end of the year.
    (void)site.addCalendarException(CCalendarException(date(2027, 12, 29), ICalendar::nonWorkingDayTypeID()), -1);
    (void)site.addCalendarException(CCalendarException(date(2027, 12, 30), ICalendar::nonWorkingDayTypeID()), -1);
    (void)site.addCalendarException(CCalendarException(date(2027, 12, 31), ICalendar::nonWorkingDayTypeID()), -1);

    CCalendar saturdays = calendarOf(L"Site with Saturday mornings", {hours(7, 12), hours(13, 17)}, {2, 3, 4, 5, 6, 7});
    CCalendarDayType morning = dayType(L"Saturday Morning", 0xA0E0A0ul, CDayType::Working, {hours(7, 12)});
    (void)saturdays.addCalendarDayType(morning);
    CCalendarWeek week = saturdays.getCalendarWeek();
    week.setDay(7, morning.getID());
    saturdays.setCalendarWeek(week);
    (void)saturdays.generateIDs();
    (void)site.addSubCalendar(saturdays);
    (void)site.generateIDs();
    const CCalendarID siteID = site.getID();
    (void)calendars.Add(site);

    CCalendar curing = calendarOf(L"Concrete curing (7 days)", {hours(0, 24)}, {1, 2, 3, 4, 5, 6, 7});
    (void)curing.generateIDs();
    (void)calendars.Add(curing);

    CCalendar crane = calendarOf(L"Tower crane (Mon-Sat)", {hours(6, 10), hours(10, 14), hours(14, 18)}, {2, 3, 4, 5, 6, 7});
    (void)crane.addCalendarException(CCalendarException(date(2027, 12, 27), ICalendar::nonWorkingDayTypeID()), -1);
    (void)crane.generateIDs();
    (void)calendars.Add(crane);

    for (int i = 1; i < scale; ++i) {
        CCalendar crew = calendarOf((L"Crew " + std::to_wstring(i)).c_str(), {hours(6, 14)}, {2, 3, 4, 5, 6});
        (void)crew.generateIDs();
        (void)calendars.Add(crew);
    }
    return siteID;
}
