#include "kelvara/base/IIRayMaterial.h"

#include "kelvara/base/Record.h"

// ---- CIRayAttributeMap ----

bool CIRayAttributeMap::find(const IProjectString& name, CProjectString& text) const {
    const auto it = m_entries.find(name.getValue());
    if (it == m_entries.end()) return false;
    text = it->second;
    return true;
}

void CIRayAttributeMap::clear() noexcept {
    m_entries.clear();
    m_cursor.reset();
}

bool CIRayAttributeMap::next(CProjectString& name, CProjectString& text) const {
    const auto it = m_cursor ? m_entries.upper_bound(*m_cursor) : m_entries.begin();
    if (it == m_entries.end()) {
        if (!m_entries.empty()) m_cursor = m_entries.rbegin()->first;  // stays past the last
        return false;
    }
    m_cursor = it->first;
    name = it->first;
    text = it->second;
    return true;
}

void CIRayAttributeMap::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << size();
        for (const auto& [name, text] : m_entries) ar << name << text;
        return;
    }
    clear();
    const int count = ar.readCount("renderer material attributes", 2);
    for (int i = 0; i < count; ++i) {
        CString name, text;
        ar >> name >> text;
        m_entries[name] = text;
    }
}

// ---- IIRayMaterialDefinition ----

void IIRayMaterialDefinition::addAttr(const IProjectString& name, const IProjectString& type) {
    getWritableAttributes().set(name.getValue(), type.getValue());
}

void IIRayMaterialDefinition::copyFrom(const IIRayMaterialDefinition& other) {
    if (this != &other) forEachField(kelvara::CopyFields<IIRayMaterialDefinition>{*this, other});
}

bool IIRayMaterialDefinition::operator==(const IIRayMaterialDefinition& other) const {
    return getName().getValue() == other.getName().getValue() && getAttributes() == other.getAttributes();
}

void IIRayMaterialDefinition::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << getName().getValue();
    } else {
        CString name;
        ar >> name;
        setName(CProjectString(name));
    }
    getWritableAttributes().Serialize(ar);
}

// ---- IIRayMaterialInstance ----

void IIRayMaterialInstance::addValueAttr(const IProjectString& name, const IProjectString& value) {
    getWritableValues().set(name.getValue(), value.getValue());
}

void IIRayMaterialInstance::copyFrom(const IIRayMaterialInstance& other) {
    if (this != &other) forEachField(kelvara::CopyFields<IIRayMaterialInstance>{*this, other});
}

bool IIRayMaterialInstance::operator==(const IIRayMaterialInstance& other) const {
    return *getMaterialDefinition() == *other.getMaterialDefinition() && getValues() == other.getValues();
}

void IIRayMaterialInstance::Serialize(CArchive& ar) {
    (*getWritableMaterialDefinition()).Serialize(ar);
    getWritableValues().Serialize(ar);
}
