// The calendar's values (see CalendarValues.h): clamped times of day, checked loading, and the
// date index of the exception list.
#include "kelvara/base/CalendarValues.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>

namespace {

int clampToDay(std::int64_t milliseconds) noexcept {
    return static_cast<int>(std::clamp<std::int64_t>(milliseconds, 0, CProjectTimeOfDay::kMillisecondsPerDay));
}

// Day n (counted from 1970-01-01, a Thursday) of the week numbered 1 Sunday .. 7 Saturday.
int weekDayOfDayNumber(std::int64_t dayNumber) noexcept {
    const std::int64_t fromSunday = ((dayNumber + 4) % 7 + 7) % 7;
    return static_cast<int>(fromSunday) + 1;
}

}  // namespace

CProjectTimeOfDay::CProjectTimeOfDay(int hour, int minute, int second)
    : m_milliseconds(clampToDay((static_cast<std::int64_t>(hour) * 3600 + static_cast<std::int64_t>(minute) * 60 + second) * 1000)) {}

CProjectTimeOfDay CProjectTimeOfDay::fromMilliseconds(std::int64_t milliseconds) noexcept {
    CProjectTimeOfDay time;
    time.m_milliseconds = clampToDay(milliseconds);
    return time;
}

void CProjectTimeOfDay::Serialize(CKelvaraArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_milliseconds;
        return;
    }
    int milliseconds = 0;
    ar >> milliseconds;
    if (milliseconds < 0 || milliseconds > kMillisecondsPerDay)
        ar.fail(CArchiveException::badIndex, "a time of day outside 00:00 .. 24:00 (" + std::to_string(milliseconds) + " ms)");
    m_milliseconds = milliseconds;
}

void CProjectTimeOfDaySpan::Serialize(CKelvaraArchive& ar) {
    m_start.Serialize(ar);
    m_end.Serialize(ar);
}

const CProjectTimeOfDaySpan& CProjectTimeOfDaySpanArray::GetAt(int index) const {
    static const CProjectTimeOfDaySpan empty;
    return (index < 0 || index >= GetSize()) ? empty : m_spans[static_cast<std::size_t>(index)];
}

bool CProjectTimeOfDaySpanArray::SetAt(int index, const CProjectTimeOfDaySpan& span) {
    if (index < 0 || index >= GetSize()) return false;
    m_spans[static_cast<std::size_t>(index)] = span;
    return true;
}

int CProjectTimeOfDaySpanArray::Add(const CProjectTimeOfDaySpan& span) {
    m_spans.push_back(span);
    return GetSize() - 1;
}

bool CProjectTimeOfDaySpanArray::InsertAt(int index, const CProjectTimeOfDaySpan& span) {
    if (index < 0 || index > GetSize()) return false;
    m_spans.insert(m_spans.begin() + index, span);
    return true;
}

bool CProjectTimeOfDaySpanArray::RemoveAt(int index) {
    if (index < 0 || index >= GetSize()) return false;
    m_spans.erase(m_spans.begin() + index);
    return true;
}

void CProjectTimeOfDaySpanArray::SortElementsByStart() {
    std::stable_sort(m_spans.begin(), m_spans.end(),
                     [](const CProjectTimeOfDaySpan& a, const CProjectTimeOfDaySpan& b) { return a.getStart() < b.getStart(); });
}

std::int64_t CProjectTimeOfDaySpanArray::getTotalDuration() const noexcept {
    std::int64_t total = 0;
    for (const auto& span : m_spans) total += span.getDuration();
    return total;
}

void CProjectTimeOfDaySpanArray::Serialize(CKelvaraArchive& ar) {
    if (ar.IsStoring()) {
        ar << GetSize();
        for (auto& span : m_spans) span.Serialize(ar);
        return;
    }
    const int count = ar.readCount("time blocks", 8);
    if (count > kMaxSpans)
        ar.fail(CArchiveException::badIndex, std::to_string(count) + " time blocks, more than a day type holds");
    std::vector<CProjectTimeOfDaySpan> spans(static_cast<std::size_t>(count));
    for (auto& span : spans) span.Serialize(ar);
    m_spans = std::move(spans);
}

int CCalendarWeek::dayOfWeek(const CProjectDate& date) noexcept {
    if (!date.isValid()) return 0;
    constexpr std::int64_t msPerDay = CProjectTimeOfDay::kMillisecondsPerDay;
    const std::int64_t ms = date.getValue();
    // Floor division, so that days before 1970 are numbered like those after.
    const std::int64_t dayNumber = ms / msPerDay - ((ms % msPerDay) < 0 ? 1 : 0);
    return weekDayOfDayNumber(dayNumber);
}

const CCalendarDayTypeID& CCalendarWeek::getDay(int day) const noexcept {
    static const CCalendarDayTypeID none;
    return (day < 1 || day > kDays) ? none : m_days[day - 1];
}

bool CCalendarWeek::setDay(int day, const CCalendarDayTypeID& dayType) noexcept {
    if (day < 1 || day > kDays) return false;
    m_days[day - 1] = dayType;
    return true;
}

void CCalendarWeek::Serialize(CKelvaraArchive& ar) {
    ar.checkMarkerStart("CalendarWeek");
    for (auto& day : m_days) day.Serialize(ar);
    ar.checkMarkerEnd("CalendarWeek");
}

