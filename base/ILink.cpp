#include "kelvara/base/ILink.h"

void ILink::initialize() { initialize(CTaskID(), CLinkType(CLinkType::FinishToStart)); }

void ILink::initialize(const CTaskID& upstreamTask, const CLinkType& type) {
    getWritableID().generate();
    setUpstreamTaskID(upstreamTask);
    setDelayCalendarID(CCalendarID());
    setType(type);
    setStatus(CLinkStatus(CLinkStatus::NotSet));
    setDelayType(CLinkDelayType(CLinkDelayType::Duration));
    setDelay(CProjectDuration(0));
}
