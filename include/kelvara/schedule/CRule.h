// The stored cost rule (see IRule). The sub-rule list exists only while it holds something.
#pragma once

#include "kelvara/base/IRule.h"
#include "kelvara/framework/Family.h"

class CRule : public IRule {
    KELVARA_OBJECT(Rule)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Rule)

public:
    ~CRule() override;

    bool addEffectiveRate(const CRuleRate& rate, int index) override;
    bool changeEffectiveRate(const CRuleRate& rate) override { return m_EffectiveRates.changeElement(rate); }
    bool removeEffectiveRate(const CProjectDate& date) override;
    void removeAllEffectiveRates() override { m_EffectiveRates.RemoveAll(); }

    IRuleHandle addSubRule(const IRule& rule, int index) override;
    bool attach(IRuleWritableHandle handle, int index) override;
    IRuleWritableHandle detach(const CRuleID& id) override;
    bool removeSubRule(const CRuleID& id, bool deep) override;
    void removeAllSubRules() override { m_SubRules.reset(); }

protected:
    CRuleArray& allocateSubRules();
};

KELVARA_ROOT_FAMILY(Rule)
