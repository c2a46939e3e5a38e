// The stored resource group (see IResourceGroup). The user field value list exists only while it
// holds something.
#pragma once

#include "kelvara/base/IResourceGroup.h"
#include "kelvara/framework/Family.h"
#include "kelvara/schedule/CUserFieldValue.h"

class CResourceGroup : public IResourceGroup {
    KELVARA_OBJECT(ResourceGroup)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_ResourceGroup)

public:
    ~CResourceGroup() override = default;

    int addToResourceGroup(const CResourceID& resource) override { return m_ResourceIDs.Add(resource); }
    bool removeFromResourceGroup(const CResourceID& resource) override { return m_ResourceIDs.Remove(resource); }
    void clear() override { m_ResourceIDs.RemoveAll(); }

    bool addUserFieldValue(const IUserFieldValue& value, int index = -1) override;
    bool changeUserFieldValue(const IUserFieldValue& value) override;
    bool removeUserFieldValue(const CUserFieldID& field) override;
    void removeAllUserFieldValues() override { m_UserFieldValues.reset(); }
    int addCodeValue(const CCodeValueID& value) override { return m_AssignedCodeValues.Add(value); }
    int insertCodeValue(const CCodeValueID& value, int index) override;
    bool removeCodeValue(const CCodeValueID& value) override { return m_AssignedCodeValues.Remove(value); }
    void removeAllCodes() override { m_AssignedCodeValues.RemoveAll(); }
};

KELVARA_ROOT_FAMILY(ResourceGroup)
