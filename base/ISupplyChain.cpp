#include "kelvara/base/ISupplyChain.h"

void ISupplyChain::initialize(const CCompanyID& supplier) {
    initialize();
    setSupplierID(supplier);
}
