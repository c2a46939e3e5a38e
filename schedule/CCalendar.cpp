#include "kelvara/schedule/CCalendar.h"

#include <memory>
#include <new>

#include "kelvara/framework/Trees.h"

KELVARA_DEFINE_KIND(Calendar)

CCalendar::~CCalendar() = default;

ICalendar* createTemporaryCalendar() { return new (std::nothrow) CCalendar(); }

ICalendarDayTypeHandle CCalendar::getInvalidDayType() {
    static const CCalendarDayType missing;
    return missing.getHandle();
}

void CCalendar::clear() {
    // A cleared calendar equals a new one, so the name goes back to unset as well as empty.
    setName(CProjectString());
    removeAllSubCalendars();

    CCalendarDayType working;
    working.setDescription(CString(L"Normal Working Day"));
    working.setColor(CProjectColorRGB(0xC8D0D4ul));
    working.setDayType(CDayType::Working);
    working.setTimeBlock(0, CProjectTimeOfDaySpan(CProjectTimeOfDay(9, 0), CProjectTimeOfDay(17, 0)));

    CCalendarDayType nonWorking;
    nonWorking.setDescription(CString(L"Non-Working Day"));
    nonWorking.setColor(CProjectColorRGB(0x808080ul));
    nonWorking.setDayType(CDayType::NonWorking);

    setID(defaultCalendarID());
    working.setID(workingDayTypeID());
    nonWorking.setID(nonWorkingDayTypeID());

    removeAllCalendarDayTypes();
    (void)addCalendarDayType(working);
    (void)addCalendarDayType(nonWorking);
    removeAllCalendarDayExceptions();
    setCalendarWeek(defaultWeek());
}

bool CCalendar::generateIDs() {
    // Everything is worked out aside and taken over only when every reference was found, so a
    // dangling reference leaves the calendar as it was.
    CCalendarID id(getID());
    id.generate();

    const CCalendarDayTypeArray& old = *m_CalendarDayTypes;
    CCalendarDayTypeArray renewed;
    for (int i = 0; i < old.GetSize(); ++i) {
        CCalendarDayType copy(*old.elementAt(i));
        copy.generateIDs();
        // Fresh identifiers never collide, so position i of the new list renews position i.
        if (renewed.Add(copy) != i) return false;
    }
    auto renewedID = [&](const CCalendarDayTypeID& current, CCalendarDayTypeID& out) {
        const int position = old.findByID(current);
        if (position < 0 || position >= renewed.GetSize()) return false;
        out = renewed.elementAt(position)->getID();
        return true;
    };

    CCalendarWeek week(getCalendarWeek());
    for (int day = 1; day <= CCalendarWeek::kDays; ++day) {
        CCalendarDayTypeID dayType;
        if (!renewedID(week.getDay(day), dayType)) return false;
        week.setDay(day, dayType);
    }
    // Only day types change, never dates, so the date index stays valid.
    CCalendarExceptionArray exceptions(m_CalendarDayExceptions);
    for (int i = 0; i < exceptions.GetSize(); ++i) {
        CCalendarException exception = exceptions[i];
        CCalendarDayTypeID dayType;
        if (!renewedID(exception.getCalendarDayTypeID(), dayType)) return false;
        exception.setCalendarDayTypeID(dayType);
        exceptions.SetAt(i, exception);
    }

    setID(id);
    setCalendarWeek(week);
    m_CalendarDayExceptions = std::move(exceptions);
    *m_CalendarDayTypes = renewed;

    bool all = true;
    CCalendarArray& subCalendars = *m_SubCalendars;
    for (int i = 0; i < subCalendars.GetSize(); ++i)
        if (!subCalendars.elementAt(i)->generateIDs()) all = false;
    // The identifiers changed in place: the ordered index is rebuilt from them, or lookups and
    // the duplicate check would search by the old ones.
    subCalendars.discardSorting();
    subCalendars.sort();
    return all;
}

