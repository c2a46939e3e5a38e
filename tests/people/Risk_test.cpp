// Risk trees (children added by index or under a named parent, removal at any depth, the child list
// present only while it holds something, bounded nesting on loading) and risks applied to tasks
// (their cost list).
#include <gtest/gtest.h>

#include "framework/TestWidget.h"
#include "kelvara/people/CAssignedRisk.h"
#include "kelvara/people/CRisk.h"
#include "people/PeopleTesting.h"

namespace kelvara::test {
namespace {

CRisk risk(std::uint32_t n) {
    CRisk r;
    r.setID(ftest::idOf<CRiskID>(n));
    r.setDescription(CProjectString(CString(L"risk ") + CString(std::to_wstring(n))));
    return r;
}

std::vector<std::uint32_t> childKeys(const IRisk& parent) {
    std::vector<std::uint32_t> out;
    const IRiskArrayHandle children = parent.getSubRisks();
    for (int i = 0; i < children.GetSize(); ++i) out.push_back(children[i]->getID().getGUID().Data1);
    return out;
}

TEST(Risk, AddSubRiskByIndex) {
    CRisk root = risk(1);
    // Refused on an empty risk: nothing added and no empty child list left behind.
    EXPECT_TRUE(root.addSubRisk(risk(2), 1).isNull());
    EXPECT_TRUE(root.getSubRisks().isNull());

    EXPECT_FALSE(root.addSubRisk(risk(2), 0).isNull());
    EXPECT_FALSE(root.addSubRisk(risk(3), 1).isNull()) << "index equal to the count appends";
    EXPECT_FALSE(root.addSubRisk(risk(4), -1).isNull()) << "a negative index appends";
    EXPECT_FALSE(root.addSubRisk(risk(5), -7).isNull());
    EXPECT_FALSE(root.addSubRisk(risk(6), 0).isNull());
    EXPECT_EQ(childKeys(root), (std::vector<std::uint32_t>{6, 2, 3, 4, 5}));

    EXPECT_TRUE(root.addSubRisk(risk(7), 6).isNull()) << "count + 1";
    CRisk again = risk(3);
    again.setDescription(CProjectString(L"changed"));
    EXPECT_TRUE(root.addSubRisk(again, -1).isNull()) << "identifier present";
    EXPECT_TRUE(root.addSubRisk(again, 2).isNull());
    EXPECT_EQ(childKeys(root), (std::vector<std::uint32_t>{6, 2, 3, 4, 5}));
    EXPECT_EQ(CString(root.getSubRisks()[2]->getDescription()), CString(L"risk 3"));

    // The handle is the stored child, not a copy or a shared default.
    IRiskHandle added = root.addSubRisk(risk(8), 1);
    ASSERT_FALSE(added.isNull());
    EXPECT_TRUE(added.isSame(root.getSubRisks()[1]));

    // A risk added under itself is a copy of the tree as it was.
    CRisk self = risk(10);
    self.addSubRisk(risk(11), -1);
    ASSERT_FALSE(self.addSubRisk(risk(12), -1).isNull());
    CRisk snapshot(self);
    snapshot.setID(ftest::idOf<CRiskID>(13));
    ASSERT_FALSE(self.addSubRisk(snapshot, -1).isNull());
    EXPECT_EQ(childKeys(*self.getSubRisks()[2]), (std::vector<std::uint32_t>{11, 12}));
}

TEST(Risk, AddUnderParentSearchesDepthFirst) {
    CRisk root = risk(1);
    root.addSubRisk(risk(2), -1);
    root.addSubRisk(risk(3), -1);
    root.addSubRisk(risk(4), ftest::idOf<CRiskID>(2), -1);
    ASSERT_FALSE(root.addSubRisk(risk(5), ftest::idOf<CRiskID>(4), -1).isNull()) << "a grandchild as parent";
    EXPECT_EQ(childKeys(*root.getSubRisks()[0]->getSubRisks()[0]), (std::vector<std::uint32_t>{5}));

    EXPECT_FALSE(root.addSubRisk(risk(6), ftest::idOf<CRiskID>(1), 0).isNull()) << "the risk itself";
    EXPECT_EQ(childKeys(root), (std::vector<std::uint32_t>{6, 2, 3}));

    EXPECT_TRUE(root.addSubRisk(risk(7), ftest::idOf<CRiskID>(99), -1).isNull());
    EXPECT_TRUE(root.addSubRisk(risk(7), ftest::idOf<CRiskID>(3), 5).isNull()) << "the parent refuses the index";
    EXPECT_TRUE(root.getSubRisks()[2]->getSubRisks().isNull()) << "and keeps no empty list";

    // The same identifier under two children: the first in child order takes it.
    root.addSubRisk(risk(20), ftest::idOf<CRiskID>(3), -1);
    root.addSubRisk(risk(20), ftest::idOf<CRiskID>(6), -1);
    ASSERT_FALSE(root.addSubRisk(risk(21), ftest::idOf<CRiskID>(20), -1).isNull());
    EXPECT_EQ(childKeys(*root.getSubRisks()[0]->getSubRisks()[0]), (std::vector<std::uint32_t>{21}));
    EXPECT_TRUE(root.getSubRisks()[2]->getSubRisks()[0]->getSubRisks().isNull());
}

TEST(Risk, RemoveSubRiskAtAnyDepth) {
    CRisk root = risk(1);
    root.addSubRisk(risk(2), -1);
    root.addSubRisk(risk(3), -1);
    root.addSubRisk(risk(4), ftest::idOf<CRiskID>(2), -1);

    EXPECT_FALSE(root.removeSubRisk(ftest::idOf<CRiskID>(4), false)) << "not a direct child";
    EXPECT_TRUE(root.removeSubRisk(ftest::idOf<CRiskID>(4), true));
    EXPECT_TRUE(root.getSubRisks()[0]->getSubRisks().isNull()) << "the emptied list is released";
    EXPECT_FALSE(root.removeSubRisk(ftest::idOf<CRiskID>(4), true));

    EXPECT_TRUE(root.removeSubRisk(ftest::idOf<CRiskID>(2), false));
    EXPECT_TRUE(root.removeSubRisk(ftest::idOf<CRiskID>(3), true));
    EXPECT_TRUE(root.getSubRisks().isNull());
    EXPECT_FALSE(root.removeSubRisk(ftest::idOf<CRiskID>(3), false));

    root.addSubRisk(risk(5), -1);
    root.removeAllSubRisks();
    EXPECT_TRUE(root.getSubRisks().isNull());
}

TEST(Risk, ListSettersAndCopies) {
    CRisk root = risk(1);
    root.addSubRisk(risk(2), -1);
    root.addSubRisk(risk(3), ftest::idOf<CRiskID>(2), -1);
    root.setSubRisks(root.getSubRisks());
    EXPECT_EQ(childKeys(root), (std::vector<std::uint32_t>{2}));
    EXPECT_EQ(childKeys(*root.getSubRisks()[0]), (std::vector<std::uint32_t>{3}));

    CRisk other = risk(9);
    other.setSubRisks(root.getSubRisks());
    EXPECT_EQ(childKeys(*other.getSubRisks()[0]), (std::vector<std::uint32_t>{3}));
    other.setSubRisks(risk(10).getSubRisks());
    EXPECT_TRUE(other.getSubRisks().isNull()) << "an absent list empties and releases";
}

TEST(Risk, LoadingRefusesHostileNesting) {
    const auto addChild = [](CRisk& parent, const CRisk& child) { parent.addSubRisk(child, -1); };
    CRisk shallow;
    load(shallow, nestedChain<CRisk>(40, addChild));
    int depth = 1;
    for (IRiskArrayHandle level = shallow.getSubRisks(); !level.isNull(); level = level[0]->getSubRisks()) ++depth;
    EXPECT_EQ(depth, 40) << "the crafted chain is a valid tree";

    CRisk target = risk(1);
    target.addSubRisk(risk(2), -1);
    const Bytes deep = nestedChain<CRisk>(150, addChild);
    CKelvaraArchive ar(deep.data(), deep.size(), CKelvaraArchive::kCurrentFileVersion);
    EXPECT_THROW(target.Serialize(ar), CArchiveException);
}

CCost cost(std::uint32_t n, double amount) {
    CCost c;
    c.setID(ftest::idOf<CCostID>(n));
    c.setAmount(CProjectDouble(amount));
    return c;
}

TEST(AssignedRisk, CostsReplaceInPlaceAndReleaseTheList) {
    CAssignedRisk assigned(ftest::idOf<CRiskID>(5), CRiskValueMode(CRiskValueMode::Fixed));
    EXPECT_TRUE(assigned.getValueMode() == CRiskValueMode::Fixed);
    EXPECT_TRUE(assigned.getCosts().isNull());
    EXPECT_FALSE(assigned.removeCost(ftest::idOf<CCostID>(1)));

    EXPECT_TRUE(assigned.addCost(cost(1, 10.0)));
    EXPECT_TRUE(assigned.addCost(cost(2, 20.0)));
    EXPECT_TRUE(assigned.addCost(cost(1, 15.0)));
    ASSERT_EQ(assigned.getCosts().GetSize(), 2);
    EXPECT_EQ(assigned.getCosts()[0]->getID(), ftest::idOf<CCostID>(1)) << "kept at its first position";
    EXPECT_EQ(assigned.getCosts()[0]->getAmount().getValue(), 15.0) << "with the second content";

    // Adding the stored cost itself changes nothing.
    EXPECT_TRUE(assigned.addCost(*assigned.getCosts()[1]));
    EXPECT_EQ(assigned.getCosts()[1]->getAmount().getValue(), 20.0);

    assigned.setCosts(assigned.getCosts());
    EXPECT_EQ(assigned.getCosts().GetSize(), 2);

    EXPECT_TRUE(assigned.removeCost(ftest::idOf<CCostID>(1)));
    EXPECT_FALSE(assigned.removeCost(ftest::idOf<CCostID>(1)));
    EXPECT_TRUE(assigned.removeCost(ftest::idOf<CCostID>(2)));
    EXPECT_TRUE(assigned.getCosts().isNull());
    assigned.addCost(cost(3, 1.0));
    assigned.removeAllCosts();
    EXPECT_TRUE(assigned.getCosts().isNull());
}

}  // namespace
}  // namespace kelvara::test
