#include "kelvara/schedule/CRule.h"

#include "kelvara/framework/Trees.h"

KELVARA_DEFINE_KIND(Rule)

CRule::~CRule() = default;

CRuleArray& CRule::allocateSubRules() { return kelvara::detail::allocateList(m_SubRules); }

bool CRule::addEffectiveRate(const CRuleRate& rate, int index) {
    const int before = m_EffectiveRates.GetSize();
    if (index >= 0 && index < before) m_EffectiveRates.InsertAt(index, rate);
    else m_EffectiveRates.Add(rate);
    return m_EffectiveRates.GetSize() > before;
}

bool CRule::removeEffectiveRate(const CProjectDate& date) {
    const int position = m_EffectiveRates.findByID(date);
    if (position < 0) return false;
    m_EffectiveRates.RemoveAt(position);
    return true;
}

// The list is created before the index is checked; a refused add releases it again, so no rule is
// left holding an empty list.
IRuleHandle CRule::addSubRule(const IRule& rule, int index) {
    CRuleArray& children = allocateSubRules();
    int position = index < 0 ? -1 : index;
    CRule* added = position > children.GetSize() ? nullptr : children.Add(position, rule);
    kelvara::detail::releaseListIfEmpty(m_SubRules);
    return added ? added->getHandle() : IRuleHandle();
}

bool CRule::attach(IRuleWritableHandle handle, int index) {
    auto* rule = dynamic_cast<CRule*>(handle.get());
    const int count = m_SubRules ? m_SubRules->GetSize() : 0;
    if (!rule || index < 0 || index > count) return false;
    if (kelvara::detail::inSubtree<IRule>(*rule, this, &IRule::getSubRules)) return false;
    CRuleArray& children = allocateSubRules();
    children.Attach(index, rule);
    const bool attached = children.GetSize() > count;
    kelvara::detail::releaseListIfEmpty(m_SubRules);
    return attached;
}

IRuleWritableHandle CRule::detach(const CRuleID& id) {
    if (!m_SubRules) return IRuleWritableHandle();
    const int position = m_SubRules->findByID(id);
    if (position < 0) return IRuleWritableHandle();
    CRule* rule = m_SubRules->isSorted() ? m_SubRules->Detach(position) : m_SubRules->DetachNoSort(position);
    kelvara::detail::releaseListIfEmpty(m_SubRules);
    return rule ? rule->getWritableHandle() : IRuleWritableHandle();
}

bool CRule::removeSubRule(const CRuleID& id, bool deep) {
    if (!m_SubRules) return false;
    bool removed = false;
    if (!deep) {
        removed = m_SubRules->Remove(id);
    } else {
        for (int i = 0; i < m_SubRules->GetSize() && !removed; ++i) {
            CRule& child = m_SubRules->getWritableReference(i);
            if (child.getID() == id) {
                m_SubRules->RemoveAt(i);
                removed = true;
            } else {
                removed = child.removeSubRule(id, true);
            }
        }
    }
    kelvara::detail::releaseListIfEmpty(m_SubRules);
    return removed;
}
