#include "kelvara/schedule/CResourceGroup.h"

KELVARA_DEFINE_KIND(ResourceGroup)

bool CResourceGroup::addUserFieldValue(const IUserFieldValue& value, int index) {
    if (index < -1) return false;
    CUserFieldValueArray& values = kelvara::detail::allocateList(m_UserFieldValues);
    int position = index;
    const bool added = values.Add(position, value) != nullptr;
    kelvara::detail::releaseListIfEmpty(m_UserFieldValues);
    return added;
}

bool CResourceGroup::changeUserFieldValue(const IUserFieldValue& value) {
    return m_UserFieldValues && m_UserFieldValues->changeElement(value);
}

bool CResourceGroup::removeUserFieldValue(const CUserFieldID& field) {
    if (!m_UserFieldValues || !m_UserFieldValues->Remove(field)) return false;
    kelvara::detail::releaseListIfEmpty(m_UserFieldValues);
    return true;
}

int CResourceGroup::insertCodeValue(const CCodeValueID& value, int index) {
    if (index == -1) return m_AssignedCodeValues.Add(value);
    if (index < 0 || index > m_AssignedCodeValues.GetSize() || m_AssignedCodeValues.findByID(value) >= 0) return -1;
    m_AssignedCodeValues.InsertAt(index, value);
    return index;
}
