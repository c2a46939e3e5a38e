// Working-time arithmetic over one calendar, precomputed so that every question costs the same
// however long the span it covers: a moment is a count of milliseconds since 1970-01-01 00:00 UTC
// (CProjectTime's tick) and a working duration is a count of worked milliseconds.
//
// How a calendar is read:
//   - Days are UTC days (numbered by floor division, so days before 1970 work alike). A date's day
//     type is its exception's when the calendar holds one for that day (an exception stored at any
//     moment of a day governs the whole day; of two stored within one day the earlier governs;
//     one with an unset date is ignored), else its week day's.
//   - A day type is looked up among the calendar's own day types, then among those of the
//     calendars above it (a sub-calendar shares its parents' day types); a day type found nowhere,
//     and one whose kind is not Working, gives a day without working time.
//   - The time blocks of a working day type are read sorted and merged (overlapping or touching
//     blocks are one block, a block inside another keeps the later end; a block whose end is not
//     after its start holds nothing); the stored calendar is never changed.
// The weeks repeat, so the worked time from a fixed origin to any moment is a closed formula over
// whole weeks plus a prefix sum over the exceptions (each exception adds the difference between
// its day and the week day it replaces): isWorking, between, add and subtract answer in
// O(log exceptions) whatever the span.
//
// Conventions at the edges of blocks (the scheduling engine relies on them):
//   - Blocks are half-open: isWorking is true at a block's start and false at its end. A block
//     ending at 24:00 and one starting at 00:00 the next day are continuous work.
//   - add(t, d) with d > 0 answers the earliest moment m with between(t, m) == d: the end of the
//     last block used, never the start of the next one. add(t, 0) answers t unchanged.
//   - subtract(t, d) with d > 0 answers the latest moment m with between(m, t) == d: the start of
//     the first block used. subtract(t, 0) answers t. A negative work counts the other way:
//     add(t, -d) == subtract(t, d).
//   - nextWorkingStart(t) is the earliest moment m >= t at which work goes on (t itself when t is
//     working, the start of the next block otherwise); previousWorkingEnd(t) the latest m <= t at
//     which work stops (t itself when the millisecond before t is worked, else the end of the
//     block before).
//   - When no such moment exists (a calendar without any working time, a week without work whose
//     worked exceptions run out, forwards or backwards, or an answer outside 64 bits), add, subtract,
//     nextWorkingStart and previousWorkingEnd answer kNoMoment; they never loop. Given kNoMoment
//     as the moment, they answer kNoMoment. between saturates at +/- INT64_MAX.
// Thread safety: a built calendar is immutable; any number of threads may ask it at once.
#pragma once

#include <cstdint>
#include <vector>

class CCalendarDayTypeID;
class ICalendar;
class ICalendarDayType;

class CWorkingCalendar {
public:
    // The answer of add, subtract, nextWorkingStart and previousWorkingEnd when no such moment
    // exists (a calendar whose working time runs out, or an answer outside 64 bits).
    static constexpr std::int64_t kNoMoment = INT64_MIN;

    // Every moment is working time: durations are elapsed time.
    CWorkingCalendar();
    // The working time of calendar, whose day types are looked up in calendar and then in
    // ancestors (nearest first) when it does not hold them.
    explicit CWorkingCalendar(const ICalendar& calendar, const std::vector<const ICalendar*>& ancestors = {});

    // False for a calendar without any working time at all.
    [[nodiscard]] bool hasWorkingTime() const noexcept;
    // True for the continuous calendar of the default constructor.
    [[nodiscard]] bool isContinuous() const noexcept;
    // The worked milliseconds of a standard week (without exceptions); seven days when continuous.
    [[nodiscard]] std::int64_t weeklyWorkingTime() const noexcept;

    [[nodiscard]] bool isWorking(std::int64_t moment) const noexcept;
    // Worked milliseconds from from to to; negative when to is before from.
    [[nodiscard]] std::int64_t between(std::int64_t from, std::int64_t to) const noexcept;
    // A negative work is the other operation's: add(t, -d) == subtract(t, d).
    [[nodiscard]] std::int64_t add(std::int64_t moment, std::int64_t work) const noexcept;
    [[nodiscard]] std::int64_t subtract(std::int64_t moment, std::int64_t work) const noexcept;
    [[nodiscard]] std::int64_t nextWorkingStart(std::int64_t moment) const noexcept;
    [[nodiscard]] std::int64_t previousWorkingEnd(std::int64_t moment) const noexcept;

    // implementation details follow
private:
    friend class CCalendarSet;
    // Where the day types a calendar names are found. CCalendarSet keeps one for a whole tree, so
    // that a deep tree's day types are not searched level by level for every calendar.
    class DayTypeSource {
    public:
        virtual ~DayTypeSource() = default;
        // The day type with the identifier, or null when none is held.
        virtual const ICalendarDayType* find(const CCalendarDayTypeID& id) const = 0;
    };
    CWorkingCalendar(const ICalendar& calendar, const DayTypeSource& dayTypes);
    struct AncestorSource;        // the calendar's own day types, then its ancestors'

    struct Block {
        std::int32_t start, end;  // milliseconds of the day, start < end
    };
    struct DayPattern {           // one day's merged blocks, ascending, and their worked time
        std::vector<Block> blocks;
        std::int64_t total = 0;
    };
    struct Exception {            // a day whose pattern may differ from its week day's
        std::int64_t day;         // days since 1970-01-01
        int pattern;              // index into m_patterns
        std::int64_t delta;       // its worked time minus its week day's
    };
    struct Arithmetic;            // the closed formulas and their inverses (WorkingCalendar.cpp)

    bool m_continuous = true;
    std::vector<DayPattern> m_patterns;       // 0..6 the week days (Thursday 1970-01-01 first), then the exceptions'
    std::vector<Exception> m_exceptions;      // ascending day, at most one per day
    std::vector<std::int64_t> m_deltaPrefix;  // entry i: the sum of delta of the exceptions before i (size + 1 entries)
    std::int64_t m_weekPrefix[8] = {};        // entry k: the worked time of week days 0 .. k - 1
    std::int64_t m_weekTotal = 0;
    bool m_hasWorkingTime = true;
};
