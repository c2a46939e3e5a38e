// The stored form of a document folder (see IDocumentFolder). A new folder has a fresh identifier,
// type General, no users, no files and no sub-folder list.
#pragma once

#include "kelvara/base/IDocumentFolder.h"
#include "kelvara/framework/Family.h"
#include "kelvara/people/CDocumentFile.h"

class CDocumentFolder : public IDocumentFolder {
    KELVARA_OBJECT(DocumentFolder)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_DocumentFolder)

public:
    ~CDocumentFolder() override;

    IDocumentFileHandle addFile(const IDocumentFile& file, int index) override;
    IDocumentFolderHandle addSubFolder(const IDocumentFolder& folder, int index) override;
    bool removeFile(const CDocumentFileID& id) override;
    bool removeSubFolder(const CDocumentFolderID& id) override;
    void removeAllFiles() override;
    void removeAllSubFolders() override;
    IDocumentFolderWritableHandle detach(const CDocumentFolderID& id) override;
    bool attach(IDocumentFolderWritableHandle folder, int index) override;

protected:
    CDocumentFolderArray& allocateSubFolders();
};

KELVARA_ROOT_FAMILY(DocumentFolder)
