// The stored calendar (see ICalendar); the project's calendars live in a CCalendarRoot. Its
// sub-calendars and day types are held by pointer, created with the calendar and never null, so
// that a calendar can own a list of its own kind.
#pragma once

#include "kelvara/base/ICalendar.h"
#include "kelvara/framework/Family.h"
#include "kelvara/schedule/CCalendarDayType.h"

class CCalendar : public ICalendar {
    KELVARA_OBJECT(Calendar)
    KELVARA_RECORD_MEMBERS_HELD(KELVARA_FIELDS_Calendar)

public:
    ~CCalendar() override;

    void clear() override;
    bool generateIDs() override;

    const CCalendarExceptionArray& getCalendarDayExceptions() const override { return m_CalendarDayExceptions; }

    int addSubCalendar(const ICalendar& calendar) override;
    void insertSubCalendar(const ICalendar& calendar, int index) override;
    bool removeSubCalendar(const CCalendarID& id) override;
    void removeAllSubCalendars() override;
    bool attachSubCalendar(ICalendarWritableHandle handle, int index) override;
    [[nodiscard]] ICalendarWritableHandle detachSubCalendar(const CCalendarID& id) override;

    int addCalendarException(const CCalendarException& exception, int index) override;
    bool removeCalendarDayException(int index) override;
    void removeAllCalendarDayExceptions() override;
    void setCalendarDayExceptions(const CCalendarExceptionArray& source) override;

    int addCalendarDayType(const ICalendarDayType& dayType) override;
    bool editCalendarDayType(const ICalendarDayType& dayType) override;
    bool removeCalendarDayType(int index) override;
    void removeAllCalendarDayTypes() override;
    using ICalendar::setCalendarDayTypes;
    // Empties the day types, then adds a copy of each of source's in index order (a repeated
    // identifier is dropped). Handing the calendar its own list changes nothing.
    void setCalendarDayTypes(const CCalendarDayTypeArray& source);

protected:
    // A handle on the one shared, default day type that stands for a missing one.
    static ICalendarDayTypeHandle getInvalidDayType();

private:
    CCalendarExceptionArray& getWritableCalendarDayExceptions() override { return m_CalendarDayExceptions; }

    CCalendarExceptionArray m_CalendarDayExceptions;
};

KELVARA_ROOT_FAMILY(Calendar)
