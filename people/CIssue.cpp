#include "kelvara/people/CIssue.h"

#include "kelvara/framework/IdentifierLists.h"

KELVARA_DEFINE_KIND(Issue)

INoteHandle CIssue::addComment(const INote& note, int index) {
    CNote* added = m_Comments.Add(index, note);
    return added ? added->getHandle() : INoteHandle();
}

int CIssue::addDocumentFileID(const CDocumentFileID& id, int index) {
    return kelvara::detail::placeIdentifier(m_DocumentFileIDs, id, index);
}

bool CIssue::removeDocumentFileID(const CDocumentFileID& id) { return m_DocumentFileIDs.Remove(id); }

IDocumentFileWritableHandle CIssue::getWritableOldSchedule() {
    return m_OldSchedule ? m_OldSchedule->getWritableHandle() : IDocumentFileWritableHandle();
}

IDocumentFileWritableHandle CIssue::getWritableOldScene() {
    return m_OldScene ? m_OldScene->getWritableHandle() : IDocumentFileWritableHandle();
}
