// The stored form of a supply chain (see ISupplyChain). It is embedded in its task, so there are
// handles on it but no list of them.
#pragma once

#include "kelvara/base/ISupplyChain.h"
#include "kelvara/framework/Family.h"

class CSupplyChain : public ISupplyChain {
    KELVARA_OBJECT(SupplyChain)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_SupplyChain)

public:
    explicit CSupplyChain(const CCompanyID& supplier) { initialize(supplier); }
    ~CSupplyChain() override = default;
};

KELVARA_OBJECT_FAMILY(SupplyChain)
