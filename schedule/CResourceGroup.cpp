#include "kelvara/schedule/CResourceGroup.h"

#include "kelvara/framework/IdentifierLists.h"
#include "kelvara/framework/LazyLists.h"

KELVARA_DEFINE_KIND(ResourceGroup)

bool CResourceGroup::addUserFieldValue(const IUserFieldValue& value, int index) {
    return kelvara::detail::addToLazyList(m_UserFieldValues, value, index) != nullptr;
}

bool CResourceGroup::changeUserFieldValue(const IUserFieldValue& value) {
    return kelvara::detail::changeInLazyList(m_UserFieldValues, value);
}

bool CResourceGroup::removeUserFieldValue(const CUserFieldID& field) {
    return kelvara::detail::removeFromLazyList(m_UserFieldValues, field);
}

int CResourceGroup::insertCodeValue(const CCodeValueID& value, int index) {
    return kelvara::detail::insertIdentifier(m_AssignedCodeValues, value, index);
}
