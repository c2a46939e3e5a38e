#include "kelvara/schedule/CResource.h"

#include <vector>

#include "kelvara/framework/IdentifierLists.h"
#include "kelvara/framework/LazyLists.h"
#include "kelvara/framework/Trees.h"

KELVARA_DEFINE_KIND(Resource)

CResource::~CResource() = default;

int CResource::addSupplierReference(const CString& reference) {
    return m_SupplierReferences.Add(CProjectString(reference));
}

void CResource::setSupplierReference(const CString& reference, int index) {
    if (index < 0 || index >= m_SupplierReferences.GetSize()) return;
    m_SupplierReferences.SetAt(index, CProjectString(reference));
}

int CResource::removeSupplierReference(int index) {
    if (index < 0 || index >= m_SupplierReferences.GetSize()) return -1;
    m_SupplierReferences.RemoveAt(index);
    return m_SupplierReferences.GetSize();
}

int CResource::add3DRepresentation(const CEntity3DID& entity) { return m_3DRepresentations.Add(entity); }

int CResource::insert3DRepresentation(const CEntity3DID& entity, int index) {
    return kelvara::detail::insertIdentifier(m_3DRepresentations, entity, index);
}

bool CResource::remove3DRepresentation(const CEntity3DID& entity) { return m_3DRepresentations.Remove(entity); }

int CResource::addCodeValue(const CCodeValueID& value) { return m_AssignedCodeValues.Add(value); }

int CResource::insertCodeValue(const CCodeValueID& value, int index) {
    return kelvara::detail::insertIdentifier(m_AssignedCodeValues, value, index);
}

bool CResource::removeCodeValue(const CCodeValueID& value) { return m_AssignedCodeValues.Remove(value); }

int CResource::addDocumentFileID(const CDocumentFileID& file, int index) {
    return kelvara::detail::placeIdentifier(m_DocumentFileIDs, file, index);
}

bool CResource::removeDocumentFileID(const CDocumentFileID& file) { return m_DocumentFileIDs.Remove(file); }

bool CResource::insertSubResource(const IResource& resource) {
    CResourceArray& children = *m_SubResources;
    const int before = children.GetSize();
    children.InsertAt(before, resource);
    return children.GetSize() > before;
}

bool CResource::removeSubResource(const CResourceID& id) { return m_SubResources->Remove(id); }

bool CResource::attachSubResource(IResourceWritableHandle handle) {
    auto* resource = dynamic_cast<CResource*>(handle.get());
    if (!resource || !(resource->getType() == getType())) return false;
    // This resource under itself, or under one of its own sub-resources, would make the tree a cycle.
    if (kelvara::detail::inSubtree<IResource>(*resource, this, &IResource::getSubResources)) return false;
    CResourceArray& children = *m_SubResources;
    const int before = children.GetSize();
    children.Attach(before, resource);
    return children.GetSize() > before;
}

IResourceWritableHandle CResource::detachSubResource(const CResourceID& id) {
    IResource* resource = m_SubResources->Detach(id);
    return resource ? resource->getWritableHandle() : IResourceWritableHandle();
}

bool CResource::addUserFieldValue(const IUserFieldValue& value, int index) {
    return kelvara::detail::addToLazyList(m_UserFieldValues, value, index) != nullptr;
}

bool CResource::changeUserFieldValue(const IUserFieldValue& value) {
    return kelvara::detail::changeInLazyList(m_UserFieldValues, value);
}

bool CResource::removeUserFieldValue(const CUserFieldID& field) {
    return kelvara::detail::removeFromLazyList(m_UserFieldValues, field);
}

INoteHandle CResource::addNote(const INote& note, int index) {
    CNote* added = kelvara::detail::addToLazyList(m_Notes, note, index);
    return added ? added->getHandle() : INoteHandle();
}

bool CResource::changeNote(const INote& note) { return kelvara::detail::changeInLazyList(m_Notes, note); }

bool CResource::removeNote(const CNoteID& id) { return kelvara::detail::removeFromLazyList(m_Notes, id); }

bool CResource::addResourceRate(const IResourceRate& rate, int index) {
    if (index < -1 || index > m_ResourceRates->GetSize()) return false;
    int position = index;
    return m_ResourceRates->Add(position, rate) != nullptr;
}

bool CResource::changeResourceRate(const IResourceRate& rate) { return m_ResourceRates->changeElement(rate); }

bool CResource::removeResourceRate(const CResourceRateID& id) { return m_ResourceRates->Remove(id); }

// The renewed rates are built aside and replace the old ones in the same order; each rate's costs
// are renewed the same way.
void CResource::regenerateRateIDs() {
    std::vector<CResourceRate> renewed;
    const CResourceRateArray& rates = *m_ResourceRates;
    renewed.reserve(static_cast<std::size_t>(rates.GetSize()));
    for (int i = 0; i < rates.GetSize(); ++i) {
        CResourceRate rate(rates.getConstReference(i));
        rate.setID(CResourceRateID::generated());
        CCostArray costs;
        for (int c = 0; c < rate.numberOfCosts(); ++c) {
            CCost cost(static_cast<const CCost&>(*rate.getCosts()[c]));
            cost.setID(CCostID::generated());
            costs.Add(cost);
        }
        rate.removeAllCosts();
        for (int c = 0; c < costs.GetSize(); ++c) rate.addCost(costs.getConstReference(c), -1);
        renewed.push_back(std::move(rate));
    }
    removeAllResourceRates();
    for (const CResourceRate& rate : renewed) addResourceRate(rate, -1);
}

void CResource::createDefaultRate() {
    CResourceRate rate;
    rate.setID(CResourceRateID::generated());
    rate.setEffectiveDate(CProjectDate(0));
    addResourceRate(rate, -1);
}
