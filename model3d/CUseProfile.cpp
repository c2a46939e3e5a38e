#include "kelvara/model3d/CUseProfile.h"

KELVARA_DEFINE_KIND(UseProfile)

CUseProfile::CUseProfile(const CString& name) : CUseProfile() { setName(CProjectString(name)); }

CUseProfile::~CUseProfile() = default;

// The array copies profile before inserting it, so a profile may insert a copy of itself.
bool CUseProfile::insertSubUseProfile(int index, const IUseProfile& profile) {
    const int before = m_SubUseProfiles->GetSize();
    m_SubUseProfiles->InsertAt(index, profile);
    return m_SubUseProfiles->GetSize() > before;
}

bool CUseProfile::removeSubUseProfile(int index) {
    if (index < 0 || index >= m_SubUseProfiles->GetSize()) return false;
    m_SubUseProfiles->RemoveAt(index);
    return true;
}

void CUseProfile::removeAllSubUseProfiles() { m_SubUseProfiles->RemoveAll(); }
