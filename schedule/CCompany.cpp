#include "kelvara/schedule/CCompany.h"

#include <new>

KELVARA_DEFINE_KIND(Company)

bool CCompany::attachResource(IResourceWritableHandle handle) {
    auto* resource = dynamic_cast<CResource*>(handle.get());
    if (!resource) return false;
    const int before = m_Resources.GetSize();
    m_Resources.Attach(before, resource);
    return m_Resources.GetSize() > before;
}

IResourceWritableHandle CCompany::detachResource(const CResourceID& id) {
    IResource* resource = m_Resources.Detach(id);
    return resource ? resource->getWritableHandle() : IResourceWritableHandle();
}

CResource* CCompany::createResource() const { return new (std::nothrow) CResource(); }
