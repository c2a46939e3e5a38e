// A cost rule: a code, a description, a base rate and its unit, the rule's rates over time (at
// most one per effective date) and the rules under it. The sub-rule list exists only while it
// holds something. A new rule has a null identifier, rate 0 and unit 0 (Unit).
#pragma once

#include "kelvara/base/CRuleRate.h"
#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"
#include "kelvara/base/ResourceEnumerations.h"

#define KELVARA_FIELDS_Rule(F)                                                 \
    F(IDENTITY, CRuleID, ID, {}, 1)                                            \
    F(VALUE, CRuleRateArray, EffectiveRates, {}, 1)                            \
    F(VALUE, CProjectString, RuleCode, {}, 1)                                  \
    F(VALUE, CProjectString, Description, {}, 1)                               \
    F(VALUE, CProjectDouble, Rate, CProjectDouble(0.0), 1)                     \
    F(VALUE, CResourceUnitType, Unit, CResourceUnitType(0), 1)                 \
    F(LAZY, Rule, SubRules, {}, 1)

class IRule : public CRecord<IRule> {
    KELVARA_INTERFACE(Rule)
    KELVARA_RECORD(IRule, "Rule", KELVARA_FIELDS_Rule)

public:
    // Dated rates. addEffectiveRate: an index in 0 .. count - 1 inserts there, any other adds in
    // date order; false whenever nothing was stored (a rate for that date is present).
    virtual bool addEffectiveRate(const CRuleRate& rate, int index) = 0;
    virtual bool changeEffectiveRate(const CRuleRate& rate) = 0;
    virtual bool removeEffectiveRate(const CProjectDate& date) = 0;
    virtual void removeAllEffectiveRates() = 0;

    // A copy among the sub-rules at index (negative: the end; up to the count: there) and its
    // handle; an empty handle, with nothing added, for an index above the count or an identifier
    // among the sub-rules.
    virtual IRuleHandle addSubRule(const IRule& rule, int index) = 0;
    // Takes over the handle's object (one the caller owns, e.g. from detach) at index (0 ..
    // count). False, with the object still the caller's, for an empty handle, an object that is
    // not a CRule, an index out of range, an identifier among the sub-rules, and this rule or one
    // above it in a tree (a cycle).
    virtual bool attach(IRuleWritableHandle handle, int index) = 0;
    // Takes the direct sub-rule out without destroying it; the caller owns it. Empty when absent.
    [[nodiscard]] virtual IRuleWritableHandle detach(const CRuleID& id) = 0;
    // Removes the direct sub-rule with id; with deep, the first rule with id found depth first in
    // sub-rule order at any level. False when none was removed.
    virtual bool removeSubRule(const CRuleID& id, bool deep) = 0;
    virtual void removeAllSubRules() = 0;

    // Sub-rules counted: the direct ones, or with deep every one below this rule.
    int countSubRules(bool deep) const;
};
