#include "kelvara/people/CAssignedRisk.h"

KELVARA_DEFINE_KIND(AssignedRisk)

// Replacing in place (rather than removing and inserting a copy) keeps the cost's position and is
// safe when cost is the stored cost itself.
bool CAssignedRisk::addCost(const ICost& cost) {
    CCostArray& costs = allocateCosts();
    if (!costs.changeElement(cost)) costs.Add(cost);
    return true;
}

bool CAssignedRisk::removeCost(const CCostID& id) {
    if (!m_Costs || !m_Costs->Remove(id)) return false;
    kelvara::detail::releaseListIfEmpty(m_Costs);
    return true;
}
