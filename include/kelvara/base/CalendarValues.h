// The values a calendar is made of: times of day and their spans (a day type's working time
// blocks), the standard week naming a day type for each week day, and dated exceptions kept at most
// one per date. Times of day are whole milliseconds after midnight, from 00:00 to 24:00 inclusive
// (24:00 ends a block that runs to midnight), so working-time arithmetic is plain integer
// arithmetic on the same tick as CProjectTime. Loading refuses times outside that range and more
// time blocks than a day type may hold, with CArchiveException.
#pragma once

#include <compare>
#include <cstdint>
#include <vector>

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/base/CKelvaraEnumeration.h"
#include "kelvara/base/Identifiers.h"
#include "kelvara/base/Values.h"

// Whether a day type is worked. Values outside the table load as stored.
KELVARA_ENUMERATION(CDayType,
                    (Working, 1, "Working"),
                    (NonWorking, 2, "Non-Working"))

// A time of day, 00:00 to 24:00. Constructors clamp into that range.
class CProjectTimeOfDay {
public:
    static constexpr int kMillisecondsPerDay = 24 * 60 * 60 * 1000;

    CProjectTimeOfDay() = default;
    CProjectTimeOfDay(int hour, int minute, int second = 0);
    static CProjectTimeOfDay fromMilliseconds(std::int64_t milliseconds) noexcept;

    int getMilliseconds() const noexcept { return m_milliseconds; }
    int getHour() const noexcept { return m_milliseconds / 3600000; }
    int getMinute() const noexcept { return m_milliseconds / 60000 % 60; }
    int getSecond() const noexcept { return m_milliseconds / 1000 % 60; }

    auto operator<=>(const CProjectTimeOfDay&) const = default;
    bool operator==(const CProjectTimeOfDay&) const = default;

    // A 32-bit count of milliseconds.
    void Serialize(CKelvaraArchive& ar);

private:
    int m_milliseconds = 0;
};

// A span of a day from a start to an end time. A span whose end is not after its start holds no
// time (getDuration answers 0).
class CProjectTimeOfDaySpan {
public:
    CProjectTimeOfDaySpan() = default;
    CProjectTimeOfDaySpan(const CProjectTimeOfDay& start, const CProjectTimeOfDay& end) : m_start(start), m_end(end) {}

    const CProjectTimeOfDay& getStart() const noexcept { return m_start; }
    const CProjectTimeOfDay& getEnd() const noexcept { return m_end; }
    void setStart(const CProjectTimeOfDay& start) noexcept { m_start = start; }
    void setEnd(const CProjectTimeOfDay& end) noexcept { m_end = end; }
    // Milliseconds from start to end, 0 when the end is not after the start.
    int getDuration() const noexcept {
        return m_end > m_start ? m_end.getMilliseconds() - m_start.getMilliseconds() : 0;
    }

    bool operator==(const CProjectTimeOfDaySpan&) const = default;

    // The start, then the end.
    void Serialize(CKelvaraArchive& ar);

private:
    CProjectTimeOfDay m_start;
    CProjectTimeOfDay m_end;
};

// A day type's time blocks, in the order they were set (SortElementsByStart orders them). The
// list itself holds any number; a day type keeps at most kMaxSpans and loading refuses more.
class CProjectTimeOfDaySpanArray {
public:
    static constexpr int kMaxSpans = 24;

    int GetSize() const noexcept { return static_cast<int>(m_spans.size()); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    // A shared empty span out of range.
    const CProjectTimeOfDaySpan& GetAt(int index) const;
    const CProjectTimeOfDaySpan& operator[](int index) const { return GetAt(index); }
    // False (nothing changed) out of range.
    bool SetAt(int index, const CProjectTimeOfDaySpan& span);
    int Add(const CProjectTimeOfDaySpan& span);
    // False (nothing inserted) for an index outside 0 .. count.
    bool InsertAt(int index, const CProjectTimeOfDaySpan& span);
    bool RemoveAt(int index);
    void RemoveAll() noexcept { m_spans.clear(); }
    // Ascending start; spans with one start keep their order.
    void SortElementsByStart();
    // The worked milliseconds of all spans added up (overlaps counted twice: validate first).
    std::int64_t getTotalDuration() const noexcept;

    bool operator==(const CProjectTimeOfDaySpanArray&) const = default;

    // A 32-bit count, then each span. Loading refuses a count above kMaxSpans.
    void Serialize(CKelvaraArchive& ar);

private:
    std::vector<CProjectTimeOfDaySpan> m_spans;
};

// The standard week: a day type for each week day, day 1 Sunday to day 7 Saturday.
class CCalendarWeek {
public:
    static constexpr int kDays = 7;

