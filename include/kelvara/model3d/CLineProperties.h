// The stored line appearance of an entity (see ILineProperties).
#pragma once

#include "kelvara/base/ISubdivisionByUniformSlices.h"
#include "kelvara/framework/Family.h"

class CLineProperties : public ILineProperties {
    KELVARA_OBJECT(LineProperties)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_LineProperties)

public:
    ~CLineProperties() override = default;
};

KELVARA_OBJECT_FAMILY(LineProperties)