void CCalendarException::Serialize(CKelvaraArchive& ar) {
    ar.checkMarkerStart(kRecordName);
    m_dayType.Serialize(ar);
    m_date.Serialize(ar);
    ar.checkMarkerEnd(kRecordName);
}

const CCalendarException& CCalendarExceptionArray::GetAt(int index) const {
    static const CCalendarException none;
    return (index < 0 || index >= GetSize()) ? none : m_elements[static_cast<std::size_t>(index)];
}

int CCalendarExceptionArray::findPlace(const CProjectDate& date) const {
    const auto at = std::lower_bound(m_byDate.begin(), m_byDate.end(), date, [this](int position, const CProjectDate& d) {
        return m_elements[static_cast<std::size_t>(position)].getDate() < d;
    });
    return static_cast<int>(at - m_byDate.begin());
}

int CCalendarExceptionArray::findByDate(const CProjectDate& date) const {
    const int place = findPlace(date);
    if (place >= static_cast<int>(m_byDate.size())) return -1;
    const int position = m_byDate[static_cast<std::size_t>(place)];
    return m_elements[static_cast<std::size_t>(position)].getDate() == date ? position : -1;
}

int CCalendarExceptionArray::getOrderedIndex(int place) const noexcept {
    return (place < 0 || place >= static_cast<int>(m_byDate.size())) ? -1 : m_byDate[static_cast<std::size_t>(place)];
}

bool CCalendarExceptionArray::SetAt(int index, const CCalendarException& exception) {
    if (index < 0 || index >= GetSize()) return false;
    const int holder = findByDate(exception.getDate());
    if (holder >= 0 && holder != index) return false;
    m_elements[static_cast<std::size_t>(index)] = exception;
    if (holder < 0) rebuildIndex();   // the date changed: its place in the index moves
    return true;
}

int CCalendarExceptionArray::Add(const CCalendarException& exception) {
    const int position = GetSize();
    return InsertAt(position, exception) ? position : -1;
}

bool CCalendarExceptionArray::InsertAt(int index, const CCalendarException& exception) {
    if (index < 0 || index > GetSize() || findByDate(exception.getDate()) >= 0) return false;
    m_elements.insert(m_elements.begin() + index, exception);
    for (int& position : m_byDate)
        if (position >= index) ++position;
    const int place = static_cast<int>(
        std::lower_bound(m_byDate.begin(), m_byDate.end(), exception.getDate(),
                         [this](int position, const CProjectDate& d) {
                             return m_elements[static_cast<std::size_t>(position)].getDate() < d;
                         }) -
        m_byDate.begin());
    m_byDate.insert(m_byDate.begin() + place, index);
    return true;
}

bool CCalendarExceptionArray::RemoveAt(int index) {
    if (index < 0 || index >= GetSize()) return false;
    m_byDate.erase(std::find(m_byDate.begin(), m_byDate.end(), index));
    for (int& position : m_byDate)
        if (position > index) --position;
    m_elements.erase(m_elements.begin() + index);
    return true;
}

void CCalendarExceptionArray::RemoveAll() noexcept {
    m_elements.clear();
    m_byDate.clear();
}

void CCalendarExceptionArray::rebuildIndex() {
    m_byDate.resize(m_elements.size());
    for (std::size_t i = 0; i < m_byDate.size(); ++i) m_byDate[i] = static_cast<int>(i);
    std::stable_sort(m_byDate.begin(), m_byDate.end(), [this](int a, int b) {
        return m_elements[static_cast<std::size_t>(a)].getDate() < m_elements[static_cast<std::size_t>(b)].getDate();
    });
}

void CCalendarExceptionArray::Serialize(CKelvaraArchive& ar) {
    // The same layout as the owning arrays: files before the indexed version hold no index entries.
    constexpr int kIndexedArrayVersion = 193;
    constexpr const char* kMarker = "CUniquePointerArray";
    const bool indexed = ar.fileVersion() >= kIndexedArrayVersion;
    ar.checkMarkerStart(kMarker);
    if (ar.IsStoring()) {
        ar << GetSize();
        for (int p = 0; p < GetSize(); ++p) {
            m_elements[static_cast<std::size_t>(p)].Serialize(ar);
            if (indexed) ar << m_byDate[static_cast<std::size_t>(p)];
        }
        ar.checkMarkerEnd(kMarker);
        return;
    }
    RemoveAll();
    const int count = ar.readCount("calendar exceptions", CKelvaraArchive::kMinRecordBytes + (indexed ? 4 : 0));
    std::vector<CCalendarException> loaded;
    loaded.reserve(static_cast<std::size_t>(count));
    std::set<CProjectDate> dates;
    for (int p = 0; p < count; ++p) {
        CCalendarException exception;
        exception.Serialize(ar);
        if (indexed) {
            int entry = 0;
            ar >> entry;   // the index is rebuilt from the dates, never trusted
        }
        if (dates.insert(exception.getDate()).second) loaded.push_back(exception);
    }
    ar.checkMarkerEnd(kMarker);
    m_elements = std::move(loaded);
    rebuildIndex();
}
