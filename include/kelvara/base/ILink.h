// A dependency between two tasks, stored with the successor: it names the upstream task, the
// link type, and a delay counted in a calendar.
#pragma once

#include "kelvara/base/Enumerations.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_Link(F) \
    F(IDENTITY, CLinkID, ID, CLinkID::generated(), 1)                     \
    F(VALUE, CTaskID, UpstreamTaskID, {}, 1)                              \
    F(VALUE, CCalendarID, DelayCalendarID, {}, 1)                         \
    F(VALUE, CLinkType, Type, CLinkType::FinishToStart, 1)                \
    F(VALUE, CLinkStatus, Status, CLinkStatus::NotSet, 1)                 \
    F(VALUE, CLinkDelayType, DelayType, CLinkDelayType::Duration, 1)      \
    F(VALUE, CProjectDuration, Delay, CProjectDuration(0), 1)

class ILink : public CRecord<ILink> {
    KELVARA_INTERFACE(Link)
    KELVARA_RECORD(ILink, "Link", KELVARA_FIELDS_Link)

public:
    using CRecord<ILink>::initialize;
    // The defaults, with the given upstream task and type.
    void initialize(const CTaskID& upstreamTask, const CLinkType& type);
};