    // The week day (1 Sunday .. 7 Saturday) of a date, given as milliseconds since 1970-01-01
    // 00:00 UTC (any time within the day); 0 for an unset date.
    static int dayOfWeek(const CProjectDate& date) noexcept;

    // A shared null identifier for a day outside 1 .. 7.
    const CCalendarDayTypeID& getDay(int day) const noexcept;
    // False (nothing changed) for a day outside 1 .. 7.
    bool setDay(int day, const CCalendarDayTypeID& dayType) noexcept;

    bool operator==(const CCalendarWeek&) const = default;

    // Record "CalendarWeek": the seven identifiers, day 1 first.
    void Serialize(CKelvaraArchive& ar);

private:
    CCalendarDayTypeID m_days[kDays];
};

// One date that a calendar works to another day type than its week gives.
class CCalendarException {
public:
    CCalendarException() = default;
    CCalendarException(const CProjectDate& date, const CCalendarDayTypeID& dayType) : m_dayType(dayType), m_date(date) {}

    const CCalendarDayTypeID& getCalendarDayTypeID() const noexcept { return m_dayType; }
    void setCalendarDayTypeID(const CCalendarDayTypeID& dayType) noexcept { m_dayType = dayType; }
    const CProjectDate& getDate() const noexcept { return m_date; }
    void setDate(const CProjectDate& date) noexcept { m_date = date; }

    bool operator==(const CCalendarException&) const = default;

    // Record "CalendarException": the day type, then the date.
    void Serialize(CKelvaraArchive& ar);
    static constexpr const char* kRecordName = "CalendarException";

private:
    CCalendarDayTypeID m_dayType;
    CProjectDate m_date;
};

// A calendar's exceptions: at most one per date, in a caller-chosen element order, with an index
// in date order beside them for lookups. Every insertion refuses a date already held. Its record is
// the owning arrays' "CUniquePointerArray" record (count, then each exception's record and its
// date-index entry); loading rebuilds the index from the dates, keeps the first exception of a date
// repeated in a damaged file, and takes the list over only once the whole record has been read.
class CCalendarExceptionArray {
public:
    int GetSize() const noexcept { return static_cast<int>(m_elements.size()); }
    int GetUpperBound() const noexcept { return GetSize() - 1; }
    // A shared default exception out of range.
    const CCalendarException& GetAt(int index) const;
    const CCalendarException& operator[](int index) const { return GetAt(index); }
    // Replaces the exception at index; false out of range or when another exception holds the date.
    bool SetAt(int index, const CCalendarException& exception);
    // Appends; the new position, or -1 when the date is held already.
    int Add(const CCalendarException& exception);
    // False (nothing inserted) for an index outside 0 .. count or a date held already.
    bool InsertAt(int index, const CCalendarException& exception);
    bool RemoveAt(int index);
    void RemoveAll() noexcept;
    // The position of the exception for the date, or -1.
    int findByDate(const CProjectDate& date) const;
    // The position at place `place` of the date order (dates ascending), or -1 out of range.
    int getOrderedIndex(int place) const noexcept;

    // Element by element in element order.
    bool operator==(const CCalendarExceptionArray& other) const { return m_elements == other.m_elements; }

    void Serialize(CKelvaraArchive& ar);

private:
    int findPlace(const CProjectDate& date) const;   // first place whose date is not before date
    void rebuildIndex();

    std::vector<CCalendarException> m_elements;
    std::vector<int> m_byDate;   // positions in ascending date order
};
