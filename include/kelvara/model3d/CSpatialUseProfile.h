// The stored spatial use profile (see ISpatialUseProfile). A new one has a null identifier, no
// name, tests for intersection with no tolerance and belongs to no user or company.
#pragma once

#include "kelvara/base/ISpatialUseProfile.h"
#include "kelvara/framework/Family.h"

class CSpatialUseProfile : public ISpatialUseProfile {
    KELVARA_OBJECT(SpatialUseProfile)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_SpatialUseProfile)

public:
    ~CSpatialUseProfile() override = default;
};

KELVARA_ROOT_FAMILY(SpatialUseProfile)
