// The working calendars of a project by identifier (see CalendarSet.h).
#include "kelvara/scheduling/CalendarSet.h"

#include <utility>

#include "kelvara/base/ICalendar.h"
#include "kelvara/schedule/CCalendar.h"

CCalendarSet::CCalendarSet() : m_fallback(CCalendar()) {}

CCalendarSet::CCalendarSet(const CCalendarRoot& root) : CCalendarSet() {
    const CCalendarArray& calendars = root.getArray();
    for (int i = 0; i < calendars.GetSize(); ++i)
        if (const CCalendar* calendar = calendars.elementAt(i)) addTree(*calendar);
}

CCalendarSet::CCalendarSet(const ICalendarArrayHandle& calendars) : CCalendarSet() {
    for (int i = 0; i < calendars.GetSize(); ++i) {
        const ICalendarHandle calendar = calendars[i];
        if (!calendar.isNull()) addTree(*calendar);
    }
}

namespace {

// The day types of the calendars above the one being read, each identifier mapped to its holders
// outermost first, so the last is the nearest: entering a calendar's sub-calendars pushes its day
// types, leaving them pops them. A lookup costs the same at any depth.
class AncestorDayTypes {
public:
    void enter(const ICalendar& calendar) {
        const ICalendarDayTypeArrayHandle dayTypes = calendar.getCalendarDayTypes();
        for (int i = 0; i < dayTypes.GetSize(); ++i)
            if (const ICalendarDayType* dayType = dayTypes[i].get()) m_holders[dayType->getID()].push_back(dayType);
    }
    void leave(const ICalendar& calendar) {
        const ICalendarDayTypeArrayHandle dayTypes = calendar.getCalendarDayTypes();
        for (int i = 0; i < dayTypes.GetSize(); ++i) {
            const ICalendarDayType* dayType = dayTypes[i].get();
            if (!dayType) continue;
            const auto found = m_holders.find(dayType->getID());
            if (found == m_holders.end()) continue;
            found->second.pop_back();
            if (found->second.empty()) m_holders.erase(found);
        }
    }
    const ICalendarDayType* nearest(const CCalendarDayTypeID& id) const {
        const auto found = m_holders.find(id);
        return found == m_holders.end() ? nullptr : found->second.back();
    }

private:
    std::unordered_map<CCalendarDayTypeID, std::vector<const ICalendarDayType*>, CIDHash> m_holders;
};

}  // namespace

void CCalendarSet::addTree(const ICalendar& top) {
    // The calendar's own day types first, then the nearest ancestor's.
    struct Source final : CWorkingCalendar::DayTypeSource {
        Source(const ICalendar& calendar, const AncestorDayTypes& ancestors) : m_calendar(calendar), m_ancestors(ancestors) {}
        const ICalendarDayType* find(const CCalendarDayTypeID& id) const override {
            const ICalendarDayTypeArrayHandle own = m_calendar.getCalendarDayTypes();
            const int position = own.findByID(id);
            return position >= 0 ? own[position].get() : m_ancestors.nearest(id);
        }
        const ICalendar& m_calendar;
        const AncestorDayTypes& m_ancestors;
    };
    AncestorDayTypes ancestors;
    auto visit = [&](const ICalendar& calendar) {
        // The first calendar met keeps the identifier; the null identifier always answers the fallback.
        if (calendar.getID().isNULL() || m_positions.count(calendar.getID())) return;
        m_calendars.push_back(CWorkingCalendar(calendar, Source(calendar, ancestors)));
        m_positions.emplace(calendar.getID(), static_cast<int>(m_calendars.size()) - 1);
    };

    // Depth first with an explicit stack: a level is a calendar's list of sub-calendars and the
    // next position to read in it.
    struct Level {
        const ICalendar* owner;
        ICalendarArrayHandle list;
        int next = 0;
    };
    std::vector<Level> levels;
    auto descend = [&](const ICalendar& calendar) {
        ancestors.enter(calendar);
        levels.push_back(Level{&calendar, calendar.getSubCalendars(), 0});
    };
    visit(top);
    descend(top);
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next >= level.list.GetSize()) {
            ancestors.leave(*level.owner);
            levels.pop_back();
            continue;
        }
        const ICalendarHandle handle = level.list[level.next++];
        if (handle.isNull()) continue;
        const ICalendar& calendar = *handle;   // stored in the tree, so it outlives the handle
        visit(calendar);
        descend(calendar);   // `level` is not used after this
    }
}

const CWorkingCalendar& CCalendarSet::get(const CCalendarID& id) const {
    const auto found = m_positions.find(id);
    return found == m_positions.end() ? m_fallback : m_calendars[static_cast<std::size_t>(found->second)];
}

bool CCalendarSet::contains(const CCalendarID& id) const { return m_positions.count(id) != 0; }
