#include "kelvara/people/CRisk.h"

KELVARA_DEFINE_KIND(Risk)

CRisk::~CRisk() = default;

CRiskArray& CRisk::allocateSubRisks() { return kelvara::detail::allocateList(m_SubRisks); }

IRiskHandle CRisk::addSubRisk(const IRisk& risk, int index) {
    CRiskArray& children = allocateSubRisks();
    int position = index < 0 ? -1 : index;
    CRisk* added = position > children.GetSize() ? nullptr : children.Add(position, risk);
    // A refused first child leaves no empty list behind.
    kelvara::detail::releaseListIfEmpty(m_SubRisks);
    return added ? added->getHandle() : IRiskHandle();
}

IRiskHandle CRisk::addSubRisk(const IRisk& risk, const CRiskID& parent, int index) {
    if (parent == getID()) return addSubRisk(risk, index);
    if (!m_SubRisks) return IRiskHandle();
    for (int i = 0; i < m_SubRisks->GetSize(); ++i) {
        IRiskHandle added = m_SubRisks->getWritableReference(i).addSubRisk(risk, parent, index);
        if (!added.isNull()) return added;
    }
    return IRiskHandle();
}

bool CRisk::removeSubRisk(const CRiskID& id, bool recursive) {
    if (!m_SubRisks) return false;
    bool removed = false;
    if (!recursive) {
        removed = m_SubRisks->Remove(id);
    } else {
        for (int i = 0; i < m_SubRisks->GetSize() && !removed; ++i) {
            CRisk& child = m_SubRisks->getWritableReference(i);
            if (child.getID() == id) {
                m_SubRisks->RemoveAt(i);
                removed = true;
            } else {
                removed = child.removeSubRisk(id, true);
            }
        }
    }
    kelvara::detail::releaseListIfEmpty(m_SubRisks);
    return removed;
}

void CRisk::removeAllSubRisks() { m_SubRisks.reset(); }