int CCalendar::addSubCalendar(const ICalendar& calendar) { return m_SubCalendars->Add(calendar); }

void CCalendar::insertSubCalendar(const ICalendar& calendar, int index) {
    if (index < 0 || index > m_SubCalendars->GetSize()) return;
    m_SubCalendars->InsertAt(index, calendar);
}

bool CCalendar::removeSubCalendar(const CCalendarID& id) {
    const int position = m_SubCalendars->findByID(id);
    if (position < 0) return false;
    if (m_SubCalendars->isSorted()) m_SubCalendars->RemoveAt(position);
    else m_SubCalendars->RemoveAtNoSort(position);
    return true;
}

void CCalendar::removeAllSubCalendars() { m_SubCalendars->RemoveAll(); }

bool CCalendar::attachSubCalendar(ICalendarWritableHandle handle, int index) {
    if (index < 0 || index > m_SubCalendars->GetSize()) return false;
    auto* calendar = dynamic_cast<CCalendar*>(handle.get());
    if (!calendar || m_SubCalendars->findByID(calendar->getID()) >= 0) return false;
    // This calendar under itself, or under one of its own sub-calendars, would make a cycle.
    if (kelvara::detail::inSubtree<ICalendar>(*calendar, this, &ICalendar::getSubCalendars)) return false;
    const int before = m_SubCalendars->GetSize();
    m_SubCalendars->Attach(index, calendar);
    return m_SubCalendars->GetSize() > before;
}

ICalendarWritableHandle CCalendar::detachSubCalendar(const CCalendarID& id) {
    const int position = m_SubCalendars->findByID(id);
    if (position < 0) return ICalendarWritableHandle();
    CCalendar* calendar = m_SubCalendars->isSorted() ? m_SubCalendars->Detach(position) : m_SubCalendars->DetachNoSort(position);
    return calendar ? calendar->getWritableHandle() : ICalendarWritableHandle();
}

int CCalendar::addCalendarException(const CCalendarException& exception, int index) {
    if (index >= 0 && index <= m_CalendarDayExceptions.GetUpperBound())
        return m_CalendarDayExceptions.InsertAt(index, exception) ? index : -1;
    return m_CalendarDayExceptions.Add(exception);
}

bool CCalendar::removeCalendarDayException(int index) { return m_CalendarDayExceptions.RemoveAt(index); }

void CCalendar::removeAllCalendarDayExceptions() { m_CalendarDayExceptions.RemoveAll(); }

void CCalendar::setCalendarDayExceptions(const CCalendarExceptionArray& source) {
    if (&source == &m_CalendarDayExceptions) return;
    removeAllCalendarDayExceptions();
    for (int i = 0; i <= source.GetUpperBound(); ++i) (void)addCalendarException(source[i], -1);
}

int CCalendar::addCalendarDayType(const ICalendarDayType& dayType) { return m_CalendarDayTypes->Add(dayType); }

bool CCalendar::editCalendarDayType(const ICalendarDayType& dayType) {
    const int position = m_CalendarDayTypes->findByID(dayType.getID());
    if (position < 0) return false;
    m_CalendarDayTypes->elementAt(position)->copyFrom(dayType);
    return true;
}

bool CCalendar::removeCalendarDayType(int index) {
    if (index < 0 || index >= m_CalendarDayTypes->GetSize()) return false;
    m_CalendarDayTypes->RemoveAt(index);
    return true;
}

void CCalendar::removeAllCalendarDayTypes() { m_CalendarDayTypes->RemoveAll(); }

void CCalendar::setCalendarDayTypes(const CCalendarDayTypeArray& source) {
    if (&source == &*m_CalendarDayTypes) return;
    removeAllCalendarDayTypes();
    for (int i = 0; i < source.GetSize(); ++i) (void)addCalendarDayType(*source.elementAt(i));
}
