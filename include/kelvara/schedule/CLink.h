// The stored form of a link (see ILink).
#pragma once

#include "kelvara/base/ILink.h"
#include "kelvara/framework/Family.h"

class CLink : public ILink {
    KELVARA_OBJECT(Link)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Link)

public:
    CLink(const CTaskID& upstreamTask, const CLinkType& type) { initialize(upstreamTask, type); }
    ~CLink() override = default;
};

KELVARA_KIND_FAMILY(Link)
