// Who supplies a task and whom it delivers to, as company identifiers. Every task embeds one.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"


#define KELVARA_FIELDS_SupplyChain(F) \
    F(IDENTITY, CSupplyChainID, ID, CSupplyChainID::generated(), 1) \
    F(VALUE, CCompanyID, SupplierID, {}, 1)                         \
    F(VALUE, CCompanyIDArray, CustomerID, {}, 1)

class ISupplyChain : public CRecord<ISupplyChain> {
    KELVARA_INTERFACE(SupplyChain)
    KELVARA_RECORD(ISupplyChain, "SupplyChain", KELVARA_FIELDS_SupplyChain)

public:
    // A fresh identifier, supplier as the supplier (the null identifier for none), no customers.
    using CRecord<ISupplyChain>::initialize;
    void initialize(const CCompanyID& supplier);
};

