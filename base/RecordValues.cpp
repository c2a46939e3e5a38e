// The archive forms of the plain value records kept in keyed arrays.
#include "kelvara/base/CAssignedResourceParameters.h"
#include "kelvara/base/CRuleRate.h"

void CRuleRate::Serialize(CKelvaraArchive& ar) {
    m_effectiveDate.Serialize(ar);
    m_rate.Serialize(ar);
    m_cost.Serialize(ar);
}

void CAssignedResourceParameters::Serialize(CKelvaraArchive& ar) {
    m_resourceID.Serialize(ar);
    m_quantity.Serialize(ar);
    m_unitsPerDay.Serialize(ar);
}
