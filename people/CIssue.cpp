#include "kelvara/people/CIssue.h"

KELVARA_DEFINE_KIND(Issue)

INoteHandle CIssue::addComment(const INote& note, int index) {
    CNote* added = m_Comments.Add(index, note);
    return added ? added->getHandle() : INoteHandle();
}

// The presence check comes first: inserting at a position would otherwise be the one path that
// could list an identifier twice on an unsorted list.
int CIssue::addDocumentFileID(const CDocumentFileID& id, int index) {
    if (m_DocumentFileIDs.findByID(id) >= 0) return -1;
    if (index < 0 || index > m_DocumentFileIDs.GetSize()) return m_DocumentFileIDs.Add(id);
    const int before = m_DocumentFileIDs.GetSize();
    m_DocumentFileIDs.InsertAt(index, id);
    return m_DocumentFileIDs.GetSize() > before ? index : -1;
}

bool CIssue::removeDocumentFileID(const CDocumentFileID& id) {
    const int position = m_DocumentFileIDs.findByID(id);
    if (position < 0) return false;
    m_DocumentFileIDs.RemoveAt(position);
    return true;
}

IDocumentFileWritableHandle CIssue::getWritableOldSchedule() {
    return m_OldSchedule ? m_OldSchedule->getWritableHandle() : IDocumentFileWritableHandle();
}

IDocumentFileWritableHandle CIssue::getWritableOldScene() {
    return m_OldScene ? m_OldScene->getWritableHandle() : IDocumentFileWritableHandle();
}
