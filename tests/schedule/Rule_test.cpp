// Cost rules (dated rates, sub-rule trees) and resource groups: refusals are answered as such and
// leave no empty list behind, the rate list handed to itself stays, removal reaches any depth only
// when asked, and a rule tree nested deeper than the archive allows is refused on loading.
#include <gtest/gtest.h>

#include <memory>

#include "ArchiveTesting.h"
#include "kelvara/schedule/CResourceGroup.h"
#include "kelvara/schedule/CRule.h"
#include "model3d/DeepNesting.h"

namespace kelvara::test {
namespace {

CRule ruleCoded(const wchar_t* code) {
    CRule rule;
    rule.setID(CRuleID::generated());
    rule.setRuleCode(CProjectString(code));
    return rule;
}

CRuleRate rateOn(std::int64_t day, double rate) { return CRuleRate(CProjectDate(day * 86400000), rate, 0.0); }

TEST(Rule, EffectiveRatesOnePerDateAndSafeSelfAssignment) {
    CRule labour = ruleCoded(L"LAB");
    EXPECT_TRUE(labour.addEffectiveRate(rateOn(0, 52.0), -1));
    EXPECT_TRUE(labour.addEffectiveRate(rateOn(180, 55.5), 7));
    EXPECT_FALSE(labour.addEffectiveRate(rateOn(180, 60.0), -1)) << "a rate for that date is present";
    EXPECT_FALSE(labour.addEffectiveRate(rateOn(0, 60.0), 1));
    EXPECT_TRUE(labour.addEffectiveRate(rateOn(90, 53.0), 1));
    ASSERT_EQ(labour.getEffectiveRates().GetSize(), 3);
    EXPECT_EQ(labour.getEffectiveRates().getConstReference(1).getRate(), CProjectDouble(53.0));

    const CRule before = labour;
    labour.setEffectiveRates(labour.getEffectiveRates());
    EXPECT_TRUE(labour == before);
    EXPECT_TRUE(labour.changeEffectiveRate(rateOn(90, 54.0)));
    EXPECT_TRUE(labour.removeEffectiveRate(CProjectDate(0)));
    EXPECT_FALSE(labour.removeEffectiveRate(CProjectDate(0)));

    CRule loaded;
    load(loaded, store(labour));
    EXPECT_TRUE(loaded == labour);
    EXPECT_FALSE(loaded.addEffectiveRate(rateOn(180, 1.0), -1)) << "dates are known after loading";
}

TEST(Rule, SubRulesRefuseWithoutLeavingAListAndRemoveAtAnyDepthWhenAsked) {
    CRule root = ruleCoded(L"ROOT");
    EXPECT_TRUE(root.addSubRule(ruleCoded(L"X"), 1).isNull());
    EXPECT_TRUE(root.getSubRules().isNull()) << "a refused first add leaves no empty list";

    const CRule concrete = ruleCoded(L"CONC");
    IRuleHandle added = root.addSubRule(concrete, -1);
    ASSERT_FALSE(added.isNull());
    EXPECT_TRUE(root.addSubRule(concrete, 0).isNull()) << "no handle on another sub-rule for a repeated identifier";
    const CRule pour = ruleCoded(L"POUR");
    ASSERT_FALSE(root.getSubRules().getWritableReference(0)->addSubRule(pour, 0).isNull());
    EXPECT_EQ(root.countSubRules(true), 2);

    EXPECT_FALSE(root.removeSubRule(pour.getID(), false));
    EXPECT_TRUE(root.removeSubRule(pour.getID(), true)) << "two levels down";
    EXPECT_TRUE(root.getSubRules()[0]->getSubRules().isNull());

    auto stray = std::make_unique<CRule>(ruleCoded(L"STRAY"));
    EXPECT_FALSE(root.attach(stray->getWritableHandle(), 5));
    EXPECT_FALSE(root.attach(IRuleWritableHandle(), 0));
    IRuleWritableHandle child = root.getSubRules().getWritableReference(0);
    EXPECT_FALSE((*child).attach(root.getWritableHandle(), 0)) << "a rule under its own sub-rule";
    ASSERT_TRUE(root.attach(stray->getWritableHandle(), 0));
    (void)stray.release();

    IRuleWritableHandle out = root.detach(concrete.getID());
    ASSERT_FALSE(out.isNull());
    std::unique_ptr<IRule> owned(out.get());
    EXPECT_EQ(root.countSubRules(false), 1);
    EXPECT_TRUE(root.removeSubRule(root.getSubRules()[0]->getID(), false));
    EXPECT_TRUE(root.getSubRules().isNull()) << "emptying the list releases it";
}

TEST(Rule, LoadingRefusesTreesDeeperThanTheArchiveAllows) {
    CRule parent = ruleCoded(L"p"), leaf = ruleCoded(L"l");
    ASSERT_FALSE(parent.addSubRule(leaf, 0).isNull());
    const DeepNesting chain(store(parent), store(leaf), {"Rule", "CUniquePointerArray"});
    CRule shallow;
    load(shallow, chain.nest(40));
    EXPECT_EQ(shallow.countSubRules(true), 40) << "forty levels below the outermost";
    CRule target = ruleCoded(L"kept");
    expectRefusedAsTooDeep(target, chain.nest(150));
}

TEST(ResourceGroup, EveryNewGroupHasItsOwnIdentifier) {
    CResourceGroup a, b;
    EXPECT_FALSE(a.getID().isNULL());
    EXPECT_NE(a.getID(), b.getID());
    const CResourceGroupID before = a.getID();
    EXPECT_TRUE(a.generateIDs());
    EXPECT_NE(a.getID(), before);

    const CResourceID crane = CResourceID::generated();
    EXPECT_EQ(a.addToResourceGroup(crane), 0);
    EXPECT_EQ(a.addToResourceGroup(crane), -1);
    a.setName(CString(L"Lifting"));
    a.clear();
    EXPECT_EQ(a.getResourceIDs().GetSize(), 0);
    EXPECT_EQ(CString(a.getName()), CString(L"Lifting")) << "clear empties the member list only";
}

}  // namespace
}  // namespace kelvara::test
