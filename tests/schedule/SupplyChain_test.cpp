#include <gtest/gtest.h>

#include "kelvara/platform/Exceptions.h"
#include "kelvara/schedule/CSupplyChain.h"
#include "kelvara/schedule/CTaskConstraint.h"
#include "property/FieldProperties.h"

namespace {

CCompanyID newCompany() {
    CCompanyID id;
    id.generate();
    return id;
}

}  // namespace

TEST(SupplyChain, StartsFromItsSupplierAndKeepsItsReferences) {
    const CCompanyID supplier = newCompany();
    CSupplyChain chain(supplier);
    EXPECT_EQ(chain.getSupplierID(), supplier);
    EXPECT_EQ(chain.getCustomerID().GetSize(), 0);
    EXPECT_NE(chain.getID(), CSupplyChain().getID());

    CCompanyIDArray customers;
    customers.Add(newCompany());
    chain.setCustomerID(static_cast<const IIDPointerArray<CCompanyID>&>(customers));
    customers.RemoveAll();
    EXPECT_EQ(chain.getCustomerID().GetSize(), 1) << "the chain holds its own copy";

    const CSupplyChain before(chain);
    chain.generateIDs();
    EXPECT_NE(chain.getID(), before.getID());
    EXPECT_EQ(chain.getSupplierID(), supplier);
    EXPECT_TRUE(chain.getCustomerID() == before.getCustomerID());
}

TEST(TaskConstraint, RoundTripsAndCompares) {
    CTaskConstraint constraint;
    constraint.setType(CTaskConstraintType(CTaskConstraintType::StartOnOrAfter));
    constraint.setEarlyDate(CProjectTime(1700000000000));
    constraint.setLateDate(CProjectTime(1700086400000));
    CTaskConstraint loaded;
    kelvara::test::load(loaded, kelvara::test::store(constraint));
    EXPECT_TRUE(loaded == constraint);
    loaded.setLateDate(CProjectTime());
    EXPECT_TRUE(loaded != constraint);

    auto bytes = kelvara::test::store(constraint);
    bytes.pop_back();
    EXPECT_THROW(kelvara::test::load(loaded, bytes), CArchiveException);
}
