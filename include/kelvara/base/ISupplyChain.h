// Who supplies a task and whom it delivers to, as company identifiers. Every task embeds one.
#pragma once

#include "kelvara/framework/Family.h"

KELVARA_FORWARD(SupplyChain)

#define KELVARA_SUPPLY_CHAIN_FIELDS(F)          \
    F(IDENTITY, CSupplyChainID, ID)             \
    F(VALUE, CCompanyID, SupplierID)            \
    F(VALUE, CCompanyIDArray, CustomerID)

class ISupplyChain : public CRecord<ISupplyChain> {
    KELVARA_INTERFACE(SupplyChain)
    KELVARA_RECORD(ISupplyChain, "SupplyChain", KELVARA_SUPPLY_CHAIN_FIELDS)

public:
    // A fresh identifier, supplier as the supplier (the null identifier for none), no customers.
    void initialize(const CCompanyID& supplier);
};

KELVARA_INTERFACE_FAMILY(SupplyChain)
