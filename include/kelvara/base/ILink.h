// A dependency between two tasks, stored with the successor: it names the upstream task, the
// link type, and a delay counted in a calendar.
#pragma once

#include "kelvara/base/Enumerations.h"
#include "kelvara/base/Values.h"
#include "kelvara/framework/Family.h"

KELVARA_FORWARD(Link)

class ILink : public CRecord<ILink> {
    KELVARA_INTERFACE(Link)
    KELVARA_ACCESSORS(CLinkID, ID)
    KELVARA_ACCESSORS(CTaskID, UpstreamTaskID)
    KELVARA_ACCESSORS(CCalendarID, DelayCalendarID)
    KELVARA_ACCESSORS(CLinkType, Type)
    KELVARA_ACCESSORS(CLinkStatus, Status)
    KELVARA_ACCESSORS(CLinkDelayType, DelayType)
    KELVARA_ACCESSORS(CProjectDuration, Delay)

public:
    // Defaults: a fresh identifier, no upstream task or calendar, finish-to-start, status not set,
    // a delay of zero counted as a duration.
    void initialize();
    void initialize(const CTaskID& upstreamTask, const CLinkType& type);

    KELVARA_FIELDS(ILink, "Link", IDENTITY(ID), VALUE(UpstreamTaskID), VALUE(DelayCalendarID), VALUE(Type),
                   VALUE(Status), VALUE(DelayType), VALUE(Delay))
};

KELVARA_INTERFACE_ARRAY(Link, CLinkID, false)
