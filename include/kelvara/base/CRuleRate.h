// One dated rate of a cost rule: from its effective date on, the rule charges this rate and cost.
// A rule keeps its rates in a CRuleRateArray, at most one per effective date (unset dates order
// before every set one).
//
// Record (unframed): the effective date, the rate, the cost, each a value (flag byte, value).
#pragma once

#include "kelvara/base/KeyedPointerArray.h"
#include "kelvara/base/Values.h"

class CRuleRate {
public:
    // Effective date, rate and cost: three values of 9 bytes each.
    static constexpr std::size_t kMinStoredBytes = 27;

    CRuleRate() = default;
    CRuleRate(const CProjectDate& effectiveDate, const CProjectDouble& rate, const CProjectDouble& cost)
        : m_effectiveDate(effectiveDate), m_rate(rate), m_cost(cost) {}

    const CProjectDate& getEffectiveDate() const noexcept { return m_effectiveDate; }
    const CProjectDouble& getRate() const noexcept { return m_rate; }
    const CProjectDouble& getCost() const noexcept { return m_cost; }
    void setEffectiveDate(const CProjectDate& date) { m_effectiveDate = date; }
    void setRate(double rate) { m_rate = rate; }
    void setCost(double cost) { m_cost = cost; }

    bool operator==(const CRuleRate&) const = default;
    void Serialize(CKelvaraArchive& ar);

private:
    CProjectDate m_effectiveDate;
    CProjectDouble m_rate;
    CProjectDouble m_cost;
};

namespace kelvara::detail {
struct RuleRateKey {
    static const CProjectDate& keyOf(const CRuleRate& rate) { return rate.getEffectiveDate(); }
    static bool less(const CProjectDate& a, const CProjectDate& b) { return a < b; }
};
}  // namespace kelvara::detail

// A rule's rates, keyed by effective date (see CKeyedPointerArray).
class CRuleRateArray : public CKeyedPointerArray<CRuleRate, CProjectDate, kelvara::detail::RuleRateKey> {
public:
    using CKeyedPointerArray::CKeyedPointerArray;
    using CKeyedPointerArray::operator=;
};
