// Which days are worked and which hours of a working day: a calendar owns its day types, a
// standard week naming a day type for each week day, dated exceptions (at most one per date) that
// override the week, and a tree of sub-calendars. Tasks, links, resources and companies name
// calendars by identifier.
//
// Every new or cleared calendar holds the same fixed content: the identifiers below, a working day
// type (09:00 to 17:00) at index 0, a non-working one at index 1, Sunday and Saturday non-working,
// no exceptions and no sub-calendars. generateIDs() is what makes a calendar's identifiers its own.
// References from the week and the exceptions to day types are identifiers: nothing checks them
// on loading, and a calendar that names a day type it does not hold loads as stored.
#pragma once

#include "kelvara/base/CalendarValues.h"
#include "kelvara/base/ICalendarDayType.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_Calendar(F)                                                 \
    F(IDENTITY, CCalendarID, ID, ICalendar::defaultCalendarID(), 1)                \
    F(VALUE, CProjectString, Name, {}, 1)                                          \
    F(CHILDREN, Calendar, SubCalendars, {}, 1)                                     \
    F(VALUE, CCalendarWeek, CalendarWeek, ICalendar::defaultWeek(), 1)             \
    F(MANUAL, CCalendarExceptionArray, CalendarDayExceptions, {}, 1)               \
    F(CHILDREN, CalendarDayType, CalendarDayTypes, {}, 1)

class ICalendar : public CRecord<ICalendar> {
    KELVARA_INTERFACE(Calendar)
    KELVARA_RECORD(ICalendar, "Calendar", KELVARA_FIELDS_Calendar)

public:
    // The fixed identifiers of the default content.
    static constexpr const wchar_t* kDefaultCalendarGUID = L"1e6717b6-e37a-4046-a86e-d5dc457a2de6";
    static constexpr const wchar_t* kWorkingDayTypeGUID = L"c7ea95b1-c2f2-7d48-86f0-17d37bbd5484";
    static constexpr const wchar_t* kNonWorkingDayTypeGUID = L"6c231cb1-ae9b-9d4a-b478-20cbaaf96c45";
    static CCalendarID defaultCalendarID();
    static CCalendarDayTypeID workingDayTypeID();
    static CCalendarDayTypeID nonWorkingDayTypeID();
    // Sunday and Saturday the non-working day type, Monday to Friday the working one.
    static CCalendarWeek defaultWeek();

    // The default content (see above), the field list's defaults completed by clear().
    void initialize() {
        CRecord::initialize();
        clear();
    }
    // Back to the default content: no name, no sub-calendars, no exceptions, the two default day
    // types and the standard week, the fixed identifiers.
    virtual void clear() = 0;

    // Renews the calendar's identifier, its day types' identifiers and, recursively, every
    // sub-calendar's, and points the week and the exceptions at the renewed day types (the day
    // types keep their order and content). When the week or an exception names a day type the
    // calendar does not hold, nothing of this calendar changes and the answer is false; otherwise
    // the answer is whether every sub-calendar succeeded too. Sub-calendars stay findable by
    // their new identifiers.
    virtual bool generateIDs() = 0;

    virtual const CCalendarExceptionArray& getCalendarDayExceptions() const = 0;

    // Sub-calendars. A copy appended: its position, or -1 when its identifier is present.
    virtual int addSubCalendar(const ICalendar& calendar) = 0;
    // A copy at index when index lies in 0 .. count and the identifier is not present; else nothing.
    virtual void insertSubCalendar(const ICalendar& calendar, int index) = 0;
    virtual bool removeSubCalendar(const CCalendarID& id) = 0;
    virtual void removeAllSubCalendars() = 0;
    // Takes over the object the handle refers to (one the caller owns, e.g. from a detach) at
    // index without copying. False when nothing was attached: an index outside 0 .. count, an
    // identifier already among the sub-calendars, an empty handle or an object that is not a
    // stored calendar, this calendar or one above it in a tree (a cycle). A refused object stays
    // the caller's.
    virtual bool attachSubCalendar(ICalendarWritableHandle handle, int index) = 0;
    // Takes the sub-calendar out without destroying it; the caller owns it. Empty when absent.
    [[nodiscard]] virtual ICalendarWritableHandle detachSubCalendar(const CCalendarID& id) = 0;

    // Exceptions. index in 0 .. count - 1 inserts there, any other index appends. The position
    // taken, or -1 when nothing was stored (an exception for the date is present).
    virtual int addCalendarException(const CCalendarException& exception, int index) = 0;
    // False for an index outside 0 .. count - 1.
    virtual bool removeCalendarDayException(int index) = 0;
    virtual void removeAllCalendarDayExceptions() = 0;
    // The exceptions become a copy of source (the first of a repeated date counts). Handing the
    // calendar its own list changes nothing.
    virtual void setCalendarDayExceptions(const CCalendarExceptionArray& source) = 0;

    // Day types. A copy appended: its position, or -1 when its identifier is present.
    virtual int addCalendarDayType(const ICalendarDayType& dayType) = 0;
    // Copies dayType onto the stored day type with its identifier; false when there is none.
    virtual bool editCalendarDayType(const ICalendarDayType& dayType) = 0;
    // False for an index outside 0 .. count - 1. The week and the exceptions keep naming the
    // removed day type.
    virtual bool removeCalendarDayType(int index) = 0;
    virtual void removeAllCalendarDayTypes() = 0;

    // Reading for working-time arithmetic. The day type with the identifier, or a handle on the
    // day-type list's shared default day type when the calendar holds none (never an empty handle).
    ICalendarDayTypeHandle findCalendarDayType(const CCalendarDayTypeID& id) const;
    // The identifier of the day type that governs a date: its exception's when there is one (an
    // exception is kept under its day's start; a date within that day finds it too), else its
    // week day's; the null identifier for an unset date.
    CCalendarDayTypeID getDayTypeIDForDate(const CProjectDate& date) const;

private:
    virtual CCalendarExceptionArray& getWritableCalendarDayExceptions() = 0;
};

// A new default calendar that the caller owns (null when it could not be made).
[[nodiscard]] ICalendar* createTemporaryCalendar();
