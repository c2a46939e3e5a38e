// The stored day type (see ICalendarDayType); a calendar's day types live in its
// CCalendarDayTypeArray.
#pragma once

#include "kelvara/base/ICalendarDayType.h"
#include "kelvara/framework/Family.h"

class CCalendarDayType : public ICalendarDayType {
    KELVARA_OBJECT(CalendarDayType)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_CalendarDayType)

public:
    ~CCalendarDayType() override = default;

    const CProjectTimeOfDaySpanArray& getTimeOfDaySpanArray() const override { return m_TimeOfDaySpanArray; }
    void setTimeOfDaySpanArray(const CProjectTimeOfDaySpanArray& source) override;
    void validateTimeBlocks() override;

private:
    CProjectTimeOfDaySpanArray& getWritableTimeOfDaySpanArray() override { return m_TimeOfDaySpanArray; }

    CProjectTimeOfDaySpanArray m_TimeOfDaySpanArray;
};

KELVARA_KIND_FAMILY(CalendarDayType)
