// A named set of resources, listed by identifier (the resources stay where they are owned), with
// code values and user field values of its own. Every new group has its own identifier.
#pragma once

#include "kelvara/base/Kinds.h"
#include "kelvara/base/Record.h"

#define KELVARA_FIELDS_ResourceGroup(F)                                          \
    F(IDENTITY, CResourceGroupID, ID, CResourceGroupID::generated(), 1)          \
    F(TEXT, CProjectString, Name, {}, 1)                                         \
    F(VALUE, CResourceIDArray, ResourceIDs, {}, 1)                               \
    F(LAZY, UserFieldValue, UserFieldValues, {}, 1)                              \
    F(VALUE, CCodeValueIDArray, AssignedCodeValues, {}, 1)

class IResourceGroup : public CRecord<IResourceGroup> {
    KELVARA_INTERFACE(ResourceGroup)
    KELVARA_RECORD(IResourceGroup, "ResourceGroup", KELVARA_FIELDS_ResourceGroup)

public:
    // A new identifier for the group (its members, values and codes are references and stay);
    // false when none could be made.
    bool generateIDs() { return getWritableID().generate(); }

    // Appends a member; its position, or -1 when it is a member already.
    virtual int addToResourceGroup(const CResourceID& resource) = 0;
    virtual bool removeFromResourceGroup(const CResourceID& resource) = 0;
    // Empties the member list only.
    virtual void clear() = 0;

    // As on a resource (see IResource).
    virtual bool addUserFieldValue(const IUserFieldValue& value, int index = -1) = 0;
    virtual bool changeUserFieldValue(const IUserFieldValue& value) = 0;
    virtual bool removeUserFieldValue(const CUserFieldID& field) = 0;
    virtual void removeAllUserFieldValues() = 0;
    virtual int addCodeValue(const CCodeValueID& value) = 0;
    virtual int insertCodeValue(const CCodeValueID& value, int index) = 0;
    virtual bool removeCodeValue(const CCodeValueID& value) = 0;
    virtual void removeAllCodes() = 0;
};
