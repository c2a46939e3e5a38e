// The stored form of a supply chain (see ISupplyChain). It is embedded in its task, so there are
// handles on it but no list of them.
#pragma once

#include "kelvara/base/ISupplyChain.h"

class CSupplyChain : public ISupplyChain {
    KELVARA_OBJECT(SupplyChain)
    KELVARA_RECORD_MEMBERS(KELVARA_SUPPLY_CHAIN_FIELDS)

public:
    CSupplyChain() { initialize(CCompanyID::getNullID()); }
    explicit CSupplyChain(const CCompanyID& supplier) { initialize(supplier); }
    ~CSupplyChain() override = default;
};

KELVARA_OBJECT_FAMILY(SupplyChain)
