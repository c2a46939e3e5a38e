// The stored resource (see IResource). The sub-resource and rate lists are created with the
// resource and always present; the user field value and note lists exist only while they hold
// something.
#pragma once

#include "kelvara/base/IResource.h"
#include "kelvara/framework/Family.h"
#include "kelvara/model3d/CRSHistory.h"
#include "kelvara/people/CNote.h"
#include "kelvara/schedule/CResourceRate.h"
#include "kelvara/schedule/CUserFieldValue.h"

class CResource : public IResource {
    KELVARA_OBJECT(Resource)
    KELVARA_RECORD_MEMBERS_HELD(KELVARA_FIELDS_Resource)

public:
    ~CResource() override;
    using IResource::setPresentationColor;

    int addSupplierReference(const CString& reference) override;
    void setSupplierReference(const CString& reference, int index) override;
    int removeSupplierReference(int index) override;

    int add3DRepresentation(const CEntity3DID& entity) override;
    int insert3DRepresentation(const CEntity3DID& entity, int index) override;
    bool remove3DRepresentation(const CEntity3DID& entity) override;
    void removeAll3DRepresentations() override { m_3DRepresentations.RemoveAll(); }

    int addCodeValue(const CCodeValueID& value) override;
    int insertCodeValue(const CCodeValueID& value, int index) override;
    bool removeCodeValue(const CCodeValueID& value) override;
    void removeAllCodes() override { m_AssignedCodeValues.RemoveAll(); }

    int addDocumentFileID(const CDocumentFileID& file, int index) override;
    bool removeDocumentFileID(const CDocumentFileID& file) override;
    void removeAllDocumentFileIDs() override { m_DocumentFileIDs.RemoveAll(); }

    bool insertSubResource(const IResource& resource) override;
    bool removeSubResource(const CResourceID& id) override;
    bool attachSubResource(IResourceWritableHandle handle) override;
    IResourceWritableHandle detachSubResource(const CResourceID& id) override;

    bool addUserFieldValue(const IUserFieldValue& value, int index = -1) override;
    bool changeUserFieldValue(const IUserFieldValue& value) override;
    bool removeUserFieldValue(const CUserFieldID& field) override;
    void removeAllUserFieldValues() override { m_UserFieldValues.reset(); }

    INoteHandle addNote(const INote& note, int index = -1) override;
    bool changeNote(const INote& note) override;
    bool removeNote(const CNoteID& id) override;
    void removeAllNotes() override { m_Notes.reset(); }

    bool addResourceRate(const IResourceRate& rate, int index) override;
    bool changeResourceRate(const IResourceRate& rate) override;
    bool removeResourceRate(const CResourceRateID& id) override;
    void removeAllResourceRates() override { m_ResourceRates->RemoveAll(); }
    void regenerateRateIDs() override;

    void clearHistory() override { m_History.RemoveAll(); }

private:
    // A rate from the zero date with a new identifier, added at the end of the rates.
    void createDefaultRate();
};

KELVARA_KIND_FAMILY(Resource)
