// The stored form of a link (see ILink).
#pragma once

#include "kelvara/base/ILink.h"

class CLink : public ILink {
    KELVARA_OBJECT(Link)
    KELVARA_MEMBER(CLinkID, ID)
    KELVARA_MEMBER(CTaskID, UpstreamTaskID)
    KELVARA_MEMBER(CCalendarID, DelayCalendarID)
    KELVARA_MEMBER(CLinkType, Type)
    KELVARA_MEMBER(CLinkStatus, Status)
    KELVARA_MEMBER(CLinkDelayType, DelayType)
    KELVARA_MEMBER(CProjectDuration, Delay)

public:
    CLink() { initialize(); }
    CLink(const CTaskID& upstreamTask, const CLinkType& type) { initialize(upstreamTask, type); }
    ~CLink() override = default;
};

KELVARA_KIND_FAMILY(Link, CLinkID, false)
