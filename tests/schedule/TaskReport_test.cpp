#include <gtest/gtest.h>

#include "kelvara/schedule/CTaskReport.h"
#include "property/FieldProperties.h"

namespace {

CCost costOf(const wchar_t* description, double amount) {
    CCost cost;
    cost.setDescription(CProjectString(description));
    cost.setAmount(amount);
    return cost;
}

}  // namespace

TEST(TaskReport, CostOperationsWorkByIdentifier) {
    CTaskReport report;
    const CCost steel = costOf(L"steel", 1200.0), crane = costOf(L"crane", 300.5), absent = costOf(L"absent", 1.0);
    EXPECT_EQ(report.addCost(steel), 0);
    EXPECT_EQ(report.addCost(crane), 1);
    EXPECT_EQ(report.addCost(steel), -1);

    CCost changed(crane);
    changed.setAmount(310.0);
    EXPECT_TRUE(report.changeCost(changed));
    EXPECT_EQ(report.getCosts().find(crane.getID())->getAmount(), CProjectDouble(310.0));
    EXPECT_FALSE(report.changeCost(absent));

    const CTaskReport before(report);
    report.removeCost(absent.getID());
    EXPECT_TRUE(report == before) << "removing an absent cost changes nothing";
    report.removeCost(steel.getID());
    ASSERT_EQ(report.getCosts().GetSize(), 1);
    EXPECT_EQ(report.getCosts().findByID(crane.getID()), 0);
    report.removeAllCosts();
    EXPECT_FALSE(!report.getCosts()) << "the list stays present when empty";
    EXPECT_EQ(report.getCosts().GetSize(), 0);
}

TEST(TaskReport, CopiesRecordsAndRenewalCoverTheCosts) {
    CTaskReport report;
    CRiskID risk;
    risk.generate();
    report.setRiskID(risk);
    report.addCost(costOf(L"steel", 1200.0));
    report.addCost(costOf(L"crane", 300.5));

    CTaskReport copy(report);
    copy.getCosts().getWritableReference(1)->setAmount(1.0);
    EXPECT_FALSE(copy == report);
    EXPECT_EQ(report.getCosts()[1]->getAmount(), CProjectDouble(300.5)) << "the copy owns its costs";
    CTaskReport loaded;
    kelvara::test::load(loaded, kelvara::test::store(copy));
    EXPECT_TRUE(loaded == copy);

    // The report's and its costs' identifiers are renewed; the risk it refers to is kept.
    const CCostID oldCost = report.getCosts()[0]->getID();
    report.generateIDs();
    EXPECT_NE(report.getCosts()[0]->getID(), oldCost);
    EXPECT_EQ(report.getCosts().findByID(report.getCosts()[1]->getID()), 1);
    EXPECT_EQ(report.getRiskID(), risk);
}
