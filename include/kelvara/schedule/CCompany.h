// The stored company (see ICompany); it owns its resources.
#pragma once

#include "kelvara/base/ICompany.h"
#include "kelvara/framework/Family.h"
#include "kelvara/schedule/CResource.h"

class CCompany : public ICompany {
    KELVARA_OBJECT(Company)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Company)

public:
    ~CCompany() override = default;

    int addResource(const IResource& resource) override { return m_Resources.Add(resource); }
    bool removeResource(const CResourceID& id) override { return m_Resources.Remove(id); }
    bool attachResource(IResourceWritableHandle handle) override;
    IResourceWritableHandle detachResource(const CResourceID& id) override;

protected:
    // A new default resource, owned by the caller; null when it could not be made.
    [[nodiscard]] virtual CResource* createResource() const;
};

KELVARA_ROOT_FAMILY(Company)
