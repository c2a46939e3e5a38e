// The stored form of a link (see ILink).
#pragma once

#include "kelvara/base/ILink.h"

class CLink : public ILink {
    KELVARA_OBJECT(Link)
    KELVARA_RECORD_MEMBERS(KELVARA_LINK_FIELDS)

public:
    CLink() { initialize(); }
    CLink(const CTaskID& upstreamTask, const CLinkType& type) { initialize(upstreamTask, type); }
    ~CLink() override = default;
};

KELVARA_KIND_FAMILY(Link, CLinkID, false)
