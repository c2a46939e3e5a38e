// A folder of project documents: a title, a type, who made and changed it and when, the documents
// it holds and the folders nested under it. The sub-folder list exists only while it holds
// something (getSubFolders() answers a null handle otherwise); the file list always exists.
#pragma once

#include "kelvara/base/IDocumentFile.h"
#include "kelvara/base/PeopleEnumerations.h"

#define KELVARA_FIELDS_DocumentFolder(F)                                        \
    F(IDENTITY, CDocumentFolderID, ID, CDocumentFolderID::generated(), 1)       \
    F(VALUE, CDocumentType, Type, CDocumentType::General, 1)                    \
    F(VALUE, CProjectString, Title, {}, 1)                                      \
    F(TEXT, CProjectString, URL, {}, 1)                                         \
    F(TEXT, CProjectString, Description, {}, 1)                                 \
    F(VALUE, CUserID, CreatedUserID, {}, 1)                                     \
    F(VALUE, CUserID, UpdatedUserID, {}, 1)                                     \
    F(VALUE, CProjectTime, CreatedTimestamp, {}, 1)                             \
    F(VALUE, CProjectTime, UpdatedTimestamp, {}, 1)                             \
    F(CHILDREN, DocumentFile, Files, {}, 1)                                     \
    F(LAZY, DocumentFolder, SubFolders, {}, 1)

class IDocumentFolder : public CRecord<IDocumentFolder> {
    KELVARA_INTERFACE(DocumentFolder)
    KELVARA_RECORD(IDocumentFolder, "DocumentFolder", KELVARA_FIELDS_DocumentFolder)

public:
    // Add a copy at index (-1 appends) and answer its handle; a null handle whenever nothing was
    // added: an index outside 0..count, or an identifier already in the list.
    virtual IDocumentFileHandle addFile(const IDocumentFile& file, int index) = 0;
    virtual IDocumentFolderHandle addSubFolder(const IDocumentFolder& folder, int index) = 0;
    // False when absent. Removing the last sub-folder releases the sub-folder list.
    virtual bool removeFile(const CDocumentFileID& id) = 0;
    virtual bool removeSubFolder(const CDocumentFolderID& id) = 0;
    virtual void removeAllFiles() = 0;
    virtual void removeAllSubFolders() = 0;
    // Takes the sub-folder out of the list without destroying it; a null handle when absent. The
    // folder and everything under it are then the caller's: attach it somewhere or release it with
    // releaseDetached (handles never own what they refer to).
    [[nodiscard]] virtual IDocumentFolderWritableHandle detach(const CDocumentFolderID& id) = 0;
    // Takes over the folder the handle refers to (one the caller owns, e.g. from detach) as
    // sub-folder at index, 0..count. False when refused: an empty handle, an index outside that
    // range, an identifier already among the sub-folders, a folder of another class, or this folder
    // itself or one under it (a cycle). A refused folder stays the caller's.
    virtual bool attach(IDocumentFolderWritableHandle folder, int index) = 0;

    // Destroys a folder the caller owns (from detach) with everything under it, and empties the
    // handle.
    static void releaseDetached(IDocumentFolderWritableHandle& folder);
};
