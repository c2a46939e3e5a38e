// The stored form of an issue (see IIssue). A new issue has a fresh identifier, status Open,
// priority Normal, no comments, attachments or references, does not send mail and keeps no old
// schedule or scene.
#pragma once

#include "kelvara/base/IIssue.h"
#include "kelvara/framework/Family.h"
#include "kelvara/people/CDocumentFile.h"
#include "kelvara/people/CNote.h"

class CIssue : public IIssue {
    KELVARA_OBJECT(Issue)
    KELVARA_RECORD_MEMBERS(KELVARA_FIELDS_Issue)

public:
    ~CIssue() override = default;

    INoteHandle addComment(const INote& note, int index) override;
    bool changeComment(const INote& note) override { return m_Comments.changeElement(note); }
    bool removeComment(const CNoteID& id) override { return m_Comments.Remove(id); }
    void removeComments() override { m_Comments.RemoveAll(); }

    int addDocumentFileID(const CDocumentFileID& id, int index) override;
    bool removeDocumentFileID(const CDocumentFileID& id) override;
    void removeAllDocumentFileIDs() override { m_DocumentFileIDs.RemoveAll(); }

    IDocumentFileWritableHandle getWritableOldSchedule() override;
    IDocumentFileWritableHandle getWritableOldScene() override;
};

KELVARA_ROOT_FAMILY(Issue)
