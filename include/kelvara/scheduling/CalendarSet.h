// The working time of every calendar of a project, looked up by calendar identifier: what the
// scheduling engine asks when a task, a link or a resource names its calendar.
//
// Built once from the project's top-level calendars; every calendar and sub-calendar of the trees
// below them is read (without recursion, so trees of any depth are fine) into one
// CWorkingCalendar, a sub-calendar's day types falling back to those of the calendars above it,
// nearest first. When an identifier occurs more than once (a damaged or merged file), the first
// calendar met wins: top-level calendars in list order, each followed by its sub-calendars, depth
// first, in list order.
//
// get() never fails: the null identifier (even on a damaged calendar that carries it), and one
// that no calendar holds, answer the fallback
// calendar, the working time of a new default calendar (Monday to Friday, 09:00 to 17:00, no
// exceptions), so a task without a calendar is scheduled on the standard week.
//
// The set copies what it needs: the calendars may change or go after it is built (it then
// answers for the calendars as they were). Built, it is immutable and may be asked from any
// number of threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "kelvara/base/IDHash.h"
#include "kelvara/base/Identifiers.h"
#include "kelvara/scheduling/WorkingCalendar.h"

class ICalendarArrayHandle;
class CCalendarRoot;

class CCalendarSet {
public:
    // No calendars: every identifier answers the fallback.
    CCalendarSet();
    // The calendars of a project's calendar root and their sub-calendars.
    explicit CCalendarSet(const CCalendarRoot& root);
    // The calendars of a list of top-level calendars and their sub-calendars.
    explicit CCalendarSet(const ICalendarArrayHandle& calendars);

    // The working time of the calendar with the identifier; the fallback when none holds it.
    [[nodiscard]] const CWorkingCalendar& get(const CCalendarID& id) const;
    [[nodiscard]] bool contains(const CCalendarID& id) const;
    // The number of distinct (non-null) calendar identifiers read.
    [[nodiscard]] int size() const noexcept { return static_cast<int>(m_calendars.size()); }
    // The working time of a new default calendar.
    [[nodiscard]] const CWorkingCalendar& fallback() const noexcept { return m_fallback; }

private:
    void addTree(const ICalendar& top);

    std::vector<CWorkingCalendar> m_calendars;
    std::unordered_map<CCalendarID, int, CIDHash> m_positions;   // identifier -> index into m_calendars
    CWorkingCalendar m_fallback;
};
