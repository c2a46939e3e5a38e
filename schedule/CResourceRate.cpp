#include "kelvara/schedule/CResourceRate.h"

KELVARA_DEFINE_KIND(ResourceRate)

int CResourceRate::addCost(const ICost& cost, int index) {
    int position = index;
    return m_Costs.Add(position, cost) ? position : -1;
}

bool CResourceRate::changeCost(const ICost& cost) { return m_Costs.changeElement(cost); }

bool CResourceRate::removeCost(const CCostID& id) { return m_Costs.Remove(id); }
