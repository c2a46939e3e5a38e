#include "kelvara/base/ISupplyChain.h"

void ISupplyChain::initialize(const CCompanyID& supplier) {
    getWritableID().generate();
    setSupplierID(supplier);
    getWritableCustomerID().RemoveAll();
}
