// A dependency between two tasks, stored with the successor: it names the upstream task, the
// link type, and a delay counted in a calendar.
#pragma once

#include "kelvara/base/Enumerations.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(Link)

#define KELVARA_LINK_FIELDS(F)              \
    F(IDENTITY, CLinkID, ID)                \
    F(VALUE, CTaskID, UpstreamTaskID)       \
    F(VALUE, CCalendarID, DelayCalendarID)  \
    F(VALUE, CLinkType, Type)               \
    F(VALUE, CLinkStatus, Status)           \
    F(VALUE, CLinkDelayType, DelayType)     \
    F(VALUE, CProjectDuration, Delay)

class ILink : public CRecord<ILink> {
    KELVARA_INTERFACE(Link)
    KELVARA_RECORD(ILink, "Link", KELVARA_LINK_FIELDS)

public:
    // Defaults: a fresh identifier, no upstream task or calendar, finish-to-start, status not set,
    // a delay of zero counted as a duration.
    void initialize();
    void initialize(const CTaskID& upstreamTask, const CLinkType& type);
};

KELVARA_INTERFACE_ARRAY(Link, CLinkID, false)
