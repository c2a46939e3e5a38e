// A tracked problem of the project: who raised it, who answers for it and who changed it last,
// when, its status and priority, a code and a title, the comment thread, a description, the
// documents attached (by identifier), the tasks, resources and 3D entities it concerns, the saved
// position that shows it, whether changes are mailed, and the schedule and scene documents kept as
// they were when it was raised.
//
// Comments are kept in a list reached in identifier order (files store them that way); a thread is
// shown in the order of the notes' CreatedTimestamp.
#pragma once

#include "kelvara/base/IDocumentFile.h"
#include "kelvara/base/INote.h"
#include "kelvara/base/PeopleEnumerations.h"

#define KELVARA_FIELDS_Issue(F)                                             \
    F(IDENTITY, CIssueID, ID, CIssueID::generated(), 1)                     \
    F(VALUE, CUserID, CreatedUserID, {}, 1)                                 \
    F(VALUE, CUserID, UpdatedUserID, {}, 1)                                 \
    F(VALUE, CUserID, ResponsibleUserID, {}, 1)                             \
    F(VALUE, CProjectTime, CreatedTimestamp, {}, 1)                         \
    F(VALUE, CProjectTime, UpdatedTimestamp, {}, 1)                         \
    F(VALUE, CIssueStatus, Status, CIssueStatus::Open, 1)                   \
    F(VALUE, CIssuePriority, Priority, CIssuePriority::Normal, 1)           \
    F(VALUE, CProjectString, IssueCode, {}, 1)                              \
    F(VALUE, CProjectString, Title, {}, 1)                                  \
    F(CHILDREN, Note, Comments, {}, 1)                                      \
    F(VALUE, CProjectString, Description, {}, 1)                            \
    F(READONLY, CDocumentFileIDArray, DocumentFileIDs, {}, 1)               \
    F(VALUE, CTaskIDArray, Tasks, {}, 1)                                    \
    F(VALUE, CResourceIDArray, Resources, {}, 1)                            \
    F(VALUE, CEntity3DIDArray, Entities, {}, 1)                             \
    F(VALUE, CPositionID, PositionID, {}, 1)                                \
    F(VALUE, CProjectBool, SendEmail, false, 1)                             \
    F(OPTIONAL, DocumentFile, OldSchedule, {}, 1)                           \
    F(OPTIONAL, DocumentFile, OldScene, {}, 1)

class IIssue : public CRecord<IIssue> {
    KELVARA_INTERFACE(Issue)
    KELVARA_RECORD(IIssue, "Issue", KELVARA_FIELDS_Issue)

public:
    const CPositionID& getPosition() const { return getPositionID(); }

    // Adds a copy of note to the thread at index (-1 appends) and answers its handle; a null
    // handle whenever nothing was added: an index outside 0..count, or a note with its identifier
    // already in the thread.
    virtual INoteHandle addComment(const INote& note, int index) = 0;
    // Copies note onto the comment with its identifier; false when there is none.
    virtual bool changeComment(const INote& note) = 0;
    virtual bool removeComment(const CNoteID& id) = 0;
    virtual void removeComments() = 0;

    // Inserts id at index when 0 <= index <= count, else appends, and answers its position; -1,
    // with nothing inserted, when id is already attached.
    virtual int addDocumentFileID(const CDocumentFileID& id, int index) = 0;
    virtual bool removeDocumentFileID(const CDocumentFileID& id) = 0;
    virtual void removeAllDocumentFileIDs() = 0;

    // Writable handles on the kept documents; null handles when absent.
    virtual IDocumentFileWritableHandle getWritableOldSchedule() = 0;
    virtual IDocumentFileWritableHandle getWritableOldScene() = 0;
};
