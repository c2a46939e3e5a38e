#include "kelvara/base/CKelvaraEnumeration.h"

CString CKelvaraEnumeration::getLocalizedName() const {
    for (const Item& item : getItems())
        if (item.value == m_value) return CString(item.name);
    return CString();
}

bool CKelvaraEnumeration::isKnownValue() const {
    for (const Item& item : getItems())
        if (item.value == m_value) return true;
    return false;
}

void CKelvaraEnumeration::Serialize(CKelvaraArchive& ar) {
    if (ar.IsStoring()) ar << m_value;
    else ar >> m_value;
}
