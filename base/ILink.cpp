#include "kelvara/base/ILink.h"

void ILink::initialize(const CTaskID& upstreamTask, const CLinkType& type) {
    initialize();
    setUpstreamTaskID(upstreamTask);
    setType(type);
}
