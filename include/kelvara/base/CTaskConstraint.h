// When a task may start or finish: a constraint type bounded by an early and a late date. A plain
// value held by tasks and baseline records; a new one is of type None with both dates unset.
#pragma once

#include "kelvara/base/CKelvaraArchive.h"
#include "kelvara/base/ScheduleEnumerations.h"
#include "kelvara/base/Values.h"

class CTaskConstraint {
public:
    CTaskConstraint() = default;
    CTaskConstraint(const CTaskConstraintType& type, const CProjectTime& earlyDate, const CProjectTime& lateDate)
        : m_type(type), m_earlyDate(earlyDate), m_lateDate(lateDate) {}

    const CTaskConstraintType& getType() const noexcept { return m_type; }
    const CProjectTime& getEarlyDate() const noexcept { return m_earlyDate; }
    const CProjectTime& getLateDate() const noexcept { return m_lateDate; }
    void setType(const CTaskConstraintType& type) { m_type = type; }
    void setEarlyDate(const CProjectTime& date) { m_earlyDate = date; }
    void setLateDate(const CProjectTime& date) { m_lateDate = date; }

    bool operator==(const CTaskConstraint& other) const {
        return m_type == other.m_type && m_earlyDate == other.m_earlyDate && m_lateDate == other.m_lateDate;
    }
    bool operator!=(const CTaskConstraint& other) const { return !(*this == other); }

    // Record "TaskConstraint": the type, the early date, the late date.
    void Serialize(CKelvaraArchive& ar) {
        ar.checkMarkerStart(kRecordName);
        m_type.Serialize(ar);
        m_earlyDate.Serialize(ar);
        m_lateDate.Serialize(ar);
        ar.checkMarkerEnd(kRecordName);
    }

    static constexpr const char* kRecordName = "TaskConstraint";

private:
    CTaskConstraintType m_type;
    CProjectTime m_earlyDate;
    CProjectTime m_lateDate;
};
