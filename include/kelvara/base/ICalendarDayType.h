// A named, coloured kind of day with its working time blocks. A calendar holds its day types and
// names one for each week day and each exception. A new day type has a fresh identifier, no
// description, the grey 0xC8D0D4, is a working day and has no time blocks.
#pragma once

#include "kelvara/base/CalendarValues.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_CalendarDayType(F)                                                         \
    F(IDENTITY, CCalendarDayTypeID, ID, CCalendarDayTypeID::generated(), 1)                       \
    F(VALUE, CProjectString, Description, {}, 1)                                                  \
    F(VALUE, CProjectColorRGB, Color, (CProjectColorRGB(0xC8D0D4ul)), 1)                          \
    F(VALUE, CDayType, DayType, CDayType::Working, 1)                                             \
    F(MANUAL, CProjectTimeOfDaySpanArray, TimeOfDaySpanArray, {}, 1)

class ICalendarDayType : public CRecord<ICalendarDayType> {
    KELVARA_INTERFACE(CalendarDayType)
    KELVARA_RECORD(ICalendarDayType, "CalendarDayType", KELVARA_FIELDS_CalendarDayType)

public:
    // The most time blocks a day type holds.
    static constexpr int kMaxTimeBlocks = CProjectTimeOfDaySpanArray::kMaxSpans;

    // The time blocks in their stored order (validateTimeBlocks orders and joins them).
    virtual const CProjectTimeOfDaySpanArray& getTimeOfDaySpanArray() const = 0;
    // The blocks become a copy of source when it holds at most kMaxTimeBlocks spans; a longer
    // source is ignored and the blocks stay as they were.
    virtual void setTimeOfDaySpanArray(const CProjectTimeOfDaySpanArray& source) = 0;
    // Sets block index: an index below the count replaces that block, the count itself appends
    // (while fewer than kMaxTimeBlocks are held). False, and nothing changed, otherwise.
    bool setTimeBlock(int index, const CProjectTimeOfDaySpan& span);
    // Orders the blocks by start and joins every block that overlaps or touches the one before
    // it; a block lying wholly inside the one before it leaves that block's end where it was.
    virtual void validateTimeBlocks() = 0;
    // The worked milliseconds of the day: the sum of the blocks' durations (validate first, or
    // overlapping blocks count twice).
    std::int64_t getWorkingMilliseconds() const { return getTimeOfDaySpanArray().getTotalDuration(); }
    bool isWorkingDay() const { return getDayType() == CDayType::Working; }

private:
    virtual CProjectTimeOfDaySpanArray& getWritableTimeOfDaySpanArray() = 0;
};
